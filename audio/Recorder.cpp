#include "audio/Recorder.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>

namespace audio {

namespace {

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

} // namespace

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

RecordingError Recorder::lastError() const {
    std::lock_guard lock(errorMutex);
    return lastFailure;
}

void Recorder::record() {
    bool started = openRecording() && queueBuffers();
    uint32_t startTicks = tickCount();
    if (started) {
        if (auto deviceStart = located(device.start()); deviceStart.value != WaveNoError) {
            setDeviceError(deviceStart, false);
            started = false;
        }
    }
    if (started)
        waitWhileRecording(startTicks);
    else
        reportLastError();
    stopAndClose();
    callbacks.stopped();
}

void Recorder::waitWhileRecording(uint32_t startTicks) {
    while (recording) {
        callbacks.recording(tickCount() - startTicks);
        std::unique_lock lock(wakeMutex);
        wake.wait_for(lock, StatusInterval, [this] { return !recording; });
    }
}

bool Recorder::openRecording() {
    stopping = false;
    writeFailed = false;
    if (selected < 0) {
        setError({RecordingProblem::NoQuality}, false);
        return false;
    }
    format = waveFormatForFlag(offered[selected].flag);
    auto opened = located(device.open(format, [this](WaveBuffer& buffer) { deliver(buffer); }));
    if (opened.value != WaveNoError) {
        setDeviceError(opened, false);
        return false;
    }
    deviceOpen = true;
    return openWaveFile();
}

bool Recorder::openWaveFile() {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    if (path.empty() || file.open(path) != 0) {
        setError({RecordingProblem::FileNotOpened}, false);
        return false;
    }
    riffChunkRecord = riffChunk("RIFF", 0, "WAVE");
    if (auto created = located(file.createChunk(riffChunkRecord)); created.value != 0) {
        setFileError(created, false);
        return false;
    }
    innerChunk = riffChunk("fmt ", WaveFormatRecordSize);
    if (auto created = located(file.createChunk(innerChunk)); created.value != 0) {
        setFileError(created, false);
        return false;
    }
    auto record = waveFormatBytes(format);
    if (auto written = located(file.write(record.data(), record.size())); written.value != record.size()) {
        setError({RecordingProblem::HeaderNotWritten, written.line}, false);
        return false;
    }
    if (auto ascended = located(file.ascend(innerChunk)); ascended.value != 0) {
        setFileError(ascended, false);
        return false;
    }
    innerChunk = riffChunk("data");
    if (auto created = located(file.createChunk(innerChunk)); created.value != 0) {
        setFileError(created, false);
        return false;
    }
    return true;
}

bool Recorder::queueBuffers() {
    for (size_t i = 0; i < waveBuffers.size(); ++i) {
        bufferMemory[i].assign(format.averageBytesPerSecond, 0);
        waveBuffers[i] = WaveBuffer();
        waveBuffers[i].data = bufferMemory[i].data();
        waveBuffers[i].length = format.averageBytesPerSecond;
        waveBuffers[i].user = i;
        if (auto prepared = located(device.prepare(waveBuffers[i])); prepared.value != WaveNoError) {
            setDeviceError(prepared, false);
            return false;
        }
        if (auto added = located(device.add(waveBuffers[i])); added.value != WaveNoError) {
            setDeviceError(added, false);
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
    if (auto added = located(device.add(buffer)); added.value != WaveNoError)
        setDeviceError(added, true);
}

// A full disk is told once; the file keeps what reached it and its sizes
// are written from that when the recording ends.
void Recorder::appendSamples(const WaveBuffer& buffer) {
    if (writeFailed || buffer.bytesRecorded == 0)
        return;
    errno = 0;
    auto written = located(file.write(buffer.data, buffer.bytesRecorded));
    if (written.value == buffer.bytesRecorded)
        return;
    int reason = errno;
    writeFailed = true;
    RecordingError error{RecordingProblem::SamplesNotWritten, written.line};
    error.error = std::error_code(reason != 0 ? reason : EIO, std::generic_category());
    callbacks.error(error);
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
    for (size_t i = 0; i < waveBuffers.size(); ++i) {
        if (!waveBuffers[i].data)
            continue;
        device.unprepare(waveBuffers[i]);
        bufferMemory[i] = std::vector<unsigned char>();
        waveBuffers[i] = WaveBuffer();
    }
    device.close();
    deviceOpen = false;
}

void Recorder::closeWaveFile() {
    if (!file.isOpen())
        return;
    if (std::memcmp(innerChunk.id, "data", 4) == 0) {
        if (auto ascended = located(file.ascend(innerChunk)); ascended.value != 0)
            setFileError(ascended, false);
        if (auto ascended = located(file.ascend(riffChunkRecord)); ascended.value != 0)
            setFileError(ascended, false);
    }
    file.close();
}

void Recorder::setDeviceError(const CallResult<WaveResult>& failed, bool show) {
    if (!recording)
        return setError({}, false);
    RecordingError error(RecordingProblem::DeviceCall, failed.line);
    error.deviceCode = failed.value;
    error.queryResult = device.errorText(failed.value, error.deviceText);
    setError(error, show);
}

void Recorder::setFileError(const CallResult<int>& failed, bool show) {
    if (!recording)
        return setError({}, false);
    RecordingError error{RecordingProblem::FileCall, failed.line};
    error.error = std::error_code(failed.value, std::generic_category());
    setError(error, show);
}

void Recorder::setError(const RecordingError& error, bool show) {
    {
        std::lock_guard lock(errorMutex);
        lastFailure = error;
    }
    if (show)
        callbacks.error(error);
}

void Recorder::reportLastError() { callbacks.error(lastError()); }

} // namespace audio
