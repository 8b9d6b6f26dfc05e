#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/app/TextId.h"
#include "core/tools/transfer/PortableDevices.h"
#include "gui/skin/SkinDialog.h"

class QListWidget;

namespace sonara {
class Prompter;
class TransferSession;
}  // namespace sonara

namespace sonara::gui {

class DeviceCall;
class SkinCaptionButton;
class SkinGroupBox;
class SkinLabel;

// "Transfer to NOMAD" over an opened session: the songs to send, the
// player's name and status line, and per memory its files, its total and
// free megabytes, ">>" (send the selected songs there), "Delete" and
// "Format"; "Refresh", OK and Cancel. The first refresh runs as soon as the
// dialog shows. Each step runs through `call` with every button but Cancel
// off; the session's messages follow it. Closing the dialog while a step runs
// cancels the step and waits for it; nothing is shown after that.
//
// Borrows the context, the prompter, the session and the call; the session
// must have opened. User-interface thread only.
class TransferDialog : public SkinDialog {
    Q_OBJECT
  public:
    // `songsLeftOut`: some selected songs could not be found; said once the
    // dialog shows, before the first refresh.
    TransferDialog(SkinContext& context, Prompter& prompter, TransferSession& session,
                   DeviceCall& call, std::vector<std::string> songs, bool songsLeftOut,
                   QWidget* parent = nullptr);
    ~TransferDialog() override;

    bool busy() const;
    QListWidget* songList() const { return songs_; }
    QListWidget* fileList(DeviceMemory memory) const { return part(memory).files; }
    SkinCaptionButton* sendButton(DeviceMemory memory) const { return part(memory).send; }
    SkinCaptionButton* deleteButton(DeviceMemory memory) const { return part(memory).remove; }
    SkinCaptionButton* formatButton(DeviceMemory memory) const { return part(memory).format; }
    SkinCaptionButton* refreshButton() const { return refresh_; }
    SkinCaptionButton* okButton() const { return ok_; }
    SkinCaptionButton* cancelButton() const { return cancel_; }
    QString deviceLine() const;
    QString statusLine() const;
    // "Total Mem : 32Mb", "Free Mem : 22Mb".
    QString totalLine(DeviceMemory memory) const;
    QString freeLine(DeviceMemory memory) const;

  public slots:
    // Esc, Cancel and the window's close: a running step is cancelled first.
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void skinChanged() override;

  private:
    struct MemoryPart {
        SkinGroupBox* box = nullptr;
        QListWidget* files = nullptr;
        SkinLabel* total = nullptr;
        SkinLabel* free = nullptr;
        SkinCaptionButton* send = nullptr;
        SkinCaptionButton* remove = nullptr;
        SkinCaptionButton* format = nullptr;
    };
    MemoryPart makePart(DeviceMemory memory, TextId title);
    const MemoryPart& part(DeviceMemory memory) const;

    void firstShown();
    void refresh();
    void send(DeviceMemory memory);
    void removeSelected(DeviceMemory memory);
    void format(DeviceMemory memory);
    // Runs `step` through the call, then shows the memories and the step's
    // messages, unless the dialog was closed meanwhile.
    void runStep(const std::function<std::vector<TextId>()>& step);
    void showMemories();
    void updateEnabling();

    Prompter& prompter_;
    TransferSession& session_;
    DeviceCall& call_;
    bool songsLeftOut_;
    bool shownOnce_ = false;
    bool closing_ = false;
    QListWidget* songs_;
    SkinLabel* device_;
    SkinLabel* status_;
    MemoryPart internal_;
    MemoryPart card_;
    SkinCaptionButton* refresh_;
    SkinCaptionButton* ok_;
    SkinCaptionButton* cancel_;
};

}  // namespace sonara::gui
