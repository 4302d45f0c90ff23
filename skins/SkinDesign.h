#ifndef SKINS_SKINDESIGN_H
#define SKINS_SKINDESIGN_H

#include "skins/SkinStage.h"
#include "transform/FSColor.h"

#include <vector>

namespace skins {

// A rectangle on the stage, in pixels from the top left.
struct Box {
    int x = 0, y = 0, width = 0, height = 0;
    bool present() const { return width > 0; }
    int centreX() const { return x + width / 2; }
    int centreY() const { return y + height / 2; }
};

// Everything that makes one skin look like itself. The positions are fixed
// and documented here because the browser tests click them.
struct SkinDesign {
    int resource = 0;
    const char* name = "";
    int width = 0, height = 0;
    float frameRate = 12;
    transform::FSColor background, panel, control, symbol, text, accent;
    Box play, prev, next, stop, mute, logo;   // Pause sits where Play is
    Box spectrum;
    int barWidth = 0, barFrames = 0;
    Box volumeSlot;
    int volumeKnobWidth = 0;
    Box seekSlot;
    int seekThumbWidth = 0;
    Box titleField, timeField, bufferField, lyricField;
    bool speakerIcon = false;
    const char* statusField = stage::BufferText;
    const char* bufferingText = stage::BufferingText;
};

// The built-in skins 208, 209 and 217, named as the player page lists them.
std::vector<SkinDesign> skinDesigns();

} // namespace skins

#endif
