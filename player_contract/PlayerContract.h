#ifndef PLAYER_CONTRACT_PLAYERCONTRACT_H
#define PLAYER_CONTRACT_PLAYERCONTRACT_H

// What the track movies, the analyser's data file, the playlist document and
// the player skins agree on. Each side includes this header rather than
// repeating a number, so that none can drift from the others.

#include <cstddef>

namespace publish::contract {

// Track movies play at this rate, and the analyser writes one line per frame.
inline constexpr int TrackFrameRate = 38;
// The SWF frame count field is 16 bits wide.
inline constexpr int LongestTrackFrames = 65535;

// Bars of the spectrum display, carried by each frame as "s0" … "s9".
inline constexpr int SpectrumBars = 10;
// The data file's reader passes over its first line and one extra line
// every this many frames.
inline constexpr int FramesPerExtraLine = 77;
// Analyser values from 1 to BarValueLimit - 1 are taken; others keep the
// previous frame's bar.
inline constexpr int BarValueLimit = 50;
// A track stores its bars at this scale; the players undo it.
inline constexpr double BarScale = 0.5;
// The tallest bar the players show (and the analyser writes).
inline constexpr int BarCap = 30;

// The longest title, in bytes, that a track movie carries: its action
// records have 16-bit lengths. Longer titles are shortened.
inline constexpr size_t LongestTitleBytes = 60000;

// The track movie's variables.
inline constexpr const char* TitleVariable = "music";
inline constexpr const char* LengthVariable = "time";
inline constexpr const char* BarVariablePrefix = "s";
// Set in each frame where a line of timed lyrics begins; absent from tracks
// without lyrics. The Real-like skin shows it.
inline constexpr const char* LyricVariable = "LRC";

// The playlist document the players load, and its names.
inline constexpr const char* MusicListFileName = "music_list.xml";
inline constexpr const char* MusicListRoot = "data";
inline constexpr const char* MusicListItem = "item";
inline constexpr const char* MusicListFile = "file";
inline constexpr const char* TitleAttribute = "title";
inline constexpr const char* AutoStartAttribute = "autostart";
inline constexpr const char* AutoNextAttribute = "autonext";
inline constexpr const char* LoopAttribute = "looplist";
inline constexpr const char* ShuffleAttribute = "shufflelist";

// The output folder's player movie and page.
inline constexpr const char* PlayerMovieFileName = "Player.swf";
inline constexpr const char* PlayerPageFileName = "Player.htm";
inline constexpr int PlayerPageResource = 216; // of type "HTM"
// The player's area in that page, whichever skin it shows.
inline constexpr int PlayerPageWidth = 300;
inline constexpr int PlayerPageHeight = 60;

// The vendor's web site: behind the skins' logo button and the wizard's link.
inline constexpr const char* VendorSite = "https://tunemill.example.org/";

// The built-in skins, of resource type "SWF", in the order the player page
// lists them: the name it shows, the file it unpacks the movie to inside
// its "players" folder, and the name the command line takes.
struct BuiltInSkin {
    int resource;
    const char* name;
    const char* fileName;
    const char* commandName;
};
inline constexpr BuiltInSkin BuiltInSkins[] = {
    {209, "Real-like Player", "2.swf", "real-like"},
    {208, "WMP-like  Player", "1.swf", "wmp-like"},
    {217, "simple player", "3.swf", "simple"},
};

} // namespace publish::contract

#endif
