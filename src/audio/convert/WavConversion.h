#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "core/app/Dispatcher.h"
#include "core/app/Prompter.h"

namespace sonara {
class PreferenceStore;
}

namespace sonara::audio {

class ConversionJob;

// How a conversion ended; each has its message (caption "Sonara").
enum class ConversionOutcome {
    Cancelled,      // "Conversion cancelled!"
    SomeErrors,     // "Some errors occured while converting files"
    Converted,      // "File(s) converted successfully!"
    NoneConverted,  // "At least one error occurred while converting file(s)"
};
const std::string& conversionMessage(ConversionOutcome outcome);

// What a dialog or the command line shows of a conversion. Called on the
// user-interface thread; a listener may call cancel() from any of these.
class WavConversionListener {
  public:
    virtual ~WavConversionListener() = default;
    // "File 2 of 5 : Song.mp3", as each file starts.
    virtual void statusChanged(const std::string& /*text*/) {}
    // 0..100, every progress interval while files convert.
    virtual void progressChanged(int /*percent*/) {}
    // A source that could not be converted, and why; the others go on.
    virtual void fileFailed(size_t /*index*/, const std::string& /*source*/,
                            const std::string& /*reason*/) {}
    // Once per start() that started; the conversion may be started again.
    virtual void finished(ConversionOutcome /*outcome*/, const std::string& /*message*/) {}
};

// The MP3-to-WAV sequencer: converts a list of sources into WAV files in one
// destination folder, each by a reader, a writer and a trigger, `jobs` files
// at a time (files start in list order; with one job, one after another).
// Lives on the user-interface thread: every member is called there and every
// listener call comes from there, through the Dispatcher.
class WavConversion {
  public:
    struct Options {
        int jobs = 1;
        int progressIntervalMs = 500;
    };

    WavConversion(Dispatcher& userInterface, Prompter& prompter, PreferenceStore& preferences,
                  std::vector<std::string> sources, Options options);
    WavConversion(Dispatcher& userInterface, Prompter& prompter, PreferenceStore& preferences,
                  std::vector<std::string> sources)
        : WavConversion(userInterface, prompter, preferences, std::move(sources), Options{}) {}
    ~WavConversion();  // stops the running files; their partial WAVs are removed
    WavConversion(const WavConversion&) = delete;
    WavConversion& operator=(const WavConversion&) = delete;

    void setListener(WavConversionListener* listener) { listener_ = listener; }

    enum class Start {
        Started,   // finished() follows, from the Dispatcher's loop
        Declined,  // the folder is missing and was not to be created
        Failed,    // no folder given, or it could not be created: `error`
        AlreadyRunning,
    };
    struct StartResult {
        Start outcome = Start::Failed;
        std::string error;
        // Set when the preferences could not be saved; the conversion goes on.
        std::string preferencesError;
    };
    // The Convert button: `folder` gets a trailing '/', a missing folder is
    // offered for creation (TextId::CreateFolderQuestion, Yes/No), "WavFilesFolder" is stored and
    // the preferences saved, every missing level is created, and the first
    // file's step is posted.
    StartResult start(const std::string& folder);
    // Stops the files being converted (their partial WAVs are removed) and
    // lets the next step finish the conversion as cancelled.
    void cancel();

    const std::vector<std::string>& sources() const { return sources_; }
    // The destination folder of the last start, with its trailing '/'.
    const std::string& folder() const { return folder_; }
    // Files started so far (the next file's index).
    size_t index() const { return index_; }
    bool converting() const { return converting_; }
    bool cancelled() const { return cancelled_; }
    bool errorOccurred() const { return error_; }
    bool succeeded() const { return success_; }

    // `folder` (ending in '/') + the source's file name with the text after
    // its last "." replaced by "wav"; a name without "." gets ".wav" added.
    static std::string targetPath(const std::string& folder, const std::string& source);
    static std::string fileNameOf(const std::string& path);

  private:
    void postNextStep();
    void nextFileStep();
    void startFile(ConversionJob& job, size_t index);
    void fileEnded(ConversionJob& job);
    void fileFailed(ConversionJob& job, const std::string& reason);
    void release(ConversionJob& job);
    void tick();
    void finish();
    ConversionJob* idleJob();
    bool anyBusy() const;

    Dispatcher& userInterface_;
    Prompter& prompter_;
    PreferenceStore& preferences_;
    std::vector<std::string> sources_;
    Options options_;
    WavConversionListener* listener_ = nullptr;
    std::vector<std::unique_ptr<ConversionJob>> jobs_;
    std::string folder_;
    size_t index_ = 0;
    bool converting_ = false;
    bool cancelled_ = false;
    bool error_ = false;
    bool success_ = false;
    TimerHandle progressTimer_;
    // Posted steps hold it weakly: a step arriving after the conversion is gone is dropped.
    std::shared_ptr<WavConversion*> self_ = std::make_shared<WavConversion*>(this);
};

}  // namespace sonara::audio
