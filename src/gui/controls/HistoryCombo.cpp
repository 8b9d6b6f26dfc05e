#include "gui/controls/HistoryCombo.h"

#include <QAbstractItemView>
#include <QPalette>
#include <algorithm>

#include "core/settings/PreferenceStore.h"
#include "gui/skin/SkinEvents.h"
#include "gui/skin/SkinRecord.h"

namespace sonara::gui {

HistoryCombo::HistoryCombo(SkinContext context, QWidget* parent)
    : QComboBox(parent), context_(context) {
    setEditable(true);
    // The owner decides when a text becomes history (addCurrentText), not
    // the Return key.
    setInsertPolicy(QComboBox::NoInsert);
    setDuplicatesEnabled(false);
    applySkinColours();
}

void HistoryCombo::setMaximum(int maximum) {
    maximum_ = std::max(1, maximum);
    trimToMaximum();
}

void HistoryCombo::load(bool selectFirst) {
    clear();
    const std::vector<std::string> stored =
        context_.prefs.history(section_.toStdString(), maximum_);
    for (const std::string& entry : stored) {
        addItem(QString::fromStdString(entry));
    }
    setCurrentIndex(selectFirst && count() > 0 ? 0 : -1);
}

void HistoryCombo::addCurrentText() {
    // Trimmed, as the preference file keeps no blanks around a value: " abba"
    // and "abba" are one entry.
    const QString text = currentText().trimmed();
    if (text.isEmpty()) {
        return;
    }
    for (int index = count() - 1; index >= 0; --index) {
        if (itemText(index) == text) {
            removeItem(index);
        }
    }
    insertItem(0, text);
    trimToMaximum();
    setCurrentIndex(0);
}

Status HistoryCombo::save() const {
    std::vector<std::string> stored;
    for (const QString& entry : entries()) {
        stored.push_back(entry.toStdString());
    }
    return context_.prefs.setHistory(section_.toStdString(), stored, maximum_);
}

QStringList HistoryCombo::entries() const {
    QStringList list;
    for (int index = 0; index < count(); ++index) {
        list.append(itemText(index));
    }
    return list;
}

bool HistoryCombo::event(QEvent* event) {
    if (event->type() == SkinChangedEvent::eventType()) {
        applySkinColours();
        return true;
    }
    return QComboBox::event(event);
}

void HistoryCombo::applySkinColours() {
    const skin::FontInfo& info = context_.skin.fontInfo();
    QPalette palette = view()->palette();
    const QColor text = toQColor(info.listText);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::WindowText, text);
    palette.setBrush(QPalette::Base, context_.skin.listBrush());
    palette.setBrush(QPalette::Window, context_.skin.listBrush());
    view()->setPalette(palette);
}

void HistoryCombo::trimToMaximum() {
    while (count() > maximum_) {
        removeItem(count() - 1);
    }
}

}  // namespace sonara::gui
