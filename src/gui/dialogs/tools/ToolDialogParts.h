#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string_view>

#include "core/app/Command.h"
#include "core/io/Result.h"

class QWidget;

namespace sonara {
class PreferenceStore;
class Prompter;
}  // namespace sonara

namespace sonara::gui {

class MainWindow;
class SkinCaptionButton;
struct SkinContext;

// Asks for a folder: the picked one, or an empty text when cancelled. Tests
// put their own in place of the folder browser.
using FolderChooser = std::function<QString(const QString& start)>;

// The folder browser titled "Browse for Folder", starting at `start`.
QString browseForFolder(QWidget* parent, const QString& start);

// A large-strip caption button on `row`, showing `text`.
SkinCaptionButton* makeCaptionButton(SkinContext& context, const QString& text, int row,
                                     QWidget* parent);

// "Search": the pop-up with "Sonara Sources" and "By Folder (Recursive)" at
// the mouse; the command picked, none when dismissed.
std::optional<Command> askSearchStart(MainWindow& window);

// Says what went wrong with a preference save; the values stay set.
void reportSave(const Status& saved, Prompter& prompter);

// A resizable tool window's size is kept under `key` between runs.
void restoreToolSize(QWidget& dialog, const PreferenceStore& store, std::string_view key);
void storeToolPlacement(const QWidget& dialog, const PreferenceStore& store, std::string_view key,
                        Prompter& prompter);

}  // namespace sonara::gui
