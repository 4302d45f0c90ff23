#ifndef SKINS_PLAYERLOGIC_H
#define SKINS_PLAYERLOGIC_H

#include "skins/SkinStage.h"
#include "transform/FSActionList.h"

namespace skins {

// What differs between the skins' otherwise shared playlist logic.
struct PlayerOptions {
    int barFrames = 0;              // frames of a spectrum bar; 0: no spectrum box
    double barSpacing = 0;          // pixels from one bar to the next
    bool lyric = false;             // shows a track's LRC in `lyric`
    bool stopButton = false;        // StopMusic, and g_Time blanked after Stop
    bool speakerIcon = false;       // the mute button hides and shows mcSpeaker
    bool sliders = true;            // volume and seek sliders
    const char* statusField = stage::BufferText;        // buffering text, then the title
    const char* bufferingText = stage::BufferingText;
    double seekSlotWidth = 0, seekThumbWidth = 0;
    double volumeSlotWidth = 0, volumeKnobWidth = 0;
    const char* vendorSite = "";
};

// The actions of the player's first frame: state, functions, button
// handlers, and the playlist's loading.
transform::FSActionList playerLogic(const PlayerOptions& options);

} // namespace skins

#endif
