// The bundled help pages: each one there, every link between them leading
// somewhere, and what opening them does when they or the browser are missing.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include "gui/app/HelpPages.h"
#include "gui/controls/HyperLinkOpener.h"
#include "support/ScriptedPrompter.h"
#include "support/TestRegistry.h"

using namespace sonara;
using namespace sonara::gui;

namespace {

class FakeOpener : public DesktopOpener {
  public:
    OpenOutcome urlOutcome = OpenOutcome::opened();
    std::optional<QString> htmlExec;
    QList<QUrl> opened;
    QStringList started;

    OpenOutcome openUrl(const QUrl& url) override {
        opened << url;
        return urlOutcome;
    }
    std::optional<QString> htmlHandlerExec() override { return htmlExec; }
    OpenOutcome startDetached(const QString& program, const QStringList& arguments) override {
        started << program << arguments;
        return OpenOutcome::opened();
    }
};

QString sourceFolder() {
    return QStringLiteral(SONARA_SOURCE_HELP_DIR);
}

QString readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

class HelpPagesTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        QVERIFY(home_.isValid());
        qputenv("HOME", home_.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", home_.filePath("config").toUtf8());
        qputenv("XDG_DATA_HOME", home_.filePath("data").toUtf8());
        qunsetenv("SONARA_HELP_DIR");
    }

    void everyPageIsThereAndEveryLinkLeadsToAFile() {
        const QDir folder(sourceFolder());
        const QStringList required = {"index.html",    "views.html", "library.html",
                                      "playlist.html", "tools.html", "keys.html"};
        for (const QString& page : required) {
            QVERIFY2(folder.exists(page), qPrintable(page));
        }
        const QRegularExpression link(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
        QSet<QString> linkedFromIndex;
        for (const QString& page : folder.entryList({"*.html"}, QDir::Files)) {
            const QString text = readAll(folder.filePath(page));
            QVERIFY2(text.contains(QStringLiteral("href=\"style.css\"")), qPrintable(page));
            for (auto match = link.globalMatch(text); match.hasNext();) {
                const QString target = match.next().captured(1).section('#', 0, 0);
                if (target.isEmpty() || target.contains(':')) {
                    continue;  // a place on the same page, or the web
                }
                QVERIFY2(QFileInfo(folder.filePath(target)).isFile(),
                         qPrintable(page + " links to " + target));
                if (page == "index.html") {
                    linkedFromIndex << target;
                }
            }
        }
        for (const QString& page : required) {
            QVERIFY2(page == "index.html" || linkedFromIndex.contains(page), qPrintable(page));
        }
    }

    void theHelpFolderSettingComesFirstAndTheFirstIndexWins() {
        QTemporaryDir empty;
        QTemporaryDir own;
        QFile index(own.filePath("index.html"));
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.close();
        qputenv("SONARA_HELP_DIR", own.path().toUtf8());
        const QStringList folders = HelpPages::searchFolders();
        qunsetenv("SONARA_HELP_DIR");
        QCOMPARE(folders.first(), own.path());
        QCOMPARE(HelpPages::findIndex({empty.path(), own.path(), sourceFolder()}),
                 std::optional<QString>(index.fileName()));
        QCOMPARE(HelpPages::findIndex({empty.path()}), std::nullopt);
    }

    void opensTheIndexAndFallsBackToTheWebBrowser() {
        FakeOpener opener;
        testing::ScriptedPrompter prompter;
        HelpPages help(opener, prompter);
        QVERIFY(help.open());
        QCOMPARE(opener.opened.size(), 1);
        QVERIFY(opener.opened[0].isLocalFile());
        QVERIFY(opener.opened[0].toLocalFile().endsWith("/index.html"));

        opener.urlOutcome = OpenOutcome::failed(OpenOutcome::NoAssociation);
        opener.htmlExec = "browser --new-window %u";
        QVERIFY(help.open());
        QCOMPARE(opener.started,
                 QStringList({"browser", "--new-window", opener.opened[1].toString()}));
        QVERIFY(prompter.messages.empty());
    }

    void saysWhyWhenNothingCanOpenThePages() {
        FakeOpener opener;
        opener.urlOutcome = OpenOutcome::failed(OpenOutcome::NoAssociation);
        testing::ScriptedPrompter prompter;
        HelpPages help(opener, prompter);
        QVERIFY(!help.open());
        QCOMPARE(prompter.messages.size(), size_t(1));
        QVERIFY(prompter.messages[0].starts_with("Unable to open the help pages:"));

        QTemporaryDir empty;
        HelpPages nowhere(opener, prompter, {empty.path()});
        QVERIFY(!nowhere.open());
        QCOMPARE(prompter.messages.size(), size_t(2));
        QVERIFY(prompter.messages[1].starts_with("The help pages could not be found."));
        QCOMPARE(opener.opened.size(), 1);
    }

  private:
    QTemporaryDir home_;
};

SONARA_GUI_TEST(HelpPagesTest)
#include "HelpPagesTest.moc"
