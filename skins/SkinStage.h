#ifndef SKINS_SKINSTAGE_H
#define SKINS_SKINSTAGE_H

#include "player_contract/PlayerContract.h"

#include <string>

// The names by which the skin's logic finds what its artwork places on the
// stage, and the limits both sides are drawn to. The browser tests read the
// same names from the running player.
namespace skins::stage {

// Buttons.
inline constexpr const char* PlayButton = "btnPlay";
inline constexpr const char* PauseButton = "btnPause";   // placed where Play is
inline constexpr const char* PrevButton = "btnPrev";
inline constexpr const char* NextButton = "btnNext";
inline constexpr const char* StopButton = "btnStop";
inline constexpr const char* MuteButton = "btnMute";
inline constexpr const char* LogoButton = "btnLogo";
// Shown while the volume is up, on skins that draw it apart from Mute.
inline constexpr const char* SpeakerClip = "mcSpeaker";

// The spectrum box holds the first bar; the logic copies it into the rest.
inline constexpr const char* SpectrumClip = "mcSpectrum";
inline constexpr int SpectrumBars = publish::contract::SpectrumBars;
inline std::string barClip(int index) { return "mc_sb" + std::to_string(index); }

// Sliders and the part of each that the user drags.
inline constexpr const char* SeekSlider = "mcSeek";
inline constexpr const char* SeekThumb = "mcThumb";
inline constexpr const char* VolumeSlider = "mcVolume";
inline constexpr const char* VolumeKnob = "mcKnob";
// The volume, in percent, with the knob at the slot's end; it starts half
// way along, at 100 %.
inline constexpr int LoudestVolumePercent = 200;

// Variables behind the text fields.
inline constexpr const char* TitleText = "g_Title";
inline constexpr const char* TimeText = "g_Time";
inline constexpr const char* BufferText = "g_Buffer";
inline constexpr const char* LyricText = "lyric";
// What the status field shows before the percentage while a track loads.
inline constexpr const char* BufferingText = "Buffering... ";

} // namespace skins::stage

#endif
