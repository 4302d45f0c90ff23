// Writes the movies the browser tests need into FOLDER:
//   probe12.swf, probe38.swf  load Player.swf from their own folder and
//                             trace the player's state on every frame;
//   probeText.swf             loads Player.swf and traces, on every frame,
//                             the runtime's measure of each text field and
//                             the rectangles of the other elements;
//   spectrum.swf              a track movie of TRACK.mp3 whose bar 3 holds
//                             12.5 on every frame.
// usage: browser_fixtures FOLDER TRACK.mp3

#include "publish/TrackMovieBuilder.h"
#include "skins/ActionScript.h"
#include "transform/transform.h"

#include <cstdio>
#include <fstream>
#include <string>

using namespace skins;

namespace {

// "state|nCur|nCount|nPlayFrame|frame|frames|g_Time|g_Buffer|bar 3|Play shown|g_Title|lyric"
Expr stateLine() {
    Expr player = var("player");
    Expr line = Expr("state");
    for (Expr field : {player["nCur"], player["nCount"], player["nPlayFrame"], player["mcMusic"]["_currentframe"],
                       player["mcMusic"]["_totalframes"], player["g_Time"], player["g_Buffer"],
                       player["mcSpectrum"]["mc_sb3"]["_currentframe"], player["btnPlay"]["_visible"],
                       player["g_Title"], player["lyric"]})
        line = line + "|" + field;
    return line;
}

void writeProbe(const std::string& path, float frameRate) {
    transform::FSMovie movie(transform::FSBounds(0, 0, 6000, 1200), frameRate);
    Block code;
    code.evaluate(var("this").call("createEmptyMovieClip", {"player", 1}));
    code.evaluate(var("player").call("loadMovie", {"Player.swf"}));
    code.setMember(var("this"), "onEnterFrame", function({}, [](Block& f) {
                       Expr line = stateLine();
                       line.emitTo(f);
                       f.action(transform::FSAction::Trace);
                   }));
    code.action(transform::FSAction::Stop);
    movie.addObject(new transform::FSSetBackgroundColor(transform::FSColor(255, 255, 255)));
    movie.addObject(new transform::FSDoAction(code.compile()));
    movie.addObject(new transform::FSShowFrame());
    movie.encodeToFile(path.c_str());
}

// "box|name|xMin|yMin|xMax|yMax|textWidth|textHeight|text|x|y|width|height"
// in stage pixels: clips give their bounds, text fields (which have no
// getBounds) their position and size, and only they the text's measures.
Expr boxLine(const Expr& clip, const char* name) {
    Expr bounds = var("b");
    Expr line = Expr("box|") + name;
    for (Expr field : {bounds["xMin"], bounds["yMin"], bounds["xMax"], bounds["yMax"], clip["textWidth"],
                       clip["textHeight"], clip["text"], clip["_x"], clip["_y"], clip["_width"], clip["_height"]})
        line = line + "|" + field;
    return line;
}

void writeTextProbe(const std::string& path) {
    transform::FSMovie movie(transform::FSBounds(0, 0, 6000, 1200), 12.0f);
    Block code;
    code.evaluate(var("this").call("createEmptyMovieClip", {"player", 1}));
    code.evaluate(var("player").call("loadMovie", {"Player.swf"}));
    code.setMember(var("this"), "onEnterFrame", function({}, [](Block& f) {
                       Expr player = var("player");
                       for (const char* name : {"txtTitle", "txtBuffer", "txtTime", "txtLyric", "mcSpectrum", "btnPlay",
                                                "btnPrev", "btnNext", "btnStop", "btnMute", "btnLogo", "mcSeek",
                                                "mcVolume"}) {
                           f.ifThen(!(player[name] == undefinedValue()), [&](Block& traced) {
                               traced.local("b", player[name].call("getBounds", {player}));
                               boxLine(player[name], name).emitTo(traced);
                               traced.action(transform::FSAction::Trace);
                           });
                       }
                       f.ifThen(!(player["btnLogo"] == undefinedValue()), [&](Block& traced) {
                           Expr mark = player["btnLogo"]["txtMark"];
                           traced.local("b", mark.call("getBounds", {player}));
                           boxLine(mark, "txtMark").emitTo(traced);
                           traced.action(transform::FSAction::Trace);
                       });
                   }));
    code.action(transform::FSAction::Stop);
    movie.addObject(new transform::FSSetBackgroundColor(transform::FSColor(255, 255, 255)));
    movie.addObject(new transform::FSDoAction(code.compile()));
    movie.addObject(new transform::FSShowFrame());
    movie.encodeToFile(path.c_str());
}

bool writeSpectrumTrack(const std::string& folder, const std::string& mp3) {
    std::string data = folder + "/spectrum.log";
    {
        std::ofstream log(data);
        for (int frame = 0; frame < 4000; ++frame)
            log << frame << ":0;0;0;25;0;0;0;0;0;0;\n";
    }
    return publish::buildTrackMovie(mp3, "Bars", folder + "/spectrum.swf", data).outcome ==
           publish::TrackOutcome::Published;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: browser_fixtures FOLDER TRACK.mp3\n");
        return 2;
    }
    std::string folder = argv[1];
    writeProbe(folder + "/probe12.swf", 12.0f);
    writeProbe(folder + "/probe38.swf", 38.0f);
    writeTextProbe(folder + "/probeText.swf");
    return writeSpectrumTrack(folder, argv[2]) ? 0 : 1;
}
