// libFuzzer target: any bytes, as the start of an MP3, give TagLib's ID3v2
// tag and, when its title frame is marked UTF-8, the title's own bytes,
// which are then never UTF-8 (a title that is UTF-8 is TagLib's to read).

#include "audio/MismarkedId3Title.h"
#include "text_formats/TextEncoding.h"

#include <taglib/id3v2framefactory.h>
#include <taglib/mpegfile.h>
#include <taglib/tbytevectorstream.h>

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TagLib::ByteVectorStream stream(TagLib::ByteVector(reinterpret_cast<const char*>(data), static_cast<unsigned>(size)));
    TagLib::MPEG::File file(&stream, TagLib::ID3v2::FrameFactory::instance(), false);
    std::string title = audio::mismarkedId3Title(file);
    if (!title.empty() && publish::isUtf8(title))
        __builtin_trap();
    return 0;
}
