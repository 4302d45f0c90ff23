#include "audio/LyricsLookup.h"

#include "audio/InputTags.h"
#include "file_writing/AtomicFile.h"
#include "input_files/InputFile.h"
#include "text_formats/TimedLyrics.h"

#include <taglib/apetag.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/synchronizedlyricsframe.h>
#include <taglib/tpropertymap.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace fs = std::filesystem;

namespace audio {

namespace {

bool hasTimedLines(const std::string& lrc) { return !publish::parseLrc(lrc).empty(); }

// The lyrics file beside the sound, or the one passed over.
LyricsSearch lyricsFile(const fs::path& sound, LyricsFileIndex& lyricsFiles) {
    std::optional<fs::path> file = lyricsFiles.lyricsFileFor(sound);
    if (!file)
        return {};
    std::string bytes;
    if (std::error_code unread = publish::readInputFile(*file, LargestLyricsFile, bytes))
        return {std::nullopt, file->string(), unread};
    if (!hasTimedLines(bytes))
        return {};
    return {FoundLyrics{bytes, LyricsOrigin::LyricsFile, file->filename().string()}, "", {}};
}

std::string stamp(unsigned milliseconds) {
    char text[32];
    std::snprintf(text, sizeof text, "[%02u:%02u.%03u]", milliseconds / 60000, milliseconds / 1000 % 60,
                  milliseconds % 1000);
    return text;
}

// MPEG frames of Layer III hold 1152 samples (MPEG-1) or 576 (MPEG-2, 2.5).
unsigned framesToMilliseconds(unsigned frames, const TagLib::MPEG::Properties& stream) {
    if (stream.sampleRate() <= 0)
        return 0;
    unsigned samples = stream.version() == TagLib::MPEG::Header::Version1 ? 1152 : 576;
    return static_cast<unsigned>(uint64_t{frames} * samples * 1000 / static_cast<unsigned>(stream.sampleRate()));
}

// ID3v2 knows four: Latin-1, UTF-16 with its mark, UTF-16BE and UTF-8.
// TagLib reads the text of any other as UTF-16, which makes no sense of it.
bool isId3TextEncoding(TagLib::String::Type encoding) {
    return encoding == TagLib::String::Latin1 || encoding == TagLib::String::UTF16 ||
           encoding == TagLib::String::UTF16BE || encoding == TagLib::String::UTF8;
}

std::optional<FoundLyrics> syltLyrics(TagLib::MPEG::File& file) {
    if (!file.hasID3v2Tag())
        return std::nullopt;
    // The stream's rate, read only for lyrics timed in frames: reading it
    // costs more than reading the tags.
    std::unique_ptr<TagLib::MPEG::Properties> stream;
    for (TagLib::ID3v2::Frame* frame : file.ID3v2Tag()->frameListMap()["SYLT"]) {
        auto* lyrics = dynamic_cast<TagLib::ID3v2::SynchronizedLyricsFrame*>(frame);
        if (lyrics == nullptr || !isId3TextEncoding(lyrics->textEncoding()))
            continue;
        bool inFrames = lyrics->timestampFormat() == TagLib::ID3v2::SynchronizedLyricsFrame::AbsoluteMpegFrames;
        if (inFrames && !stream)
            stream = std::make_unique<TagLib::MPEG::Properties>(&file);
        std::string lrc;
        for (const auto& line : lyrics->synchedText()) {
            std::string text = line.text.to8Bit(true);
            // Lines often begin with their line break.
            text.erase(0, text.find_first_not_of("\r\n"));
            text.erase(std::min(text.size(), text.find_first_of("\r\n")));
            lrc += stamp(inFrames ? framesToMilliseconds(line.time, *stream) : line.time) + text + "\n";
        }
        if (hasTimedLines(lrc))
            return FoundLyrics{lrc, LyricsOrigin::SyltFrame, "SYLT"};
    }
    return std::nullopt;
}

std::optional<FoundLyrics> apeLyrics(TagLib::MPEG::File& file) {
    if (!file.hasAPETag())
        return std::nullopt;
    const TagLib::APE::ItemListMap& items = file.APETag()->itemListMap();
    auto item = items.find("LYRICS");
    if (item == items.end())
        return std::nullopt;
    std::string lrc = item->second.toString().to8Bit(true);
    if (!hasTimedLines(lrc))
        return std::nullopt;
    return FoundLyrics{lrc, LyricsOrigin::ApeLyricsItem, "Lyrics"};
}

// Vorbis comments (Ogg, FLAC) and APE tags of other files, through the
// tag's common property names.
std::optional<FoundLyrics> propertyLyrics(TagLib::File& file) {
    TagLib::PropertyMap properties = file.properties();
    for (const char* name : {"LYRICS", "UNSYNCEDLYRICS"}) {
        auto values = properties.find(name);
        if (values == properties.end() || values->second.isEmpty())
            continue;
        std::string lrc = values->second.front().to8Bit(true);
        if (hasTimedLines(lrc))
            return FoundLyrics{lrc, LyricsOrigin::Tag, name};
    }
    return std::nullopt;
}

std::optional<FoundLyrics> tagLyrics(const std::string& path) {
    InputTags tags(path, false);
    if (tags.file() == nullptr)
        return std::nullopt;
    // An MP3's ID3v2 "lyrics" property is USLT, which has no time stamps.
    if (auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(tags.file())) {
        if (auto found = syltLyrics(*mpeg))
            return found;
        return apeLyrics(*mpeg);
    }
    return propertyLyrics(*tags.file());
}

} // namespace

LyricsSearch findLyrics(const std::string& soundFile, LyricsFileIndex& lyricsFiles) {
    LyricsSearch search = lyricsFile(soundFile, lyricsFiles);
    if (!search.found)
        search.found = tagLyrics(soundFile);
    return search;
}

std::string describeSource(const FoundLyrics& lyrics) {
    switch (lyrics.origin) {
    case LyricsOrigin::LyricsFile: return lyrics.name;
    case LyricsOrigin::SyltFrame: return "the ID3v2 SYLT frame";
    case LyricsOrigin::ApeLyricsItem: return "the APE Lyrics item";
    case LyricsOrigin::Tag: break;
    }
    return "the " + lyrics.name + " tag";
}

std::string timedLyricsText(const std::string& soundFile, LyricsFileIndex& lyricsFiles) {
    std::optional<FoundLyrics> lyrics = findLyrics(soundFile, lyricsFiles).found;
    return lyrics ? lyrics->lrc : std::string();
}

std::string lyricsFileBeside(const std::string& soundFile) {
    return fs::path(soundFile).replace_extension(".lrc").string();
}

CarriedLyrics carryLyrics(LyricsSearch found, const std::string& given, const std::string& prepared) {
    CarriedLyrics carried{std::move(found), ""};
    if (!carried.found || prepared == given)
        return carried;
    std::string beside = lyricsFileBeside(prepared);
    if (std::error_code failed = publish::replaceFileAtomically(beside, carried.found->lrc))
        carried.unwritten = beside;
    return carried;
}

} // namespace audio
