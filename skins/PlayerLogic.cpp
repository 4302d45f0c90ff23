#include "skins/PlayerLogic.h"

#include "player_contract/PlayerContract.h"
#include "skins/ActionScript.h"
#include "skins/SkinStage.h"

#include <string>

namespace skins {

namespace {

namespace contract = publish::contract;

const Expr mcMusic = var("mcMusic");
const Expr nCur = var("nCur");
const Expr nCount = var("nCount");
const Expr nPlayFrame = var("nPlayFrame");

void show(Block& code, const char* clip, bool visible) { code.setMember(var(clip), "_visible", boolean(visible)); }

void defineState(Block& code) {
    code.assign("nCur", 0);
    code.assign("nCount", 0);
    for (const char* flag : {"bAutoStart", "bAutoNext", "bLoopList", "bShuffleList"})
        code.assign(flag, boolean(true));
    code.assign("nPlayFrame", 0);
    code.assign("nDelay", 0);
    code.assign("asFile", newObject("Array", {100}));
    code.assign("mcMusic", var("this").call("createEmptyMovieClip", {"objMusic", 100}));
    for (const char* field : {stage::TitleText, stage::TimeText, stage::BufferText, stage::LyricText})
        code.assign(field, "");
}

// Starts the loaded track, or resumes it at the paused frame.
void definePlayback(Block& code, const PlayerOptions& options) {
    code.define("PlayMusic", {}, [](Block& f) {
        f.ifThen(!(nCount > 0), [](Block& empty) { empty.returnNothing(); });
        show(f, stage::PauseButton, true);
        show(f, stage::PlayButton, false);
        f.ifThen(nPlayFrame > 0, [](Block& resume) { resume.evaluate(mcMusic.call("gotoAndPlay", {nPlayFrame})); },
                 [](Block& load) { load.evaluate(callFunction("LoadFile", {var("asFile")[nCur]})); });
    });
    code.define("PauseMusic", {}, [](Block& f) {
        show(f, stage::PlayButton, true);
        show(f, stage::PauseButton, false);
        f.assign("nPlayFrame", mcMusic["_currentframe"]);
        f.evaluate(mcMusic.call("stop"));
    });
    if (options.stopButton) {
        code.define("StopMusic", {}, [](Block& f) {
            show(f, stage::PlayButton, true);
            show(f, stage::PauseButton, false);
            f.assign("nPlayFrame", -1);
            f.evaluate(mcMusic.call("stop"));
        });
    }
    code.define("PlayNext", {}, [](Block& f) {
        f.ifThen(nCur < nCount - 1, [](Block& step) { step.assign("nCur", nCur + 1); },
                 [](Block& last) {
                     last.ifThen(var("bLoopList"), [](Block& wrap) { wrap.assign("nCur", 0); },
                                 [](Block& stay) { stay.returnNothing(); });
                 });
        f.assign("nPlayFrame", 0);
        f.evaluate(callFunction("PlayMusic"));
    });
    code.define("PlayPrev", {}, [](Block& f) {
        f.ifThen(!(nCur == 0), [](Block& step) { step.assign("nCur", nCur - 1); },
                 [](Block& first) {
                     first.ifThen(var("bLoopList"), [](Block& wrap) { wrap.assign("nCur", nCount - 1); });
                 });
        f.assign("nPlayFrame", 0);
        f.evaluate(callFunction("PlayMusic"));
    });
    code.define("PlayIt", {}, [](Block& f) {
        f.assign("nPlayFrame", 0);
        f.evaluate(callFunction("PlayMusic"));
    });
}

void defineSliders(Block& code, const PlayerOptions& options) {
    double volumeRange = options.volumeSlotWidth - options.volumeKnobWidth;
    code.define("SetMusicVol", {"x"}, [volumeRange](Block& f) {
        f.assign("sndGlobal", newObject("Sound"));
        f.evaluate(var("sndGlobal").call("setVolume", {toInteger(var("x") / volumeRange * stage::LoudestVolumePercent + 0.5)}));
    });
    double seekRange = options.seekSlotWidth - options.seekThumbWidth;
    code.define("SetMusicPos", {"x"}, [seekRange](Block& f) {
        f.local("ratio", var("x") / seekRange);
        f.evaluate(callFunction("PauseMusic"));
        f.assign("nPlayFrame", toInteger(mcMusic["_totalframes"] * var("ratio")));
        f.evaluate(callFunction("PlayMusic"));
    });
}

// The position display, in true seconds of the track movie.
void defineProcess(Block& code, const PlayerOptions& options) {
    double rate = contract::TrackFrameRate;
    double thumbTravel = options.seekSlotWidth - 1.5 * options.seekThumbWidth;
    bool sliders = options.sliders;
    bool lyric = options.lyric;
    code.define("Process", {}, [=](Block& f) {
        f.local("total", toInteger(mcMusic["_totalframes"] / rate));
        f.local("elapsed", toInteger(mcMusic["_currentframe"] / rate));
        auto clock = [](const char* seconds) {
            return toInteger(var(seconds) / 60) + ":" + (var(seconds) - toInteger(var(seconds) / 60) * 60);
        };
        f.assign(stage::TimeText, clock("elapsed") + " / " + clock("total"));
        if (sliders) {
            f.ifThen(!var("bSeeking"), [=](Block& move) {
                move.setMember(var(stage::SeekSlider)[stage::SeekThumb], "_x",
                               mcMusic["_currentframe"] * thumbTravel / mcMusic["_totalframes"]);
            });
        }
        if (lyric) {
            f.ifThen(!(mcMusic[contract::LyricVariable] == undefinedValue()),
                     [](Block& show) { show.assign(stage::LyricText, mcMusic[contract::LyricVariable]); });
        }
    });
}

void updateSpectrum(Block& f) {
    for (int i = 0; i < stage::SpectrumBars; ++i) {
        std::string bar = stage::barClip(i), value = contract::BarVariablePrefix + std::to_string(i);
        f.local("v", toInteger(mcMusic[value.c_str()] / contract::BarScale));
        f.ifThen(var("v") > contract::BarCap, [](Block& cap) { cap.local("v", contract::BarCap); });
        f.evaluate(var(stage::SpectrumClip)[bar.c_str()].call("gotoAndStop", {var("v")}));
    }
}

// LoadFile's per-frame step: buffering, the end of a track, the displays.
void defineTick(Block& code, const PlayerOptions& options) {
    std::string status = options.statusField;
    std::string buffering = options.bufferingText;
    code.define("MusicFrame", {}, [=](Block& f) {
        f.local("total", mcMusic.call("getBytesTotal"));
        f.ifThen(!(var("total") > 0), [](Block& wait) { wait.returnNothing(); });
        f.local("percent", toInteger(mcMusic.call("getBytesLoaded") * 100 / var("total")));
        f.ifThen(var("percent") > var("nDelay"), [](Block& climb) {
            climb.local("percent", var("nDelay"));
            climb.assign("nDelay", var("nDelay") + 10);
        });
        f.ifThen(var("percent") < 100, [=](Block& wait) {
            wait.assign(status.c_str(), Expr(buffering) + var("percent") + "%");
            wait.returnNothing();
        });
        f.assign(status.c_str(), mcMusic[contract::TitleVariable]);
        // A finished track stays on its last frame unless another follows.
        f.ifThen(mcMusic["_currentframe"] == mcMusic["_totalframes"], [](Block& ended) {
            ended.evaluate(mcMusic.call("stop"));
            ended.ifThen(var("bAutoNext"), [](Block& next) {
                next.ifThen(var("bShuffleList"),
                            [](Block& shuffle) {
                                shuffle.assign("nCur", randomBelow(nCount));
                                shuffle.evaluate(callFunction("PlayIt"));
                            },
                            [](Block& order) { order.evaluate(callFunction("PlayNext")); });
            });
        });
        if (options.barFrames > 0) {
            show(f, stage::SpectrumClip, true);
            updateSpectrum(f);
        }
        if (options.stopButton)
            f.ifThen(nPlayFrame == -1, [](Block& blank) { blank.assign(stage::TimeText, ""); },
                     [](Block& shown) { shown.evaluate(callFunction("Process")); });
        else
            f.evaluate(callFunction("Process"));
    });
    bool lyric = options.lyric;
    code.define("LoadFile", {"file"}, [lyric](Block& f) {
        // A track without lyrics must not show the previous track's last line.
        if (lyric)
            f.assign(stage::LyricText, "");
        f.local("url", var("_root")["_url"]);
        f.local("cut", var("url").call("lastIndexOf", {"\\"}));
        f.ifThen(var("cut") < 0, [](Block& slash) { slash.local("cut", var("url").call("lastIndexOf", {"/"})); });
        f.evaluate(mcMusic.call("loadMovie", {var("url").call("substr", {0, var("cut") + 1}) + var("file")}));
        f.assign("nPlayFrame", 0);
        f.assign("nDelay", 0);
        f.setMember(var("this"), "onEnterFrame", var("MusicFrame"));
    });
}

Expr handler(const char* functionName) {
    std::string name = functionName;
    return function({}, [name](Block& f) { f.evaluate(callFunction(name.c_str())); });
}

// A slider's knob drags along its slot and applies its position when let go.
void wireSlider(Block& code, const char* slot, const char* knob, double travel, const char* apply,
                const char* draggingFlag) {
    Expr clip = var(slot)[knob];
    code.setMember(clip, "onPress", function({}, [=](Block& f) {
                       if (*draggingFlag)
                           f.assign(draggingFlag, boolean(true));
                       f.evaluate(var("this").call("startDrag", {boolean(false), 0, var("this")["_y"], travel,
                                                                 var("this")["_y"]}));
                   }));
    Expr release = function({}, [=](Block& f) {
        f.evaluate(var("this").call("stopDrag"));
        if (*draggingFlag)
            f.assign(draggingFlag, boolean(false));
        f.evaluate(callFunction(apply, {var("this")["_x"]}));
    });
    code.setMember(clip, "onRelease", release);
    code.setMember(clip, "onReleaseOutside", release);
}

void wireControls(Block& code, const PlayerOptions& options) {
    code.setMember(var(stage::PlayButton), "onRelease", handler("PlayMusic"));
    code.setMember(var(stage::PauseButton), "onRelease", handler("PauseMusic"));
    code.setMember(var(stage::PrevButton), "onRelease", handler("PlayPrev"));
    code.setMember(var(stage::NextButton), "onRelease", handler("PlayNext"));
    if (options.stopButton)
        code.setMember(var(stage::StopButton), "onRelease", handler("StopMusic"));
    if (!options.sliders)
        return;
    wireSlider(code, stage::VolumeSlider, stage::VolumeKnob, options.volumeSlotWidth - options.volumeKnobWidth, "SetMusicVol", "");
    wireSlider(code, stage::SeekSlider, stage::SeekThumb, options.seekSlotWidth - options.seekThumbWidth, "SetMusicPos",
               "bSeeking");
    code.assign("bSeeking", boolean(false));
    bool speaker = options.speakerIcon;
    code.setMember(var(stage::MuteButton), "onRelease", function({}, [speaker](Block& f) {
                       Expr knob = var(stage::VolumeSlider)[stage::VolumeKnob];
                       f.ifThen(knob["_x"] == 0, [=](Block& unmute) { unmute.setMember(knob, "_x", var("nMuteX")); },
                                [=](Block& mute) {
                                    mute.assign("nMuteX", knob["_x"]);
                                    mute.setMember(knob, "_x", 0);
                                });
                       if (speaker)
                           f.setMember(var(stage::SpeakerClip), "_visible", !(knob["_x"] == 0));
                       f.evaluate(callFunction("SetMusicVol", {knob["_x"]}));
                   }));
    std::string site = options.vendorSite;
    code.setMember(var(stage::LogoButton), "onRelease", function({}, [site](Block& f) {
                       f.append(new transform::FSGetUrl(site.c_str(), ""));
                   }));
}

void layOutBars(Block& code, const PlayerOptions& options) {
    Expr box = var(stage::SpectrumClip);
    Expr first = box[stage::barClip(0)];
    for (int i = 1; i < stage::SpectrumBars; ++i) {
        std::string name = stage::barClip(i);
        code.evaluate(first.call("duplicateMovieClip", {name.c_str(), i}));
        code.setMember(box[name.c_str()], "_x", first["_x"] + i * options.barSpacing);
    }
    show(code, stage::SpectrumClip, false);
}

// The playlist document: its title, options and track files. A document
// without items leaves the player with nothing to play.
void loadPlaylist(Block& code) {
    code.assign("xmlList", newObject("XML"));
    code.setMember(var("xmlList"), "ignoreWhite", boolean(true));
    code.setMember(var("xmlList"), "onLoad", function({"success"}, [](Block& f) {
                       f.local("root", var("this")["firstChild"]);
                       Expr attributes = var("root")["attributes"];
                       f.assign(stage::TitleText, attributes[contract::TitleAttribute]);
                       f.assign("bAutoStart", toInteger(attributes[contract::AutoStartAttribute]));
                       f.assign("bAutoNext", toInteger(attributes[contract::AutoNextAttribute]));
                       f.assign("bLoopList", toInteger(attributes[contract::LoopAttribute]));
                       f.assign("bShuffleList", toInteger(attributes[contract::ShuffleAttribute]));
                       f.assign("nCount", 0);
                       f.local("node", var("root")["firstChild"]);
                       f.whileLoop(!(var("node") == nullValue()), [](Block& item) {
                           item.setMember(var("asFile"), nCount, var("node")["firstChild"]["firstChild"]["nodeValue"]);
                           item.assign("nCount", nCount + 1);
                           item.local("node", var("node")["nextSibling"]);
                       });
                       f.ifThen(var("bAutoStart"), [](Block& start) { start.evaluate(callFunction("PlayMusic")); });
                   }));
    code.evaluate(var("xmlList").call("load", {contract::MusicListFileName}));
}

} // namespace

transform::FSActionList playerLogic(const PlayerOptions& options) {
    Block code;
    defineState(code);
    definePlayback(code, options);
    defineSliders(code, options);
    defineProcess(code, options);
    defineTick(code, options);
    wireControls(code, options);
    show(code, stage::PauseButton, false);
    if (options.barFrames > 0)
        layOutBars(code, options);
    loadPlaylist(code);
    code.action(transform::FSAction::Stop);
    return code.compile();
}

} // namespace skins
