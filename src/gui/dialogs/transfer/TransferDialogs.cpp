#include "gui/dialogs/transfer/TransferDialogs.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/library/Library.h"
#include "core/library/LocateRecordFile.h"
#include "core/playlist/CurrentPlayList.h"
#include "core/tools/transfer/TransferSession.h"
#include "gui/dialogs/transfer/DeviceCall.h"
#include "gui/dialogs/transfer/TransferDialog.h"
#include "gui/mainwnd/LibraryPane.h"
#include "gui/mainwnd/MainPanes.h"
#include "gui/mainwnd/MainWindow.h"
#include "gui/mainwnd/PlayListPane.h"
#include "platform/PortableDeviceChoice.h"

namespace sonara::gui {

TransferDialogs::TransferDialogs(MainWindow& window) : window_(window) {}

bool TransferDialogs::run(Command command) {
    switch (command) {
        case Command::TransferLibraryToPortable:
            transfer(true);
            return true;
        case Command::TransferPlayListToPortable:
            transfer(false);
            return true;
        default:
            return false;
    }
}

void TransferDialogs::transfer(bool fromLibrary) {
    MainServices& services = window_.services();
    Prompter& prompter = services.prompter;
    // Declared in this order: the session reports through the call and works
    // on the devices, so both outlive it.
    DeviceCall call;
    std::unique_ptr<PortableDevices> devices;
    const char* fakeSpec = std::getenv("SONARA_FAKE_PLAYER");
    // Input waits meanwhile: nothing may change the selection or start other
    // work before the dialog is up.
    (void)call.run(
        [&devices, fakeSpec] {
            if (Result<std::unique_ptr<PortableDevices>> opened = openPortableDevices(fakeSpec)) {
                devices = std::move(opened.value());
            }
        },
        DeviceCall::Input::Held);
    if (!devices) {
        prompter.message(stringText(TextId::TransferInitFailed), Icon::Exclamation);
        return;
    }
    TransferSession session(*devices, call.statusSink());
    TransferSession::Opening opening;
    (void)call.run([&opening, &session] { opening = session.open(); }, DeviceCall::Input::Held);
    for (const TextId message : opening.messages) {
        prompter.message(stringText(message), Icon::Exclamation);
    }
    if (!opening.opened) {
        return;
    }
    Songs songs = fromLibrary ? selectedLibrarySongs() : selectedPlayListSongs();
    TransferDialog dialog(services.skin, prompter, session, call, std::move(songs.paths),
                          songs.leftOut, &window_);
    dialog.exec();
}

TransferDialogs::Songs TransferDialogs::selectedLibrarySongs() const {
    MainServices& services = window_.services();
    Songs songs;
    for (const size_t index : window_.panes().library()->selectedRecords()) {
        if (index >= services.library.count()) {
            continue;
        }
        const std::optional<std::string> path = locateRecordFile(
            *services.library.at(index), services.pathCache, services.sources, &services.prompter);
        if (path) {
            songs.paths.push_back(*path);
        } else {
            songs.leftOut = true;
        }
    }
    return songs;
}

TransferDialogs::Songs TransferDialogs::selectedPlayListSongs() const {
    const PlayList& list = window_.services().playList.list();
    Songs songs;
    for (const size_t row : window_.panes().playListPane()->selectedRows()) {
        if (row >= list.count()) {
            continue;
        }
        std::error_code error;
        if (std::filesystem::is_regular_file(list.at(row).path, error)) {
            songs.paths.push_back(list.at(row).path);
        } else {
            songs.leftOut = true;
        }
    }
    return songs;
}

}  // namespace sonara::gui
