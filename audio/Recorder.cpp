#include "audio/Recorder.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace audio {

namespace {

// The name recorder error texts give as their source, as users have
// always seen it.
constexpr const char* ErrorSourceName = "Page1Mp3";
constexpr size_t LineTextLimit = 259;
constexpr auto StatusInterval = std::chrono::milliseconds(100);

const RecordingQuality Qualities[] = {
    {"44kHz - CD Quality", Format44kMono16},
    {"22kHz - Radio Quality", Format22kMono16},
    {"11kHz - Telephone Quality", Format11kMono16},
};

uint32_t tickCount() {
    auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

std::string formatted(const char* pattern, const char* text, int number) {
    char buffer[LineTextLimit + 1];
    std::snprintf(buffer, sizeof buffer, pattern, text, number);
    return buffer;
}

} // namespace

std::string recordingTimeText(uint32_t elapsed) {
    uint32_t seconds = elapsed / 1000;
    char text[64];
    std::snprintf(text, sizeof text, "%02d:%02d.%d - Recording...", static_cast<int>(seconds / 60),
                  static_cast<int>(seconds % 60), static_cast<int>((elapsed / 100) % 10));
    return text;
}

Recorder::Recorder(WaveInput& device, Callbacks callbacks) : device(device), callbacks(std::move(callbacks)) {}

Recorder::~Recorder() { stop(); }

int Recorder::fillQualities() {
    offered.clear();
    selected = -1;
    uint32_t formats = 0;
    if (device.capabilities(formats) != WaveNoError)
        return 0;
    for (const RecordingQuality& quality : Qualities)
        if (formats & quality.flag)
            offered.push_back(quality);
    if (!offered.empty())
        selected = 0;
    return static_cast<int>(offered.size());
}

void Recorder::selectQuality(int index) {
    if (index >= -1 && index < static_cast<int>(offered.size()))
        selected = index;
}

bool Recorder::start(const std::string& recordingPath) {
    if (thread.joinable())
        return false;
    path = recordingPath;
    recording = true;
    thread = std::thread([this] { record(); });
    return true;
}

void Recorder::stop() {
    {
        std::lock_guard lock(wakeMutex);
        recording = false;
    }
    wake.notify_all();
    if (thread.joinable())
        thread.join();
}

std::string Recorder::lastError() const {
    std::lock_guard lock(errorMutex);
    return errorText;
}

void Recorder::record() {
    bool started = openRecording() && queueBuffers();
    uint32_t startTicks = tickCount();
    if (started) {
        if (WaveResult result = device.start(); result != WaveNoError) {
            makeError(lineText(__LINE__ - 1), result, false);
            started = false;
        }
    }
    if (started)
        waitWhileRecording(startTicks);
    else
        raise();
    stopAndClose();
    callbacks.status("Record stopped.");
}

void Recorder::waitWhileRecording(uint32_t startTicks) {
    while (recording) {
        callbacks.status(recordingTimeText(tickCount() - startTicks));
        std::unique_lock lock(wakeMutex);
        wake.wait_for(lock, StatusInterval, [this] { return !recording; });
    }
}

bool Recorder::openRecording() {
    stopping = false;
    writeFailed = false;
    if (selected < 0) {
        setError("No recording quality is selected: no input device offers one.", false);
        return false;
    }
    format = waveFormatForFlag(offered[selected].flag);
    WaveResult opened = device.open(format, [this](WaveBuffer& buffer) { deliver(buffer); });
    if (opened != WaveNoError) {
        makeError(lineText(__LINE__ - 2), opened, false);
        return false;
    }
    deviceOpen = true;
    return openWaveFile();
}

bool Recorder::openWaveFile() {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    if (path.empty() || file.open(path) != 0) {
        setError("Can not open file...", false);
        return false;
    }
    riffChunkRecord = riffChunk("RIFF", 0, "WAVE");
    if (int result = file.createChunk(riffChunkRecord); result != 0) {
        makeFileError(lineText(__LINE__ - 1), result, false);
        return false;
    }
    subChunk = riffChunk("fmt ", WaveFormatRecordSize);
    if (int result = file.createChunk(subChunk); result != 0) {
        makeFileError(lineText(__LINE__ - 1), result, false);
        return false;
    }
    auto record = waveFormatBytes(format);
    if (file.write(record.data(), record.size()) != record.size()) {
        setError(formatted("Can not write Wave Header..File: %s ,Line Number:%d", ErrorSourceName, __LINE__ - 1),
                 false);
        return false;
    }
    if (int result = file.ascend(subChunk); result != 0) {
        makeFileError(lineText(__LINE__ - 1), result, false);
        return false;
    }
    subChunk = riffChunk("data");
    if (int result = file.createChunk(subChunk); result != 0) {
        makeFileError(lineText(__LINE__ - 1), result, false);
        return false;
    }
    return true;
}

bool Recorder::queueBuffers() {
    for (size_t i = 0; i < headers.size(); ++i) {
        buffers[i].assign(format.averageBytesPerSecond, 0);
        headers[i] = WaveBuffer();
        headers[i].data = buffers[i].data();
        headers[i].length = format.averageBytesPerSecond;
        headers[i].user = i;
        if (WaveResult result = device.prepare(headers[i]); result != WaveNoError) {
            makeError(lineText(__LINE__ - 1), result, false);
            return false;
        }
        if (WaveResult result = device.add(headers[i]); result != WaveNoError) {
            makeError(lineText(__LINE__ - 1), result, false);
            return false;
        }
    }
    return true;
}

void Recorder::deliver(WaveBuffer& buffer) {
    if (!buffer.done)
        return;
    appendSamples(buffer);
    if (stopping)
        return;
    if (WaveResult result = device.add(buffer); result != WaveNoError)
        makeError(lineText(__LINE__ - 1), result, true);
}

// A full disk is told once; the file keeps what reached it and its sizes
// are written from that when the recording ends.
void Recorder::appendSamples(const WaveBuffer& buffer) {
    if (writeFailed || buffer.bytesRecorded == 0)
        return;
    errno = 0;
    if (file.write(buffer.data, buffer.bytesRecorded) == buffer.bytesRecorded)
        return;
    int reason = errno;
    writeFailed = true;
    std::string text = formatted("Can not write sample data..File: %s ,Line Number:%d", ErrorSourceName, __LINE__ - 4);
    callbacks.error(text + ": " + std::strerror(reason != 0 ? reason : EIO));
}

void Recorder::stopAndClose() {
    closeDevice();
    closeWaveFile();
}

void Recorder::closeDevice() {
    if (!deviceOpen)
        return;
    stopping = true;
    device.stop();
    device.reset();
    for (size_t i = 0; i < headers.size(); ++i) {
        if (!headers[i].data)
            continue;
        device.unprepare(headers[i]);
        buffers[i] = std::vector<unsigned char>();
        headers[i] = WaveBuffer();
    }
    device.close();
    deviceOpen = false;
}

void Recorder::closeWaveFile() {
    if (!file.isOpen())
        return;
    if (std::memcmp(subChunk.id, "data", 4) == 0) {
        if (int result = file.ascend(subChunk); result != 0)
            makeFileError(lineText(__LINE__ - 1), result, false);
        if (int result = file.ascend(riffChunkRecord); result != 0)
            makeFileError(lineText(__LINE__ - 1), result, false);
    }
    file.close();
}

std::string Recorder::lineText(int line) const {
    return formatted("File: %s ,Line Number:%d", ErrorSourceName, line);
}

void Recorder::makeError(const std::string& line, WaveResult code, bool show) {
    if (!recording)
        return setError("", false);
    std::string deviceText;
    if (WaveResult query = device.errorText(code, deviceText); query != WaveNoError) {
        char text[128];
        std::snprintf(text, sizeof text, "Error %d in querying the error string for error code %d", query, code);
        deviceText = text;
    }
    setError(line + ": " + deviceText, show);
}

void Recorder::makeFileError(const std::string& line, int errorNumber, bool show) {
    if (!recording)
        return setError("", false);
    setError(line + ": " + std::strerror(errorNumber), show);
}

void Recorder::setError(const std::string& text, bool show) {
    {
        std::lock_guard lock(errorMutex);
        errorText = text;
    }
    if (show)
        callbacks.error(text);
}

void Recorder::raise() { callbacks.error(lastError()); }

} // namespace audio
