#include "ui/pages/ForeignFileText.h"

#include <QCoreApplication>

namespace ui {

namespace {

QString translated(const char* text) { return QCoreApplication::translate("ui::ForeignFileText", text); }

const char* kindName(audio::ForeignContent content) {
    using audio::ForeignContent;
    switch (content) {
    case ForeignContent::Mp4:
        return QT_TRANSLATE_NOOP("ui::ForeignFileText", "an MP4 or M4A file (AAC audio or video)");
    case ForeignContent::Aac: return QT_TRANSLATE_NOOP("ui::ForeignFileText", "an AAC (ADTS) file");
    case ForeignContent::Matroska: return QT_TRANSLATE_NOOP("ui::ForeignFileText", "a Matroska or WebM file");
    case ForeignContent::WindowsMedia: return QT_TRANSLATE_NOOP("ui::ForeignFileText", "a Windows Media file");
    case ForeignContent::Midi:
        return QT_TRANSLATE_NOOP("ui::ForeignFileText", "a MIDI file (notes, not recorded sound)");
    case ForeignContent::Avi: return QT_TRANSLATE_NOOP("ui::ForeignFileText", "an AVI video");
    case ForeignContent::WebP: return QT_TRANSLATE_NOOP("ui::ForeignFileText", "a WebP picture");
    case ForeignContent::Png: return QT_TRANSLATE_NOOP("ui::ForeignFileText", "a PNG picture");
    case ForeignContent::Jpeg: return QT_TRANSLATE_NOOP("ui::ForeignFileText", "a JPEG picture");
    case ForeignContent::Gif: return QT_TRANSLATE_NOOP("ui::ForeignFileText", "a GIF picture");
    case ForeignContent::Pdf: return QT_TRANSLATE_NOOP("ui::ForeignFileText", "a PDF document");
    case ForeignContent::Zip: return QT_TRANSLATE_NOOP("ui::ForeignFileText", "a ZIP archive");
    case ForeignContent::Gzip: return QT_TRANSLATE_NOOP("ui::ForeignFileText", "a gzip archive");
    case ForeignContent::Rar: return QT_TRANSLATE_NOOP("ui::ForeignFileText", "a RAR archive");
    case ForeignContent::SevenZip: return QT_TRANSLATE_NOOP("ui::ForeignFileText", "a 7-Zip archive");
    case ForeignContent::Bzip2: return QT_TRANSLATE_NOOP("ui::ForeignFileText", "a bzip2 archive");
    case ForeignContent::Program: return QT_TRANSLATE_NOOP("ui::ForeignFileText", "a program");
    case ForeignContent::Text: return QT_TRANSLATE_NOOP("ui::ForeignFileText", "text");
    default:
        return QT_TRANSLATE_NOOP("ui::ForeignFileText",
                                 "binary data in which no MP3, WAV, AIFF, FLAC or Ogg audio was found");
    }
}

} // namespace

QString foreignFileText(const audio::ForeignFile& foreign) {
    switch (foreign.content) {
    case audio::ForeignContent::Empty: return translated(QT_TRANSLATE_NOOP("ui::ForeignFileText", "the file is empty"));
    case audio::ForeignContent::RepeatedByte:
        if (foreign.byte == 0)
            return translated(QT_TRANSLATE_NOOP("ui::ForeignFileText",
                                                "not a sound file Tunemill can read: it holds nothing but zero bytes"));
        return translated(QT_TRANSLATE_NOOP("ui::ForeignFileText",
                                            "not a sound file Tunemill can read: it holds nothing but bytes 0x%1"))
            .arg(QString::number(foreign.byte, 16).toUpper().rightJustified(2, '0'));
    default:
        return translated(QT_TRANSLATE_NOOP("ui::ForeignFileText", "not a sound file Tunemill can read: it is %1"))
            .arg(translated(kindName(foreign.content)));
    }
}

} // namespace ui
