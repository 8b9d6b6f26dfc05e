#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace sonara::gui {

// Asks for a folder under `title`, starting at `start`; nullopt when the
// user cancelled. Tests put a scripted one in place of the desktop's.
using FolderBrowser =
    std::function<std::optional<std::string>(const QString& title, const std::string& start)>;

// The desktop's modal folder browser over `parent`.
std::optional<std::string> browseForFolder(QWidget* parent, const QString& title,
                                           const std::string& start);

}  // namespace sonara::gui
