#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "gui/skin/SkinDialog.h"

namespace sonara {
class Dispatcher;
class Prompter;
namespace audio {
class CMMAudioPlayerX;
class MasterVolume;
}  // namespace audio
}  // namespace sonara

namespace sonara::gui {

class SkinCaptionButton;
class SkinSlider;

// "Volume Control": the master level (the system's output, through its own
// MasterVolume made active while open), the player's stream level and its
// balance. Each slider applies at once; "Reset" centres all three; OK
// stores the stream level and balance in the preferences and saves them;
// Cancel puts back the three levels the dialog opened with. Borrows the
// dispatcher, the prompter and the player. User-interface thread only.
class VolumeControlDialog : public SkinDialog {
    Q_OBJECT
  public:
    // `masterMoved` hears every new master level, from the slider or from
    // another program, so the window's own slider can follow.
    VolumeControlDialog(SkinContext& context, Dispatcher& dispatcher, Prompter& prompter,
                        audio::CMMAudioPlayerX& player, std::function<void(int)> masterMoved,
                        QWidget* parent = nullptr);
    ~VolumeControlDialog() override;

    SkinSlider* masterSlider() const { return master_; }
    SkinSlider* pcmSlider() const { return pcm_; }
    SkinSlider* balanceSlider() const { return balance_; }

    // Moves a slider as the user would, applying the level at once.
    void moveSlider(SkinSlider* slider, int value);
    void reset();

  public slots:
    void reject() override;

  protected:
    bool validate() override;
    void skinChanged() override;

  private:
    void applyMaster();
    void applyPcm();
    void applyBalance();
    void masterChangedElsewhere(int level);

    Prompter& prompter_;
    audio::CMMAudioPlayerX& player_;
    std::function<void(int)> masterMoved_;
    std::unique_ptr<audio::MasterVolume> volume_;
    SkinSlider* master_;
    SkinSlider* pcm_;
    SkinSlider* balance_;
    SkinCaptionButton* reset_;
    SkinCaptionButton* ok_;
    SkinCaptionButton* cancel_;
    std::optional<int> openingMaster_;
    int openingPcm_;
    int openingBalance_;
};

}  // namespace sonara::gui
