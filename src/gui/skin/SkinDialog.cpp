#include "gui/skin/SkinDialog.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

#include "core/settings/PreferenceStore.h"
#include "core/skin/SkinFiles.h"
#include "gui/skin/SkinEvents.h"
#include "gui/skin/SkinPainting.h"
#include "gui/skin/SkinRecord.h"

namespace sonara::gui {

namespace {

constexpr int kEffectTickMs = 1;
constexpr const char* kColouredProperty = "sonaraSkinColoured";

// The edit treatment: text in the list colour on the list brush.
void giveListColours(QWidget* widget, const SkinRecord& skin) {
    QPalette palette = widget->palette();
    const QColor text = toQColor(skin.fontInfo().listText);
    const QBrush& brush = skin.listBrush();
    palette.setBrush(QPalette::Base, brush);
    palette.setBrush(QPalette::Window, brush);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
    widget->setProperty(kColouredProperty, true);
}

// Text drawn straight onto the skin background (labels, check boxes, radio
// buttons) takes the skin's static-text colours, as the system's black is
// unreadable on dark skins.
void giveStaticTextColours(QWidget* widget, const SkinRecord& skin) {
    QPalette palette = widget->palette();
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText}) {
        palette.setColor(QPalette::Active, role, toQColor(skin.fontInfo().staticEnabled));
        palette.setColor(QPalette::Inactive, role, toQColor(skin.fontInfo().staticEnabled));
        palette.setColor(QPalette::Disabled, role, toQColor(skin.fontInfo().staticDisabled));
    }
    widget->setPalette(palette);
    widget->setProperty(kColouredProperty, true);
}

void restoreColours(QWidget* widget) {
    if (widget->property(kColouredProperty).toBool()) {
        widget->setPalette(QPalette());
        widget->setAutoFillBackground(false);
        widget->setProperty(kColouredProperty, false);
    }
}

bool isEdit(QWidget* widget) {
    return qobject_cast<QLineEdit*>(widget) != nullptr ||
           qobject_cast<QTextEdit*>(widget) != nullptr ||
           qobject_cast<QPlainTextEdit*>(widget) != nullptr ||
           qobject_cast<QAbstractSpinBox*>(widget) != nullptr;
}

// Skinned controls draw themselves from the skin and are left alone, parts
// inside them (headers, viewports, editors) included.
bool isSkinned(const QWidget* widget) {
    return QString::fromLatin1(widget->metaObject()->className()).startsWith("sonara::gui::Skin");
}

bool insideSkinned(const QWidget* widget, const QWidget* dialog) {
    if (isSkinned(widget)) {
        return true;
    }
    for (const QWidget* at = widget; at != nullptr && at != dialog; at = at->parentWidget()) {
        // A skinned group box only frames its children; they are the dialog's.
        const bool container = qobject_cast<const QGroupBox*>(at) != nullptr;
        if ((isSkinned(at) && !container) || at->isWindow()) {
            return true;
        }
    }
    return false;
}

}  // namespace

SkinDialog::SkinDialog(SkinContext& context, QWidget* parent, bool noEffects)
    : QDialog(parent),
      context_(context),
      backgroundIndex_(skin::kDialogBackground),
      effects_(!noEffects && context.prefs.values().dlgEffects != 0) {
    growTimer_.setInterval(kEffectTickMs);
    shrinkTimer_.setInterval(kEffectTickMs);
    connect(&growTimer_, &QTimer::timeout, this, &SkinDialog::growStep);
    connect(&shrinkTimer_, &QTimer::timeout, this, &SkinDialog::shrinkStep);
}

SkinDialog::~SkinDialog() = default;

void SkinDialog::setBackgroundIndex(int index) {
    backgroundIndex_ = index;
    applyControlColours();
    update();
}

void SkinDialog::setPlayerBackgroundRect(std::optional<QRect> area) {
    playerBackground_ = area;
    update();
}

void SkinDialog::setButtonsOpaque(bool opaque) {
    buttonsOpaque_ = opaque;
    applyControlColours();
}

void SkinDialog::setStaticsInListColours(bool on) {
    staticsInListColours_ = on;
    applyControlColours();
}

void SkinDialog::setListsInListColours(bool on) {
    listsInListColours_ = on;
    applyControlColours();
}

void SkinDialog::applyControlColours() {
    const SkinRecord& skin = context_.skin;
    const bool skinned = !skin.bitmapPresent(backgroundIndex_).isNull();
    for (QWidget* child : findChildren<QWidget*>()) {
        if (insideSkinned(child, this)) {
            continue;
        }
        restoreColours(child);
        if (!skinned) {
            continue;
        }
        if (isEdit(child)) {
            giveListColours(child, skin);
        } else if (auto* view = qobject_cast<QAbstractItemView*>(child)) {
            if (listsInListColours_) {
                giveListColours(view, skin);
                view->viewport()->setProperty(kColouredProperty, true);
            }
        } else if (qobject_cast<QAbstractButton*>(child) != nullptr) {
            if (buttonsOpaque_) {
                child->setAutoFillBackground(true);
                child->setProperty(kColouredProperty, true);
            } else if (qobject_cast<QPushButton*>(child) == nullptr) {
                giveStaticTextColours(child, skin);
            }
        } else if (qobject_cast<QLabel*>(child) != nullptr) {
            if (staticsInListColours_) {
                giveListColours(child, skin);
                child->setAutoFillBackground(true);
            } else if (buttonsOpaque_) {
                child->setAutoFillBackground(true);
                child->setProperty(kColouredProperty, true);
            } else {
                giveStaticTextColours(child, skin);
            }
        }
        // Sliders and everything else keep the system colours.
    }
}

void SkinDialog::accept() {
    if (isShrinking() || !validate()) {
        return;
    }
    if (effects_ && isVisible()) {
        startShrink(Accepted);
        return;
    }
    QDialog::accept();
}

void SkinDialog::reject() {
    if (isShrinking()) {
        return;
    }
    if (effects_ && isVisible()) {
        startShrink(Rejected);
        return;
    }
    QDialog::reject();
}

bool SkinDialog::event(QEvent* event) {
    if (event->type() == SkinChangedEvent::eventType()) {
        applyControlColours();
        skinChanged();
        update();
        return true;
    }
    return QDialog::event(event);
}

void SkinDialog::paintEvent(QPaintEvent* /*event*/) {
    const SkinRecord& skin = context_.skin;
    const QImage& background = skin.bitmapPresent(backgroundIndex_);
    if (background.isNull()) {
        return;  // the system background stays
    }
    QPainter painter(this);
    const bool tiled = backgroundIndex_ == skin::kTile ? skin.fontInfo().tileMainWindow
                                                       : skin.fontInfo().tileDialogs;
    if (tiled) {
        tile(painter, background, rect());
    } else {
        stretch(painter, background, rect());
    }
    if (playerBackground_ && skin.hasBitmap(skin::kPlayerBackground)) {
        stretch(painter, skin.bitmap(skin::kPlayerBackground), *playerBackground_);
    }
}

void SkinDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shownOnce_) {
        return;
    }
    shownOnce_ = true;
    applyControlColours();
    if (!effects_) {
        return;
    }
    // QDialog has placed the window centred by now.
    fullRect_ = geometry();
    freeLayoutSize(true);
    setCentredSize(QSize(2, 2));
    steps_ = QSize(2, 2);
    growTimer_.start();
}

void SkinDialog::stepAnimation() {
    if (growTimer_.isActive()) {
        growStep();
    } else if (shrinkTimer_.isActive()) {
        shrinkStep();
    }
}

void SkinDialog::growStep() {
    const QSize current = geometry().size();
    const bool stepsLeft = steps_.width() != 0 && steps_.height() != 0;
    if (stepsLeft && fullRect_.width() >= current.width() + steps_.width()) {
        // A step on each side, never beyond the full size.
        setCentredSize(QSize(qMin(current.width() + 2 * steps_.width(), fullRect_.width()),
                             qMin(current.height() + 2 * steps_.height(), fullRect_.height())));
        steps_ *= 2;
        return;
    }
    growTimer_.stop();
    setGeometry(fullRect_);
    freeLayoutSize(false);
    update();
}

void SkinDialog::startShrink(int result) {
    growTimer_.stop();
    if (fullRect_.isNull()) {
        fullRect_ = geometry();
    }
    if (steps_.isEmpty()) {
        steps_ = QSize(2, 2);
    }
    closeResult_ = result;
    freeLayoutSize(true);
    setCentredSize(fullRect_.size() * 2 / 3);
    shrinkTimer_.start();
}

void SkinDialog::shrinkStep() {
    const QSize current = geometry().size();
    if (current.width() < fullRect_.width() && steps_.width() != 0 && steps_.height() != 0) {
        steps_ = QSize(steps_.width() / 2, steps_.height() / 2);
        setCentredSize(QSize(qMax(1, current.width() - steps_.width() / 2),
                             qMax(1, current.height() - steps_.height() / 2)));
        return;
    }
    shrinkTimer_.stop();
    QDialog::done(closeResult_);
    // Shown again later, the dialog opens at its full size.
    freeLayoutSize(false);
    setGeometry(fullRect_);
    shownOnce_ = false;
}

void SkinDialog::setCentredSize(QSize size) {
    QRect area(QPoint(), size);
    area.moveCenter(fullRect_.center());
    setGeometry(area);
}

// A layout keeps its window at least at its minimum size, which the
// animation must pass below; the constraint returns once it is done.
void SkinDialog::freeLayoutSize(bool freed) {
    QLayout* box = layout();
    if (freed) {
        if (savedConstraint_ < 0) {
            savedMinimum_ = minimumSize();
            savedConstraint_ = box != nullptr ? int(box->sizeConstraint()) : 0;
            if (box != nullptr) {
                box->setSizeConstraint(QLayout::SetNoConstraint);
            }
            setMinimumSize(0, 0);
        }
        return;
    }
    if (savedConstraint_ >= 0) {
        if (box != nullptr) {
            box->setSizeConstraint(QLayout::SizeConstraint(savedConstraint_));
        }
        setMinimumSize(savedMinimum_);
        savedConstraint_ = -1;
    }
}

}  // namespace sonara::gui
