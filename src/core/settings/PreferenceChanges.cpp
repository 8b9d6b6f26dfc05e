#include "core/settings/PreferenceChanges.h"

#include "core/io/Text.h"

namespace sonara {

namespace {

bool visualisationsDiffer(const Preferences& a, const Preferences& b) {
    return a.visualSmallSpectrum != b.visualSmallSpectrum ||
           a.visualLargeSpectrum != b.visualLargeSpectrum ||
           a.visualShortLevels != b.visualShortLevels || a.visualTallLevels != b.visualTallLevels ||
           a.visPriority != b.visPriority;
}

bool onTopDiffers(const Preferences& a, const Preferences& b) {
    return a.barOnTop != b.barOnTop || a.playlistOnTop != b.playlistOnTop ||
           a.playerOnTop != b.playerOnTop || a.normalOnTop != b.normalOnTop;
}

bool filteringDiffers(const Preferences& a, const Preferences& b) {
    return a.useTagInfoDBAdd != b.useTagInfoDBAdd || a.replaceUnderscore != b.replaceUnderscore ||
           a.replaceParens != b.replaceParens || a.replaceBrackets != b.replaceBrackets ||
           a.firstLetterCaps != b.firstLetterCaps;
}

}  // namespace

std::vector<PreferenceEffect> preferenceEffects(const Preferences& before,
                                                const Preferences& after) {
    std::vector<PreferenceEffect> effects;
    if (!text::equalsNoCase(before.randomGenre, after.randomGenre)) {
        effects.push_back(PreferenceEffect::RandomGenre);
    }
    if (before.playerBufferSizeK != after.playerBufferSizeK) {
        effects.push_back(PreferenceEffect::BufferSize);
    }
    if (before.waveoutDeviceId != after.waveoutDeviceId) {
        effects.push_back(PreferenceEffect::OutputDevice);
    }
    if (visualisationsDiffer(before, after)) {
        effects.push_back(PreferenceEffect::Visualisations);
    }
    if (onTopDiffers(before, after)) {
        effects.push_back(PreferenceEffect::AlwaysOnTop);
    }
    if (filteringDiffers(before, after)) {
        effects.push_back(PreferenceEffect::Titles);
    }
    effects.push_back(PreferenceEffect::Associations);
    if (before.useAsDefaultPlayer != after.useAsDefaultPlayer) {
        effects.push_back(PreferenceEffect::PlayerChoice);
    }
    return effects;
}

}  // namespace sonara
