#ifndef ANALYSER_MP3DECODER_H
#define ANALYSER_MP3DECODER_H

#include <string>
#include <vector>

namespace analyser {

// A whole MP3 file decoded with LAME's decoder, both channels mixed to one.
struct DecodedSound {
    int sampleRate = 0;
    std::vector<float> samples;
};

// False when the file cannot be read or holds no MP3 audio.
bool decodeMp3File(const std::string& path, DecodedSound& sound);

} // namespace analyser

#endif
