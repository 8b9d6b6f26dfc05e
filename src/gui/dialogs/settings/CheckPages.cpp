#include "gui/dialogs/settings/CheckPages.h"

#include <QBoxLayout>
#include <QComboBox>

#include "gui/skin/SkinLabel.h"

namespace sonara::gui {

namespace {

constexpr int kGap = 4;

QVBoxLayout* pageLayout(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(kGap);
    return layout;
}

}  // namespace

GeneralPage::GeneralPage(SkinContext& context, QWidget* parent) : PreferencePage(context, parent) {
    QVBoxLayout* layout = pageLayout(this);
    QVBoxLayout* general = addGroup(layout, tr("General"));
    addCheck(general, tr("Show Tool Tips"), &Preferences::showTips);
    addCheck(general, tr("Use Dialog Effects"), &Preferences::dlgEffects);
    addCheck(general, tr("Scroll title in Windows Toolbar"), &Preferences::scrollToolBarTitle);
    QVBoxLayout* onTop = addGroup(layout, tr("Always on Top"));
    addCheck(onTop, tr("Bar View"), &Preferences::barOnTop);
    addCheck(onTop, tr("Playlist View"), &Preferences::playlistOnTop);
    addCheck(onTop, tr("Player View"), &Preferences::playerOnTop);
    addCheck(onTop, tr("Normal/Full View"), &Preferences::normalOnTop);
    layout->addStretch(1);
}

LibraryPage::LibraryPage(SkinContext& context, QWidget* parent) : PreferencePage(context, parent) {
    QVBoxLayout* layout = pageLayout(this);
    QVBoxLayout* adding = addGroup(layout, tr("When Adding to Library"));
    addCheck(adding, tr("Always Name Added Folders"), &Preferences::promptForCollectionName);
    QVBoxLayout* availability = addGroup(layout, tr("File Availability"));
    addCheck(availability, tr("Show Available Files Only"), &Preferences::showAvailSongsOnly);
    addCheck(availability, tr("Check Availability on Startup"), &Preferences::checkAvailStartup);
    addCheck(availability, tr("Check Removable Media Only"), &Preferences::checkRemovableMediaOnly);
    QVBoxLayout* filtering = addGroup(layout, tr("Filename Filtering"));
    addCheck(filtering, tr("Use MP3 Tag Info"), &Preferences::useTagInfoDBAdd);
    addCheck(filtering, tr("Replace _ with a space"), &Preferences::replaceUnderscore);
    addCheck(filtering, tr("Remove ( and )"), &Preferences::replaceParens);
    addCheck(filtering, tr("Remove [ and ]"), &Preferences::replaceBrackets);
    firstLetterCaps_ = addCheck(filtering, tr("Capitalize First Letter of Every Word"),
                                &Preferences::firstLetterCaps);
    layout->addStretch(1);
}

VisualizationPage::VisualizationPage(SkinContext& context, QWidget* parent)
    : PreferencePage(context, parent) {
    QVBoxLayout* layout = pageLayout(this);
    addHeading(layout);
    QVBoxLayout* shown = addGroup(layout, tr("Show Visualizations"));
    addCheck(shown, tr("Small Spectrum"), &Preferences::visualSmallSpectrum);
    addCheck(shown, tr("Large Spectrum"), &Preferences::visualLargeSpectrum);
    addCheck(shown, tr("Short Levels Meters"), &Preferences::visualShortLevels);
    addCheck(shown, tr("Tall Level Meters"), &Preferences::visualTallLevels);
    QVBoxLayout* updating = addGroup(layout, tr("Visualization Updating"));
    auto* row = new QHBoxLayout;
    row->setSpacing(kGap);
    auto* label = new SkinLabel(context, tr("Priority"), this);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    priority_ = new QComboBox(this);
    priority_->addItems({tr("Idle"), tr("Lowest"), tr("Lower"), tr("Normal"), tr("Higher"),
                         tr("Highest"), tr("Time Critical - Default")});
    priority_->setAccessibleName(tr("Priority"));
    row->addWidget(label);
    row->addWidget(priority_, 1);
    updating->addLayout(row);
    layout->addStretch(1);
}

void VisualizationPage::load(const Preferences& values) {
    PreferencePage::load(values);
    // A stored value outside the list selects nothing and is kept.
    priority_->setCurrentIndex(values.visPriority >= 0 && values.visPriority < priority_->count()
                                   ? values.visPriority
                                   : -1);
}

void VisualizationPage::store(Preferences& values) const {
    PreferencePage::store(values);
    if (priority_->currentIndex() >= 0) {
        values.visPriority = priority_->currentIndex();
    }
}

}  // namespace sonara::gui
