// sonara: the desktop program.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QMessageBox>
#include <QSessionManager>
#include <QTimer>
#include <cstdio>

#include "core/app/CommandLine.h"
#include "core/app/DataPaths.h"
#include "core/app/OpenCommand.h"
#include "core/app/StringTable.h"
#include "core/mainwnd/DialogNames.h"
#include "core/mainwnd/ViewMode.h"
#include "gui/app/AppSession.h"
#include "gui/app/Application.h"
#include "gui/app/DialogPicture.h"
#include "gui/app/GalleryBook.h"
#include "gui/app/InstanceChannel.h"
#include "gui/app/TerminationSignals.h"
#include "gui/app/WindowPicture.h"
#include "gui/mainwnd/MainWindow.h"
#include "skin/DefaultSkin.h"

namespace {

void complain(const std::string& text) {
    std::fprintf(stderr, "sonara: %s\n", text.c_str());
}

// What a second start hands the running program: its files, or the request
// to show the window when it names none.
std::vector<std::string> commandsForRunningProgram(const QStringList& files) {
    const std::string workingFolder = QDir::currentPath().toStdString();
    std::vector<std::string> commands;
    for (const QString& file : files) {
        if (const std::string path = sonara::commandLinePath(file.toStdString(), workingFolder);
            !path.empty()) {
            commands.push_back(sonara::makeOpenCommand(path));
        }
    }
    if (commands.empty()) {
        commands.push_back(sonara::makeShowCommand());
    }
    return commands;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Sonara");
    // The installed desktop entry's name: docks and Wayland compositors find
    // the window's icon and launcher by it.
    QApplication::setDesktopFileName("sonara");
    QApplication::setQuitOnLastWindowClosed(false);

    QCommandLineParser parser;
    parser.setApplicationDescription("Sonara, a music library and MP3 jukebox.");
    parser.addHelpOption();
    const QCommandLineOption homeOption("home", "Keep every Sonara file in DIR.", "DIR");
    const QCommandLineOption galleryOption(
        "skin-gallery",
        "Render every skinned control and dialog of the current skin to OUT.png and exit.",
        "OUT.png");
    const QCommandLineOption screenshotOption(
        "screenshot", "Start as usual, render the main window to OUT.png and exit as Exit does.",
        "OUT.png");
    const QCommandLineOption viewOption("view",
                                        "With --screenshot: switch to view N (0 to 7) first.", "N");
    const QCommandLineOption dialogOption(
        "dialog",
        QString::fromStdString("With --screenshot: open dialog NAME over the window first (" +
                               sonara::dialogNameList() + ")."),
        "NAME");
    const QCommandLineOption pageOption("page",
                                        "With --dialog preferences: open on page N (0 to 4).", "N");
    parser.addOption(homeOption);
    parser.addOption(dialogOption);
    parser.addOption(pageOption);
    parser.addOption(galleryOption);
    parser.addOption(screenshotOption);
    parser.addOption(viewOption);
    parser.addPositionalArgument("files", "Songs, play lists (.m3u, .snl) or skins (.snx) to open.",
                                 "[FILE...]");
    parser.process(app);

    std::optional<sonara::ViewMode> shownView;
    if (parser.isSet(viewOption)) {
        bool number = false;
        const int view = parser.value(viewOption).toInt(&number);
        shownView = number ? sonara::viewModeFromNumber(view) : std::nullopt;
        if (!shownView) {
            complain("--view takes a view number from 0 to 7");
            return 2;
        }
    }

    std::optional<sonara::NamedDialog> shownDialog;
    if (parser.isSet(dialogOption)) {
        shownDialog = sonara::namedDialog(parser.value(dialogOption).toStdString());
        if (!shownDialog || !parser.isSet(screenshotOption)) {
            complain("--dialog goes with --screenshot and takes one of: " +
                     sonara::dialogNameList());
            return 2;
        }
    }
    std::optional<int> shownPage;
    if (parser.isSet(pageOption)) {
        bool number = false;
        const int page = parser.value(pageOption).toInt(&number);
        if (!number || page < 0 || page > 4 || !shownDialog ||
            shownDialog->command != sonara::Command::Preferences) {
            complain("--page goes with --dialog preferences and takes a page number from 0 to 4");
            return 2;
        }
        shownPage = page;
    }

    const sonara::DataPaths paths =
        sonara::DataPaths::resolve(parser.value(homeOption).toStdString());
    const bool picture = parser.isSet(screenshotOption) || parser.isSet(galleryOption);
    // Decided before any data file is read: a second start only hands its
    // files over. Pictures are one-shot and never meet the running program.
    sonara::gui::InstanceChannel instance;
    if (!picture) {
        const sonara::gui::InstanceChannel::Claim claim = instance.claim(
            paths.programFolder, commandsForRunningProgram(parser.positionalArguments()));
        if (claim.role == sonara::gui::InstanceChannel::Role::Forwarded) {
            return 0;
        }
        if (claim.role == sonara::gui::InstanceChannel::Role::Refused) {
            complain(claim.message);
            // Started from a file manager, nobody reads the terminal. No skin
            // is loaded yet: a plain box.
            QMessageBox::critical(nullptr, QStringLiteral("Sonara"),
                                  QString::fromStdString(claim.message));
            return 1;
        }
    }

    sonara::gui::AppSession session(paths, sonara::skin::defaultSkin(),
                                    sonara::skin::bundledSkins());
    if (picture) {
        // Nobody is there to answer: messages go to the terminal, and every
        // question gets the answer that changes nothing.
        session.prompter().setScript([](const sonara::gui::PromptRequest& request) {
            complain(request.text);
            return request.buttons == sonara::Buttons::Ok ? sonara::Answer::Ok
                                                          : sonara::Answer::Cancel;
        });
    }
    std::vector<std::string> arguments;
    for (const QString& file : parser.positionalArguments()) {
        arguments.push_back(file.toStdString());
    }
    session.setCommandLine(arguments, QDir::currentPath().toStdString());
    if (const sonara::Status started = session.startUp(); !started) {
        complain(started.error());
        if (!picture) {
            session.prompter().message(started.error(), sonara::Icon::Stop);
        }
        return 1;
    }

    sonara::gui::Application application(session);
    // A logout, a kill or a closed terminal ends the run as Exit does.
    sonara::gui::TerminationSignals terminations;
    QObject::connect(&terminations, &sonara::gui::TerminationSignals::received, &application,
                     &sonara::gui::Application::exit);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &application,
                     [&application](QSessionManager&) { application.saveNow(); });
    application.start(!picture);
    QObject::connect(&instance, &sonara::gui::InstanceChannel::commandReceived, &application,
                     [&application](const std::string& command) {
                         if (!application.executeShellCommand(command)) {
                             complain("ignored the command " + command);
                         }
                     });
    instance.serve();

    int result = 0;
    if (parser.isSet(galleryOption)) {
        const QString out = parser.value(galleryOption);
        sonara::gui::MainWindow* window = application.mainWindow();
        sonara::gui::SkinContext context = session.skinContext();
        sonara::gui::renderGalleryBook(*window, context, [&, window](const QImage& gallery) {
            if (gallery.isNull() || !gallery.save(out, "PNG")) {
                complain("unable to write " + out.toStdString());
                result = 1;
            }
            window->runCommand(sonara::Command::Exit);
        });
    } else if (parser.isSet(screenshotOption) && shownDialog) {
        if (shownPage) {
            session.prefs().values().lastPrefPageOn = *shownPage;
        }
        const QString out = parser.value(screenshotOption);
        sonara::gui::MainWindow* window = application.mainWindow();
        if (shownView) {
            window->setView(*shownView);
        }
        sonara::gui::renderDialogPicture(*window, *shownDialog, [&, window](const QImage& image) {
            if (image.isNull()) {
                complain("no dialog opened for --dialog " + std::string(shownDialog->name));
                result = 1;
            } else if (!image.save(out, "PNG")) {
                complain(sonara::formatText(sonara::TextId::ScreenshotFailed, out.toStdString()));
                result = 1;
            }
            window->runCommand(sonara::Command::Exit);
        });
    } else if (parser.isSet(screenshotOption)) {
        const QString out = parser.value(screenshotOption);
        QTimer::singleShot(0, &application, [&] {
            sonara::gui::MainWindow* window = application.mainWindow();
            if (shownView) {
                window->setView(*shownView);
            }
            if (!sonara::gui::saveWindowPicture(*window, out)) {
                complain(sonara::formatText(sonara::TextId::ScreenshotFailed, out.toStdString()));
                result = 1;
            }
            window->runCommand(sonara::Command::Exit);
        });
    }
    const int loop = QApplication::exec();
    instance.retire();
    const sonara::Status closed = application.shutDown();
    if (!closed) {
        complain(closed.error());
    }
    return result != 0 ? result : (loop != 0 ? loop : (closed ? 0 : 1));
}
