#ifndef ANALYSER_MP3DECODER_H
#define ANALYSER_MP3DECODER_H

#include <functional>
#include <string>
#include <vector>

namespace analyser {

// Receives the decoded sound piece by piece, both channels mixed to one.
using SampleSink = std::function<void(int sampleRate, const std::vector<float>& samples)>;

// Decodes an MP3 file with libmpg123; false when the file cannot be read,
// holds no MP3 audio, or `stop` (when given) became non-zero on the way.
bool decodeMp3File(const std::string& path, const SampleSink& sink, const int* stop = nullptr);

} // namespace analyser

#endif
