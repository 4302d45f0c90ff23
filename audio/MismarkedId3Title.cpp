#include "audio/MismarkedId3Title.h"

#include "text_formats/TextEncoding.h"

#include <taglib/id3v2framefactory.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/textidentificationframe.h>
#include <taglib/unknownframe.h>

#include <algorithm>

namespace audio {

namespace {

constexpr const char* TitleFrameId = "TIT2";

// FrameFactory::updateFrame takes a Frame::Header, which TagLib declares in
// Frame's protected part: a class nested in a subclass of Frame may name it.
struct FrameHeaderAccess : TagLib::ID3v2::Frame {
    // Turns title frames into UnknownFrames, which keep the frame's fields
    // as the file holds them (less unsynchronisation and compression).
    class TitleFieldsFactory : public TagLib::ID3v2::FrameFactory {
    protected:
        bool updateFrame(Frame::Header* header) const override {
            return FrameFactory::updateFrame(header) && header->frameID() != TitleFrameId;
        }
    };
};

// The strings of a text frame's fields marked UTF-8, when they are not.
std::string undecodedText(const TagLib::ByteVector& fields) {
    if (fields.isEmpty() || fields[0] != TagLib::String::UTF8)
        return "";
    std::string text(fields.data() + 1, fields.size() - 1);
    // Strings end in, or are parted by, a zero byte.
    text.erase(text.find_last_not_of('\0') + 1);
    std::replace(text.begin(), text.end(), '\0', ' ');
    return publish::isUtf8(text) ? "" : text;
}

// Whether TagLib found a title frame marked UTF-8 and made nothing of one
// of its strings.
bool titleDecodedEmpty(TagLib::MPEG::File& file) {
    if (!file.hasID3v2Tag())
        return false;
    const TagLib::ID3v2::FrameList& titles = file.ID3v2Tag()->frameList(TitleFrameId);
    auto* title = titles.isEmpty() ? nullptr : dynamic_cast<TagLib::ID3v2::TextIdentificationFrame*>(titles.front());
    return title != nullptr && title->textEncoding() == TagLib::String::UTF8 &&
           (title->fieldList().isEmpty() || title->fieldList().contains(TagLib::String()));
}

} // namespace

std::string mismarkedId3Title(TagLib::File& file) {
    auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(&file);
    if (mpeg == nullptr || !titleDecodedEmpty(*mpeg))
        return "";
    FrameHeaderAccess::TitleFieldsFactory factory;
    TagLib::ID3v2::Tag tag(mpeg, 0, &factory);
    const TagLib::ID3v2::FrameList& titles = tag.frameList(TitleFrameId);
    auto* title = titles.isEmpty() ? nullptr : dynamic_cast<TagLib::ID3v2::UnknownFrame*>(titles.front());
    return title != nullptr ? undecodedText(title->data()) : "";
}

} // namespace audio
