#include "tests/audio/AudioFiles.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace testing_support {

namespace {

void putTag(Bytes& bytes, const std::string& tag) { bytes.insert(bytes.end(), tag.begin(), tag.end()); }

} // namespace

Bytes wavBytes(const WavLayout& layout) {
    Bytes body;
    putTag(body, "WAVE");
    putTag(body, "fmt ");
    putWord(body, layout.formatChunkSize, 4);
    int blockAlign = layout.channels * ((layout.bits + 7) / 8);
    putWord(body, layout.formatTag, 2);
    putWord(body, layout.channels, 2);
    putWord(body, layout.rate, 4);
    putWord(body, layout.rate * blockAlign, 4);
    putWord(body, blockAlign, 2);
    putWord(body, layout.bits, 2);
    size_t extensionAt = body.size();
    body.resize(body.size() + layout.formatChunkSize - 16, 0);
    if (layout.formatTag == 0xFFFE && layout.formatChunkSize >= 40) {
        Bytes extension;
        putWord(extension, 22, 2);
        putWord(extension, static_cast<unsigned>(layout.bits), 2);
        putWord(extension, layout.channelMask, 4);
        putWord(extension, 1, 2);  // the sub-format GUID's first bytes: PCM
        std::copy(extension.begin(), extension.end(), body.begin() + static_cast<long>(extensionAt));
    }
    for (const auto& [tag, content] : layout.chunksBeforeData) {
        putTag(body, tag);
        putWord(body, static_cast<unsigned>(content.size()), 4);
        body.insert(body.end(), content.begin(), content.end());
    }
    putTag(body, "data");
    putWord(body, static_cast<unsigned>(layout.data.size()), 4);
    body.insert(body.end(), layout.data.begin(), layout.data.end());
    body.insert(body.end(), layout.afterData.begin(), layout.afterData.end());
    Bytes wav;
    putTag(wav, "RIFF");
    putWord(wav, static_cast<unsigned>(body.size()), 4);
    return concat(wav, body);
}

Bytes toneSamples(int count, int rate, double frequency) {
    Bytes samples;
    for (int i = 0; i < count; ++i) {
        auto value = static_cast<int>(12000 * std::sin(2 * M_PI * frequency * i / rate));
        putWord(samples, static_cast<unsigned>(value) & 0xFFFF, 2);
    }
    return samples;
}

std::string probeAudio(const std::string& path) {
    std::string text = outputOf("ffprobe -v error -select_streams a:0 -show_entries stream=codec_name,sample_rate,channels "
                                "-of csv=p=0 '" + path + "'");
    while (!text.empty() && (text.back() == '\n' || text.back() == ','))
        text.pop_back();
    std::replace(text.begin(), text.end(), ',', ' ');
    return text;
}

double probeDuration(const std::string& path) {
    std::string text =
        outputOf("ffprobe -v error -show_entries format=duration -of csv=p=0 '" + path + "'");
    return text.empty() ? -1 : std::atof(text.c_str());
}

bool lameDecodes(const std::string& mp3, const std::string& wav) {
    return run("lame --quiet --decode '" + mp3 + "' '" + wav + "'");
}

} // namespace testing_support
