#include "skins/SkinMovie.h"

#include "player_contract/PlayerContract.h"
#include "skins/PlayerLogic.h"
#include "skins/SkinStage.h"
#include "transform/transform.h"

#include <utility>
#include <vector>

using namespace transform;

namespace skins {

namespace {

constexpr int FontId = 1;
// The runtime's sans-serif device font: a line of text (ascent and descent)
// is this many times the font's size; its fields keep this many pixels
// between their edges and their text.
constexpr double LineHeightPerFontSize = 1.36;
constexpr int TextGutter = 2;

using Points = std::vector<std::pair<double, double>>;

// Builds the movie's definitions and places them, handing out identifiers
// and depths as it goes.
class SkinBuilder {
public:
    SkinBuilder(const SkinDesign& design, FSMovie& movie) : design(design), movie(movie) {}

    void build();

private:
    int define(FSDefineObject* definition) {
        definition->identifier = nextId++;
        movie.addObject(definition);
        return definition->identifier;
    }
    int rectangle(int width, int height, const FSColor& fill, int outline = 0, const FSColor& line = FSColor()) {
        return define(FSDefineShape::rectangle(0, FSBounds(0, 0, width * TwipsPerPixel, height * TwipsPerPixel),
                                               fill, outline * TwipsPerPixel / 2, line));
    }
    int polygon(const Points& points, const FSColor& fill);
    int textField(const Box& box, const char* variable, const char* initial, FSDefineEditText::Alignment align);
    int sprite(const std::vector<std::pair<int, std::pair<double, double>>>& parts,
               const std::vector<std::pair<int, const char*>>& named = {});
    void place(int character, const Box& box, const char* name = nullptr) {
        movie.addObject(new FSPlaceObject2(character, nextDepth++,
                                           FSMatrix(box.x * TwipsPerPixel, box.y * TwipsPerPixel), name));
    }
    int buttonFace(const Box& box, const Points& icon, const Points& second = {});
    void placeButton(const Box& box, const char* name, const Points& icon, const Points& second = {});
    void placeButtons();
    void placeSpectrum();
    void placeSliders();
    void placeTexts();
    PlayerOptions logicOptions() const;

    const SkinDesign& design;
    FSMovie& movie;
    int nextId = FontId + 1;
    int nextDepth = 1;
};

int SkinBuilder::polygon(const Points& points, const FSColor& fill) {
    auto* shape = new FSDefineShape(0);
    shape->fillStyles.push_back(fill);
    int minX = 0, minY = 0, maxX = 0, maxY = 0;
    int x = static_cast<int>(points[0].first * TwipsPerPixel), y = static_cast<int>(points[0].second * TwipsPerPixel);
    shape->records.push_back(FSShapeRecord::moveTo(x, y, 1));
    minX = maxX = x, minY = maxY = y;
    for (size_t i = 1; i <= points.size(); ++i) {
        const auto& point = points[i % points.size()];
        int nextX = static_cast<int>(point.first * TwipsPerPixel), nextY = static_cast<int>(point.second * TwipsPerPixel);
        shape->records.push_back(FSShapeRecord::lineBy(nextX - x, nextY - y));
        x = nextX, y = nextY;
        minX = std::min(minX, x), maxX = std::max(maxX, x), minY = std::min(minY, y), maxY = std::max(maxY, y);
    }
    shape->bounds = FSBounds(minX, minY, maxX, maxY);
    return define(shape);
}

int SkinBuilder::textField(const Box& box, const char* variable, const char* initial,
                           FSDefineEditText::Alignment align) {
    auto* text = new FSDefineEditText(0);
    // The runtime sets text in from the field's edges by a gutter; the
    // field reaches out by as much, so that the text fills the box itself
    // and is cut (a long title) at the box, not inside it.
    int gutter = TextGutter * TwipsPerPixel;
    text->bounds = FSBounds(-gutter, -gutter, box.width * TwipsPerPixel + gutter, box.height * TwipsPerPixel + gutter);
    text->font = FontId;
    // Whole glyphs, descenders included, in the box's height.
    text->fontHeight = static_cast<int>(box.height * TwipsPerPixel / LineHeightPerFontSize);
    text->hasColor = true;
    text->color = design.text;
    text->hasLayout = true;
    text->alignment = align;
    text->variable = variable;
    text->initialText = initial;
    return define(text);
}

// A clip of shapes and named clips at offsets (pixels) in its own space.
int SkinBuilder::sprite(const std::vector<std::pair<int, std::pair<double, double>>>& parts,
                        const std::vector<std::pair<int, const char*>>& named) {
    auto* clip = new FSDefineSprite(0);
    int depth = 1;
    for (const auto& [character, offset] : parts)
        clip->add(new FSPlaceObject2(character, depth++,
                                     FSMatrix(static_cast<int>(offset.first * TwipsPerPixel),
                                              static_cast<int>(offset.second * TwipsPerPixel))));
    for (const auto& [character, name] : named)
        clip->add(new FSPlaceObject2(character, depth++, FSMatrix(), name));
    clip->add(new FSShowFrame());
    return define(clip);
}

int SkinBuilder::buttonFace(const Box& box, const Points& icon, const Points& second) {
    std::vector<std::pair<int, std::pair<double, double>>> parts = {
        {rectangle(box.width, box.height, design.control, 1, design.accent), {0, 0}},
        {polygon(icon, design.symbol), {0, 0}}};
    if (!second.empty())
        parts.push_back({polygon(second, design.symbol), {0, 0}});
    return sprite(parts);
}

// Icons are drawn in fractions of their button's size.
Points scaled(const Box& box, const Points& fractions) {
    Points points;
    for (const auto& [x, y] : fractions)
        points.push_back({x * box.width, y * box.height});
    return points;
}

void SkinBuilder::placeButton(const Box& box, const char* name, const Points& icon, const Points& second) {
    place(buttonFace(box, scaled(box, icon), second.empty() ? Points() : scaled(box, second)), box, name);
}

void SkinBuilder::placeButtons() {
    placeButton(design.play, stage::PlayButton, {{0.35, 0.25}, {0.75, 0.5}, {0.35, 0.75}});
    placeButton(design.play, stage::PauseButton, {{0.3, 0.25}, {0.45, 0.25}, {0.45, 0.75}, {0.3, 0.75}},
                {{0.55, 0.25}, {0.7, 0.25}, {0.7, 0.75}, {0.55, 0.75}});
    placeButton(design.prev, stage::PrevButton, {{0.7, 0.25}, {0.35, 0.5}, {0.7, 0.75}},
                {{0.25, 0.25}, {0.35, 0.25}, {0.35, 0.75}, {0.25, 0.75}});
    placeButton(design.next, stage::NextButton, {{0.3, 0.25}, {0.65, 0.5}, {0.3, 0.75}},
                {{0.65, 0.25}, {0.75, 0.25}, {0.75, 0.75}, {0.65, 0.75}});
    if (design.stop.present())
        placeButton(design.stop, stage::StopButton, {{0.3, 0.3}, {0.7, 0.3}, {0.7, 0.7}, {0.3, 0.7}});
    if (design.mute.present()) {
        const Box& mute = design.mute;
        Points speaker = scaled(mute, {{0.25, 0.4}, {0.45, 0.4}, {0.7, 0.2}, {0.7, 0.8}, {0.45, 0.6}, {0.25, 0.6}});
        if (design.speakerIcon) {
            place(sprite({{rectangle(mute.width, mute.height, design.control, 1, design.accent), {0, 0}}}), mute,
                  stage::MuteButton);
            place(sprite({{polygon(speaker, design.symbol), {0, 0}}}), mute, stage::SpeakerClip);
        } else {
            place(buttonFace(mute, speaker), mute, stage::MuteButton);
        }
    }
    if (design.logo.present()) {
        const Box& logo = design.logo;
        int face = rectangle(logo.width, logo.height, design.accent, 1, design.symbol);
        int mark = textField({0, 0, logo.width, logo.height}, "", "tm", FSDefineEditText::Center);
        place(sprite({{face, {0, 0}}}, {{mark, "txtMark"}}), logo, stage::LogoButton);
    }
}

// The box holds the first bar; the logic copies it into the others.
void SkinBuilder::placeSpectrum() {
    const Box& box = design.spectrum;
    int inner = box.height - 2;
    int barShape = rectangle(design.barWidth, inner, design.accent);
    auto* bar = new FSDefineSprite(0);
    for (int frame = 1; frame <= design.barFrames; ++frame) {
        double scale = static_cast<double>(frame) / design.barFrames;
        FSMatrix matrix(0, static_cast<int>((1 - scale) * inner * TwipsPerPixel), 1.0, scale);
        if (frame == 1) {
            FSActionList stop;
            stop.append(new FSAction(FSAction::Stop));
            bar->add(new FSPlaceObject2(barShape, 1, matrix));
            bar->add(new FSDoAction(stop));
        } else {
            bar->add(FSPlaceObject2::moveTo(1, matrix));
        }
        bar->add(new FSShowFrame());
    }
    int barClip = define(bar);
    auto* spectrumBox = new FSDefineSprite(0);
    spectrumBox->add(new FSPlaceObject2(rectangle(box.width, box.height, design.background, 1, design.control), 1,
                                        FSMatrix()));
    spectrumBox->add(new FSPlaceObject2(barClip, 2, FSMatrix(2 * TwipsPerPixel, 1 * TwipsPerPixel),
                                        stage::barClip(0).c_str()));
    spectrumBox->add(new FSShowFrame());
    place(define(spectrumBox), box, stage::SpectrumClip);
}

void SkinBuilder::placeSliders() {
    auto slider = [this](const Box& slot, int knobWidth, const char* name, const char* knobName, double start) {
        int groove = rectangle(slot.width, slot.height, design.background, 1, design.control);
        int knob = sprite({{rectangle(knobWidth, slot.height + 6, design.accent, 1, design.symbol), {0, -3}}});
        auto* clip = new FSDefineSprite(0);
        clip->add(new FSPlaceObject2(groove, 1, FSMatrix()));
        clip->add(new FSPlaceObject2(knob, 2, FSMatrix(static_cast<int>(start * TwipsPerPixel), 0), knobName));
        clip->add(new FSShowFrame());
        place(define(clip), slot, name);
    };
    slider(design.seekSlot, design.seekThumbWidth, stage::SeekSlider, stage::SeekThumb, 0);
    slider(design.volumeSlot, design.volumeKnobWidth, stage::VolumeSlider, stage::VolumeKnob,
           (design.volumeSlot.width - design.volumeKnobWidth) * 100.0 / stage::LoudestVolumePercent);
}

void SkinBuilder::placeTexts() {
    place(textField(design.titleField, stage::TitleText, "", FSDefineEditText::Left), design.titleField, "txtTitle");
    if (design.bufferField.present())
        place(textField(design.bufferField, stage::BufferText, "", FSDefineEditText::Left), design.bufferField, "txtBuffer");
    place(textField(design.timeField, stage::TimeText, "", FSDefineEditText::Right), design.timeField, "txtTime");
    if (design.lyricField.present())
        place(textField(design.lyricField, stage::LyricText, "", FSDefineEditText::Left), design.lyricField, "txtLyric");
}

PlayerOptions SkinBuilder::logicOptions() const {
    PlayerOptions options;
    options.barFrames = design.barFrames;
    options.barSpacing = design.barWidth + 1;
    options.lyric = design.lyricField.present();
    options.stopButton = design.stop.present();
    options.speakerIcon = design.speakerIcon;
    options.sliders = design.seekSlot.present();
    options.statusField = design.statusField;
    options.bufferingText = design.bufferingText;
    options.seekSlotWidth = design.seekSlot.width;
    options.seekThumbWidth = design.seekThumbWidth;
    options.volumeSlotWidth = design.volumeSlot.width;
    options.volumeKnobWidth = design.volumeKnobWidth;
    options.vendorSite = publish::contract::VendorSite;
    return options;
}

void SkinBuilder::build() {
    movie.addObject(new FSSetBackgroundColor(design.background));
    movie.addObject(new FSDefineFont2(FontId, "_sans"));
    place(rectangle(design.width - 2, design.height - 2, design.panel, 1, design.control), {1, 1, 0, 0});
    placeTexts();
    placeButtons();
    if (design.spectrum.present())
        placeSpectrum();
    if (design.seekSlot.present())
        placeSliders();
    movie.addObject(new FSDoAction(playerLogic(logicOptions())));
    movie.addObject(new FSShowFrame());
}

} // namespace

std::unique_ptr<FSMovie> buildSkinMovie(const SkinDesign& design) {
    auto movie = std::make_unique<FSMovie>(FSBounds(0, 0, design.width * TwipsPerPixel, design.height * TwipsPerPixel),
                                           design.frameRate, 7);
    movie->setCompressed(true);
    SkinBuilder(design, *movie).build();
    return movie;
}

} // namespace skins
