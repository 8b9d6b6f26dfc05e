#pragma once

#include <string>
#include <vector>

#include "gui/dialogs/settings/PreferencePage.h"

class QComboBox;

namespace sonara::gui {

class BufferSizeField;

// "Playback": the output device and the mixer buffer's size (64..800 K).
// `devices` are the output devices' names in index order; the one numbered
// `currentDevice` is selected.
class PlaybackPage final : public PreferencePage {
    Q_OBJECT
  public:
    PlaybackPage(SkinContext& context, const std::vector<std::string>& devices, int currentDevice,
                 QWidget* parent);

    void load(const Preferences& values) override;
    Status validate() const override;
    void store(Preferences& values) const override;
    QWidget* invalidField() const override;

    QComboBox* deviceBox() const { return devices_; }
    BufferSizeField* bufferField() const { return buffer_; }

  private:
    QComboBox* devices_;
    BufferSizeField* buffer_;
};

}  // namespace sonara::gui
