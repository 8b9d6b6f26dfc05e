#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/settings/PreferencePageRules.h"
#include "gui/dialogs/settings/PreferencePage.h"

class QButtonGroup;
class QPushButton;

namespace sonara::gui {

// "Player/Playlist": Sonara's own player or the user's, what opened files
// do, the title scrolling and the play list's random add. The enabling
// follows the player choice and "Random Add"; "Genre..." edits the random
// genres through `pickGenres` (flags text in, the new one out, nothing on
// Cancel).
class PlayerPage final : public PreferencePage {
    Q_OBJECT
  public:
    using GenrePicking = std::function<std::optional<std::string>(const std::string& flags)>;

    // `player` is none where the desktop is left alone: no other player, and
    // "Associate .MP3 files with Sonara" shows the stored value.
    PlayerPage(SkinContext& context, std::optional<OutsidePlayerInfo> player,
               GenrePicking pickGenres, QWidget* parent);

    void load(const Preferences& values) override;
    void store(Preferences& values) const override;

    QRadioButton* ownPlayerRadio() const { return own_; }
    QRadioButton* otherPlayerRadio() const { return other_; }
    QCheckBox* associateBox() const { return associate_; }
    QCheckBox* randomAddBox() const { return randomAdd_; }
    QPushButton* genreButton() const { return genre_; }
    QString otherPlayerText() const;
    const std::string& randomGenre() const { return randomGenre_; }

  private:
    void playerChosen();
    void updateEnabling();
    void chooseGenres();

    std::optional<OutsidePlayerInfo> player_;
    GenrePicking pickGenres_;
    std::string randomGenre_;
    QRadioButton* own_;
    QRadioButton* other_;
    QCheckBox* addToLibrary_;
    QCheckBox* addToPlayList_;
    QRadioButton* playNow_;
    QRadioButton* enqueue_;
    QCheckBox* associate_;
    QRadioButton* otherOpen_;
    QRadioButton* otherPlay_;
    QRadioButton* otherEnqueue_;
    QButtonGroup* integration_;
    QButtonGroup* ownAction_;
    QButtonGroup* otherAction_;
    QButtonGroup* scroll_;
    QCheckBox* randomAdd_;
    QPushButton* genre_;
    QCheckBox* removePlayed_;
};

}  // namespace sonara::gui
