#pragma once

#include <memory>
#include <string>
#include <vector>

#include "audio/convert/WavConversion.h"
#include "gui/dialogs/tools2/FolderBrowser.h"
#include "gui/skin/SkinDialog.h"

class QLineEdit;

namespace sonara {
class Dispatcher;
class Prompter;
}  // namespace sonara

namespace sonara::gui {

class GradientProgress;
class SkinCaptionButton;
class SkinLabel;

// "MP3 To WAV": converts the given files into WAV files in one destination
// folder ("WavFilesFolder"), one after another, the decoding running off
// this thread. While converting it shows "File n of m : name", the file's
// and the whole run's progress, and "Cancel"; at the end one message tells
// the outcome and the dialog is idle again ("Close"). Closing it mid-run
// stops the conversion and removes the unfinished file. Borrows the
// dispatcher, the prompter and the context; user-interface thread only.
class WavConversionDialog : public SkinDialog, private audio::WavConversionListener {
    Q_OBJECT
  public:
    WavConversionDialog(SkinContext& context, Dispatcher& dispatcher, Prompter& prompter,
                        std::vector<std::string> sources, QWidget* parent = nullptr);
    ~WavConversionDialog() override;

    // Unset, the desktop's folder browser asks.
    void setFolderBrowser(FolderBrowser browser) { browser_ = std::move(browser); }

    bool converting() const { return conversion_.converting(); }
    QLineEdit* folderField() const { return folder_; }
    SkinCaptionButton* browseButton() const { return browse_; }
    SkinCaptionButton* convertButton() const { return convert_; }
    SkinCaptionButton* closeButton() const { return close_; }
    QString statusText() const;
    int fileProgress() const;
    int totalProgress() const;

  signals:
    // Each file's status line, as it starts.
    void statusShown(const QString& text);

  public slots:
    // Esc and the window's close: while converting, they cancel the run.
    void reject() override;

  protected:
    void skinChanged() override;

  private:
    // WavConversionListener
    void statusChanged(const std::string& text) override;
    void progressChanged(int percent) override;
    void finished(audio::ConversionOutcome outcome, const std::string& message) override;

    void browse();
    void convert();
    void cancelOrClose();
    void setConverting(bool converting);
    void showProgress(int filePercent);

    Prompter& prompter_;
    audio::WavConversion conversion_;
    FolderBrowser browser_;
    SkinLabel* folderLabel_;
    QLineEdit* folder_;
    SkinCaptionButton* browse_;
    SkinLabel* status_;
    GradientProgress* fileBar_;
    GradientProgress* totalBar_;
    SkinCaptionButton* convert_;
    SkinCaptionButton* close_;
};

}  // namespace sonara::gui
