// sonara: the desktop program.
#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <cstdio>

#include "core/app/DataPaths.h"
#include "core/settings/PreferenceStore.h"
#include "gui/app/SkinGallery.h"
#include "gui/app/SkinSwitcher.h"
#include "gui/dialogs/SelectSkinDialog.h"
#include "gui/skin/SkinRecord.h"
#include "skin/DefaultSkin.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Sonara");

    QCommandLineParser parser;
    parser.setApplicationDescription("Sonara, a music library and MP3 jukebox.");
    parser.addHelpOption();
    const QCommandLineOption homeOption("home", "Keep every Sonara file in DIR.", "DIR");
    const QCommandLineOption galleryOption(
        "skin-gallery", "Render every skinned control of the current skin to OUT.png and exit.",
        "OUT.png");
    parser.addOption(homeOption);
    parser.addOption(galleryOption);
    parser.addPositionalArgument("files", "Skin files (.snx) to apply.", "[FILE...]");
    parser.process(app);

    const sonara::DataPaths paths =
        sonara::DataPaths::resolve(parser.value(homeOption).toStdString());
    if (const sonara::Status made = paths.ensureFolders(); !made) {
        std::fprintf(stderr, "sonara: %s\n", made.error().c_str());
        return 1;
    }
    sonara::PreferenceStore prefs(paths.preferences, paths.programFolder, paths.homeFolder);
    if (const sonara::Status loaded = prefs.loadAll(); !loaded) {
        std::fprintf(stderr, "sonara: %s\n", loaded.error().c_str());
    }
    sonara::gui::SkinRecord skin;
    sonara::gui::SkinContext context{skin, prefs};
    sonara::gui::SkinSwitcher switcher(context, sonara::skin::defaultSkin(),
                                       sonara::skin::bundledSkins());
    if (!switcher.startUp()) {
        std::fprintf(stderr, "sonara: the skin could not be loaded; drawing without it\n");
    }

    if (parser.isSet(galleryOption)) {
        const QString out = parser.value(galleryOption);
        const QImage gallery = sonara::gui::renderSkinGallery(context);
        if (gallery.isNull() || !gallery.save(out, "PNG")) {
            std::fprintf(stderr, "sonara: unable to write %s\n", out.toLocal8Bit().constData());
            return 1;
        }
        return 0;
    }

    bool opened = false;
    for (const QString& file : parser.positionalArguments()) {
        if (!file.endsWith(".snx", Qt::CaseInsensitive)) {
            continue;
        }
        opened = true;
        if (const sonara::Status applied = switcher.openPointerFile(file.toStdString(), nullptr);
            !applied) {
            QMessageBox::warning(nullptr, "Sonara", QString::fromStdString(applied.error()));
        }
    }
    if (opened) {
        return 0;
    }
    // Until the main window exists, the program opens on the skin choice.
    sonara::gui::SelectSkinDialog dialog(context, switcher, nullptr);
    dialog.exec();
    return 0;
}
