#include "gui/dialogs/settings/PreferencePage.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QRadioButton>

#include "gui/skin/SkinGroupBox.h"
#include "gui/skin/SkinLabel.h"

namespace sonara::gui {

namespace {

constexpr int kGap = 4;
constexpr const char* kLabelProperty = "sonaraRowLabel";

}  // namespace

PreferencePage::PreferencePage(SkinContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {}

void PreferencePage::load(const Preferences& values) {
    for (const auto& [box, field] : checks_) {
        box->setChecked(values.*field != 0);
    }
}

void PreferencePage::store(Preferences& values) const {
    for (const auto& [box, field] : checks_) {
        values.*field = box->isChecked() ? 1 : 0;
    }
}

QVBoxLayout* PreferencePage::addGroup(QBoxLayout* layout, const QString& title) {
    auto* group = new SkinGroupBox(context_, title, this);
    auto* inner = new QVBoxLayout(group);
    inner->setSpacing(kGap);
    group->applyMargins();
    layout->addWidget(group);
    return inner;
}

QCheckBox* PreferencePage::addCheck(QBoxLayout* layout, const QString& text,
                                    int Preferences::*field) {
    auto* box = new QCheckBox(this);
    addRow(layout, box, text);
    if (field != nullptr) {
        checks_.emplace_back(box, field);
    }
    return box;
}

QRadioButton* PreferencePage::addRadio(QBoxLayout* layout, const QString& text) {
    auto* radio = new QRadioButton(this);
    addRow(layout, radio, text);
    return radio;
}

void PreferencePage::addRow(QBoxLayout* layout, QAbstractButton* button, const QString& text) {
    auto* row = new QHBoxLayout;
    row->setSpacing(kGap);
    auto* label = new SkinLabel(context_, text, this);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Rows of several choices never squeeze a label below its text.
    label->setMinimumSize(label->sizeHint());
    button->setAccessibleName(text);
    button->setProperty(kLabelProperty, QVariant::fromValue(static_cast<QObject*>(label)));
    connect(label, &SkinLabel::released, button, [button] {
        if (button->isEnabled()) {
            button->setFocus(Qt::MouseFocusReason);
            button->click();
        }
    });
    row->addWidget(button);
    row->addWidget(label, 1);
    layout->addLayout(row);
}

SkinLabel* PreferencePage::labelOf(const QAbstractButton* button) {
    return qobject_cast<SkinLabel*>(button->property(kLabelProperty).value<QObject*>());
}

void PreferencePage::enableRow(QAbstractButton* button, bool enabled) {
    button->setEnabled(enabled);
    if (SkinLabel* label = labelOf(button)) {
        label->setEnabled(enabled);
    }
}

void PreferencePage::addHeading(QVBoxLayout* layout) {
    layout->addWidget(
        new SkinLabel(context_, tr("These settings only effect the Sonara player. "), this));
}

}  // namespace sonara::gui
