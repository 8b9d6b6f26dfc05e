#include <QtTest>

#include "core/settings/IniFile.h"
#include "gui/controls/HistoryCombo.h"
#include "support/SkinWidgetFixture.h"
#include "support/TestRegistry.h"

using namespace sonara;
using sonara::gui::HistoryCombo;
using sonara::gui::test::SkinWidgetFixture;

class HistoryComboTest : public QObject {
    Q_OBJECT
  private slots:
    void keepsTheTenNewestDistinctEntriesNewestFirst();
    void blankTextIsIgnored();
    void saveClearsStaleKeysAndLoadReadsBack();
};

namespace {

void enter(HistoryCombo& combo, const QString& text) {
    combo.setEditText(text);
    combo.addCurrentText();
}

}  // namespace

void HistoryComboTest::keepsTheTenNewestDistinctEntriesNewestFirst() {
    SkinWidgetFixture f;
    HistoryCombo combo(f.context());
    for (int i = 1; i <= 12; ++i) {
        enter(combo, QString("term %1").arg(i));
    }
    QStringList expected;
    for (int i = 12; i >= 3; --i) {
        expected << QString("term %1").arg(i);
    }
    QCOMPARE(combo.entries(), expected);

    // An old entry entered again moves to the top instead of doubling.
    enter(combo, "term 5");
    expected.removeAll("term 5");
    expected.prepend("term 5");
    QCOMPARE(combo.entries(), expected);
    QCOMPARE(combo.currentIndex(), 0);
    QCOMPARE(combo.currentText(), QStringLiteral("term 5"));
}

void HistoryComboTest::blankTextIsIgnored() {
    SkinWidgetFixture f;
    HistoryCombo combo(f.context());
    enter(combo, "abba");
    enter(combo, "   ");
    enter(combo, "");
    enter(combo, " abba ");
    QCOMPARE(combo.entries(), QStringList{"abba"});
}

void HistoryComboTest::saveClearsStaleKeysAndLoadReadsBack() {
    SkinWidgetFixture f;
    HistoryCombo combo(f.context());
    combo.setSection("SearchHistory");
    for (const char* text : {"a", "b", "c", "d"}) {
        enter(combo, text);
    }
    QVERIFY(combo.save().ok());

    // Fewer entries afterwards: the old third and fourth must not return.
    combo.clear();
    enter(combo, "x");
    enter(combo, "y");
    QVERIFY(combo.save().ok());
    IniFile file;
    QVERIFY(file.load(f.prefs().iniPath()).ok());
    QCOMPARE(file.get("SearchHistory", "#0").value_or(""), std::string("y"));
    for (const char* key : {"#2", "#3"}) {
        QCOMPARE(file.get("SearchHistory", key).value_or(""), std::string());
    }

    HistoryCombo other(f.context());
    other.setSection("SearchHistory");
    other.load(true);
    QCOMPARE(other.entries(), (QStringList{"y", "x"}));
    QCOMPARE(other.currentText(), QStringLiteral("y"));
    other.load(false);
    QCOMPARE(other.currentText(), QString());

    // The main window's store reads the same section.
    QCOMPARE(f.prefs().searchHistory().size(), size_t(2));
}

SONARA_GUI_TEST(HistoryComboTest)
#include "HistoryComboTest.moc"
