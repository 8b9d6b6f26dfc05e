#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "gui/controls/HyperLink.h"
#include "gui/controls/HyperLinkOpener.h"
#include "support/SkinWidgetFixture.h"
#include "support/TestRegistry.h"

using namespace sonara;
using namespace sonara::gui;
using sonara::gui::test::SkinWidgetFixture;

class HyperLinkTest : public QObject {
    Q_OBJECT
  private slots:
    void fallsBackToTheHtmlHandler();
    void failureMessages();
    void handlerCommandLines();
    void desktopEntryLookup();
    void localFileReasons();
    void textTargetAndAlignment();
};

namespace {

class FakeOpener : public DesktopOpener {
  public:
    OpenOutcome urlOutcome = OpenOutcome::failed(OpenOutcome::NoAssociation);
    std::optional<QString> exec;
    OpenOutcome startOutcome = OpenOutcome::opened();
    QStringList started;
    int urlCalls = 0;

    OpenOutcome openUrl(const QUrl&) override {
        ++urlCalls;
        return urlOutcome;
    }
    std::optional<QString> htmlHandlerExec() override { return exec; }
    OpenOutcome startDetached(const QString& program, const QStringList& arguments) override {
        started = QStringList{program} + arguments;
        return startOutcome;
    }
};

class CapturingLink : public HyperLink {
  public:
    using HyperLink::HyperLink;
    QStringList messages;

  protected:
    void showFailureMessage(const QString& message) override { messages << message; }
};

}  // namespace

void HyperLinkTest::fallsBackToTheHtmlHandler() {
    SkinWidgetFixture f;
    FakeOpener opener;
    opener.exec = QStringLiteral("\"/opt/Web Browser/browser\" --new-window %U --extra");
    CapturingLink link(f.context());
    link.setOpener(&opener);
    link.setText("http://example.com/page?a=1&b=2");
    QVERIFY(!link.isVisited());

    QVERIFY(link.open());
    QCOMPARE(opener.urlCalls, 1);
    QCOMPARE(opener.started, (QStringList{"/opt/Web Browser/browser", "--new-window",
                                          "http://example.com/page?a=1&b=2"}));
    QVERIFY(link.isVisited());
    QVERIFY(link.messages.isEmpty());

    // When the desktop opener works the handler is never asked.
    opener.urlOutcome = OpenOutcome::opened();
    opener.started.clear();
    QVERIFY(link.open());
    QVERIFY(opener.started.isEmpty());
}

void HyperLinkTest::failureMessages() {
    SkinWidgetFixture f;
    FakeOpener opener;
    CapturingLink link(f.context());
    link.setOpener(&opener);
    link.setUrl("/nowhere/file.htm");

    // No handler: the desktop opener's reason stands.
    opener.urlOutcome = OpenOutcome::failed(OpenOutcome::FileNotFound);
    QVERIFY(!link.open());
    QCOMPARE(link.messages.value(0),
             QStringLiteral("Unable to open hyperlink:\n\nThe specified file was not found."));
    QVERIFY(!link.isVisited());

    // A handler that cannot start reports its own reason.
    opener.exec = QStringLiteral("browser %u");
    opener.startOutcome = OpenOutcome::failed(OpenOutcome::AccessDenied);
    QVERIFY(!link.open());
    QCOMPARE(link.messages.value(1),
             QStringLiteral("Unable to open hyperlink:\n\nThe operating system denied\naccess to "
                            "the specified file."));

    QCOMPARE(openFailureReason(OpenOutcome::failed(OpenOutcome::NoAssociation)),
             QStringLiteral("There is no application associated\nwith the given filename "
                            "extension."));
    QCOMPARE(openFailureReason(outcomeForErrno(ENOTDIR)),
             QStringLiteral("The specified path was not found."));
    QCOMPARE(openFailureReason(outcomeForErrno(EIO)),
             QStringLiteral("Unknown Error (%1) occurred.").arg(EIO));
}

void HyperLinkTest::handlerCommandLines() {
    const QString target = QStringLiteral("/music/My Report.htm");
    QCOMPARE(handlerCommand("firefox %u", target), (QStringList{"firefox", target}));
    // Cut at the placeholder; other field codes dropped, "%%" kept as "%".
    QCOMPARE(handlerCommand("app --icon %i --rate=50%% %F -x %u", target),
             (QStringList{"app", "--icon", "--rate=50%", target}));
    QCOMPARE(handlerCommand("app \"%u\"", target), (QStringList{"app", target}));
    QCOMPARE(handlerCommand("app --url=%u", target), (QStringList{"app", "--url=" + target}));
    // No placeholder: the target goes at the end.
    QCOMPARE(handlerCommand("env A=1 browser", target),
             (QStringList{"env", "A=1", "browser", target}));
    QCOMPARE(handlerCommand("\"C:\\\\x\\\"y\" %u", target), (QStringList{"C:\\x\"y", target}));
    QVERIFY(!handlerCommand("", target));
    QVERIFY(!handlerCommand("%u", target));
}

void HyperLinkTest::desktopEntryLookup() {
    QTemporaryDir home;
    QTemporaryDir system;
    QVERIFY(QDir(system.path()).mkpath("applications/vendor"));
    QFile entry(system.filePath("applications/vendor/browser.desktop"));
    QVERIFY(entry.open(QIODevice::WriteOnly));
    entry.write(
        "[Desktop Entry]\nName=Browser\nExec=web-browser\\s--private %u\n"
        "[Desktop Action new]\nExec=web-browser --new %u\n");
    entry.close();
    const QStringList dirs{home.path(), system.path()};
    QCOMPARE(desktopEntryExec("vendor-browser.desktop", dirs).value_or(QString()),
             QStringLiteral("web-browser --private %u"));
    QVERIFY(!desktopEntryExec("missing.desktop", dirs));
    QVERIFY(!desktopEntryExec("../vendor/browser.desktop", dirs));
}

void HyperLinkTest::localFileReasons() {
    QTemporaryDir dir;
    SystemDesktopOpener opener;
    QCOMPARE(opener.openUrl(QUrl::fromLocalFile(dir.filePath("missing.htm"))).kind,
             OpenOutcome::FileNotFound);
    QCOMPARE(opener.openUrl(QUrl::fromLocalFile(dir.filePath("no/such/missing.htm"))).kind,
             OpenOutcome::PathNotFound);
    QCOMPARE(opener.startDetached(dir.filePath("no-such-program"), {}).kind,
             OpenOutcome::FileNotFound);
}

void HyperLinkTest::textTargetAndAlignment() {
    SkinWidgetFixture f;
    QWidget parent;
    CapturingLink link(f.context(), &parent);
    link.setUrl("https://example.org/");
    QCOMPARE(link.text(), QStringLiteral("https://example.org/"));
    QCOMPARE(link.toolTip(), QStringLiteral("https://example.org/"));
    link.setText("Home page");
    QCOMPARE(link.url(), QStringLiteral("https://example.org/"));

    link.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    link.setGeometry(10, 20, 300, 40);
    const int right = link.geometry().right();
    const int middle = link.geometry().center().y();
    link.setText("Short");
    QCOMPARE(link.width(), QFontMetrics(link.linkFont()).horizontalAdvance("Short"));
    QCOMPARE(link.geometry().right(), right);
    QVERIFY(qAbs(link.geometry().center().y() - middle) <= 1);
}

SONARA_GUI_TEST(HyperLinkTest)
#include "HyperLinkTest.moc"
