#include "skins/SkinDesign.h"

#include "player_contract/PlayerContract.h"
#include "skins/SkinStage.h"

#include <initializer_list>

namespace skins {

namespace {

using transform::FSColor;

const char* builtInSkinName(int resource) {
    for (const publish::contract::BuiltInSkin& skin : publish::contract::BuiltInSkins)
        if (skin.resource == resource)
            return skin.name;
    return "";
}

SkinDesign base(int resource, int width, int height, float frameRate,
                std::initializer_list<FSColor> colours) {
    SkinDesign design;
    design.resource = resource;
    design.name = builtInSkinName(resource);
    design.width = width;
    design.height = height;
    design.frameRate = frameRate;
    const FSColor* colour = colours.begin();
    design.background = colour[0];
    design.panel = colour[1];
    design.control = colour[2];
    design.symbol = colour[3];
    design.text = colour[4];
    design.accent = colour[5];
    return design;
}

// Dark glass with green highlights: a media-player look.
SkinDesign wmpLike() {
    SkinDesign design = base(208, 300, 60, 12.0f,
                             {FSColor(16, 24, 48), FSColor(28, 44, 84), FSColor(60, 90, 150), FSColor(230, 240, 255), FSColor(200, 220, 255), FSColor(110, 230, 120)});
    design.titleField = {4, 2, 190, 16};
    design.bufferField = {4, 19, 190, 16};
    design.timeField = {198, 19, 98, 16};
    design.spectrum = {198, 2, 98, 16};
    design.barWidth = 8;
    design.barFrames = 20;
    design.prev = {4, 40, 16, 16};
    design.play = {24, 40, 16, 16};
    design.next = {44, 40, 16, 16};
    design.seekSlot = {66, 45, 120, 6};
    design.seekThumbWidth = 8;
    design.mute = {192, 40, 16, 16};
    design.speakerIcon = true;
    design.volumeSlot = {212, 45, 60, 6};
    design.volumeKnobWidth = 6;
    design.logo = {276, 40, 20, 16};
    return design;
}

// Light metal with warm highlights, a lyric line and a fast spectrum.
SkinDesign realLike() {
    SkinDesign design = base(209, 300, 60, 38.0f,
                             {FSColor(60, 64, 72), FSColor(196, 202, 212), FSColor(150, 158, 172), FSColor(30, 34, 44), FSColor(20, 24, 32), FSColor(230, 120, 40)});
    design.titleField = {4, 1, 190, 14};
    design.bufferField = {4, 15, 190, 14};
    design.lyricField = {4, 29, 190, 13};
    design.timeField = {198, 29, 98, 13};
    design.spectrum = {198, 1, 98, 27};
    design.barWidth = 8;
    design.barFrames = 30;
    design.prev = {4, 43, 15, 15};
    design.play = {22, 43, 15, 15};
    design.next = {40, 43, 15, 15};
    design.seekSlot = {60, 48, 128, 5};
    design.seekThumbWidth = 8;
    design.mute = {194, 43, 15, 15};
    design.volumeSlot = {213, 48, 60, 5};
    design.volumeKnobWidth = 6;
    design.logo = {278, 43, 18, 15};
    return design;
}

// One slim bar: four buttons, the title and the time.
SkinDesign simple() {
    SkinDesign design = base(217, 205, 25, 12.0f,
                             {FSColor(255, 255, 255), FSColor(236, 238, 242), FSColor(70, 110, 190), FSColor(255, 255, 255), FSColor(30, 40, 60), FSColor(70, 110, 190)});
    design.prev = {3, 4, 17, 17};
    design.play = {22, 4, 17, 17};
    design.stop = {41, 4, 17, 17};
    design.next = {60, 4, 17, 17};
    // Clear of the panel's border on the right.
    design.titleField = {81, 0, 119, 13};
    design.timeField = {81, 12, 119, 13};
    design.statusField = stage::TimeText;
    design.bufferingText = "Buffering.. ";
    return design;
}

} // namespace

std::vector<SkinDesign> skinDesigns() { return {wmpLike(), realLike(), simple()}; }

} // namespace skins
