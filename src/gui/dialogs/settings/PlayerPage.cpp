#include "gui/dialogs/settings/PlayerPage.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QRadioButton>

#include "core/app/StringTable.h"
#include "core/skin/SkinFiles.h"
#include "gui/skin/SkinCaptionButton.h"
#include "gui/skin/SkinLabel.h"

namespace sonara::gui {

namespace {

constexpr int kGap = 4;
// Rows under a radio button start below its label.
constexpr int kIndent = 22;

QButtonGroup* group(QObject* owner, std::initializer_list<QAbstractButton*> buttons) {
    auto* exclusive = new QButtonGroup(owner);
    int id = 0;
    for (QAbstractButton* button : buttons) {
        exclusive->addButton(button, id++);
    }
    return exclusive;
}

QHBoxLayout* indented(QVBoxLayout* layout) {
    auto* row = new QHBoxLayout;
    row->setSpacing(kGap);
    row->addSpacing(kIndent);
    layout->addLayout(row);
    return row;
}

void check(QButtonGroup* buttons, int id) {
    if (QAbstractButton* button = buttons->button(id)) {
        button->setChecked(true);
    }
}

}  // namespace

PlayerPage::PlayerPage(SkinContext& context, std::optional<OutsidePlayerInfo> player,
                       GenrePicking pickGenres, QWidget* parent)
    : PreferencePage(context, parent),
      player_(std::move(player)),
      pickGenres_(std::move(pickGenres)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(kGap);

    QVBoxLayout* integration = addGroup(layout, tr("Player Integration"));
    own_ = addRadio(integration, tr("Use the Sonara player"));
    auto* ownRows = new QVBoxLayout;
    ownRows->setSpacing(kGap);
    indented(integration)->addLayout(ownRows);
    addToLibrary_ = addCheck(ownRows, tr("Add files to Library"), &Preferences::addToLibrary);
    auto* playListRow = new QHBoxLayout;
    playListRow->setSpacing(kGap * 3);
    addToPlayList_ =
        addCheck(playListRow, tr("Add files to Playlist"), &Preferences::addToPlayList);
    playNow_ = addRadio(playListRow, tr("Play Immediately"));
    enqueue_ = addRadio(playListRow, tr("Enqueue"));
    ownRows->addLayout(playListRow);
    associate_ = addCheck(ownRows, tr("Associate .MP3 files with Sonara"), nullptr);
    other_ = addRadio(integration, QString());
    auto* otherRow = new QHBoxLayout;
    otherRow->setSpacing(kGap * 3);
    indented(integration)->addLayout(otherRow);
    otherOpen_ = addRadio(otherRow, tr("Open"));
    otherPlay_ = addRadio(otherRow, tr("Play Immediately"));
    otherEnqueue_ = addRadio(otherRow, tr("Enqueue"));

    QVBoxLayout* scrolling = addGroup(layout, tr("Scroll MP3 Title"));
    auto* scrollRow = new QHBoxLayout;
    scrollRow->setSpacing(kGap * 3);
    QRadioButton* automatic = addRadio(scrollRow, tr("Automatic"));
    QRadioButton* always = addRadio(scrollRow, tr("Always"));
    QRadioButton* never = addRadio(scrollRow, tr("Never"));
    scrolling->addLayout(scrollRow);

    QVBoxLayout* playList = addGroup(layout, tr("Playlist"));
    auto* randomRow = new QHBoxLayout;
    randomAdd_ =
        addCheck(randomRow, tr("Random Add to Playlist (By Genre)"), &Preferences::randomAdd);
    auto* genre = new SkinCaptionButton(context, this);
    genre->setText(tr("Genre..."));
    genre->setSkin(skin::kLargeButton, std::nullopt, skin::kRowGenre);
    genre_ = genre;
    randomRow->addWidget(genre_);
    playList->addLayout(randomRow);
    removePlayed_ =
        addCheck(playList, tr("Remove Song After Played"), &Preferences::removePlayedSong);
    layout->addStretch(1);

    integration_ = group(this, {own_, other_});
    ownAction_ = group(this, {playNow_, enqueue_});
    otherAction_ = group(this, {otherOpen_, otherPlay_, otherEnqueue_});
    scroll_ = group(this, {automatic, always, never});

    connect(integration_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) {
            playerChosen();
        }
    });
    connect(randomAdd_, &QCheckBox::toggled, this, &PlayerPage::updateEnabling);
    connect(genre_, &QPushButton::clicked, this, &PlayerPage::chooseGenres);
}

void PlayerPage::load(const Preferences& values) {
    PreferencePage::load(values);
    const bool ownPlayer = values.useAsDefaultPlayer != 0;
    // The other player's name: the one Sonara took over from while Sonara
    // plays, the desktop's default otherwise.
    const std::string none = stringText(TextId::NoPlayerAvailable);
    const std::string name =
        !player_ ? none : (ownPlayer ? player_->savedName : player_->currentName);
    if (SkinLabel* label = labelOf(other_)) {
        label->setText(QString::fromStdString(formatText(TextId::OtherPlayerChoice, name)));
        label->setMinimumSize(label->sizeHint());
    }
    other_->setAccessibleName(otherPlayerText());
    associate_->setChecked(player_ ? player_->mp3Associated : values.associateMp3 != 0);
    check(ownAction_, values.snEnqueueAction != 0 ? 1 : 0);
    check(otherAction_,
          offeredPlayerAction(values.playerAction, player_.value_or(OutsidePlayerInfo{})));
    check(scroll_, values.scrollTitle);
    randomGenre_ = values.randomGenre;
    {
        const QSignalBlocker quiet(integration_);
        (ownPlayer ? own_ : other_)->setChecked(true);
    }
    updateEnabling();
}

void PlayerPage::store(Preferences& values) const {
    PreferencePage::store(values);
    values.useAsDefaultPlayer = own_->isChecked() ? 1 : 0;
    values.associateMp3 = associate_->isChecked() ? 1 : 0;
    values.snEnqueueAction = enqueue_->isChecked() ? 1 : 0;
    if (otherAction_->checkedId() >= 0) {
        values.playerAction = otherAction_->checkedId();
    }
    if (scroll_->checkedId() >= 0) {
        values.scrollTitle = scroll_->checkedId();
    }
    values.randomGenre = randomGenre_;
}

QString PlayerPage::otherPlayerText() const {
    const SkinLabel* label = labelOf(other_);
    return label != nullptr ? label->text() : QString();
}

void PlayerPage::playerChosen() {
    if (other_->isChecked()) {
        associate_->setChecked(false);
    }
    updateEnabling();
}

void PlayerPage::updateEnabling() {
    const PlayerPageEnabling enabling = playerPageEnabling(
        own_->isChecked(), randomAdd_->isChecked(), player_.value_or(OutsidePlayerInfo{}));
    for (QAbstractButton* button :
         std::initializer_list<QAbstractButton*>{addToLibrary_, addToPlayList_, playNow_, enqueue_,
                                                 associate_, randomAdd_, removePlayed_}) {
        enableRow(button, enabling.ownPlayerControls);
    }
    for (QAbstractButton* button : scroll_->buttons()) {
        enableRow(button, enabling.ownPlayerControls);
    }
    enableRow(other_, enabling.otherPlayerRadio);
    enableRow(otherOpen_, enabling.otherOpen);
    enableRow(otherPlay_, enabling.otherPlay);
    enableRow(otherEnqueue_, enabling.otherEnqueue);
    genre_->setEnabled(enabling.genreButton);
}

void PlayerPage::chooseGenres() {
    if (!pickGenres_) {
        return;
    }
    if (std::optional<std::string> chosen = pickGenres_(randomGenre_)) {
        randomGenre_ = std::move(*chosen);
    }
}

}  // namespace sonara::gui
