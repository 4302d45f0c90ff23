// Writes the movies the browser tests need into FOLDER:
//   probe12.swf, probe38.swf  load Player.swf from their own folder and
//                             trace the player's state on every frame;
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

// "state|nCur|nCount|nPlayFrame|frame|frames|g_Time|g_Buffer|bar 3|Play shown|g_Title"
Expr stateLine() {
    Expr player = var("player");
    Expr line = Expr("state");
    for (Expr field : {player["nCur"], player["nCount"], player["nPlayFrame"], player["mcMusic"]["_currentframe"],
                       player["mcMusic"]["_totalframes"], player["g_Time"], player["g_Buffer"],
                       player["mcSpectrum"]["mc_sb3"]["_currentframe"], player["btnPlay"]["_visible"],
                       player["g_Title"]})
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
    return writeSpectrumTrack(folder, argv[2]) ? 0 : 1;
}
