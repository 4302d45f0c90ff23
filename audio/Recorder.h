#ifndef AUDIO_RECORDER_H
#define AUDIO_RECORDER_H

#include "audio/RiffWriter.h"
#include "audio/WaveInput.h"

#include <array>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

namespace audio {

struct RecordingQuality {
    std::string text;
    uint32_t flag;
};

// Why a recording failed or lost samples. Each names the line of the
// failing call, which the error texts give.
enum class RecordingProblem {
    Unnamed,           // a call failed as the recording was being stopped: nothing to say
    NoQuality,         // no input device offers a quality to select
    FileNotOpened,     // the recording file cannot be created
    HeaderNotWritten,  // the format record was written short
    DeviceCall,        // `deviceCode`, in the device's words `deviceText`
    FileCall,          // `error`
    SamplesNotWritten, // `error`; the file keeps what reached it
};

struct RecordingError {
    RecordingError(RecordingProblem problem = RecordingProblem::Unnamed, int line = 0) : problem(problem), line(line) {}

    RecordingProblem problem;
    int line;
    int deviceCode = 0;
    std::string deviceText;
    int queryResult = 0;  // for DeviceCall: not 0 when the device could not say its words
    std::error_code error;
};

// Records from wave-input device 0 into a mono 16-bit WAV file on a thread
// of its own. It never waits on whoever shows what it reports: the running
// time every 100 ms, the end of the recording and its errors arrive through
// callbacks, from the recording thread or the device's delivery thread, and
// the callbacks must not block.
class Recorder {
public:
    struct Callbacks {
        std::function<void(uint32_t elapsedMilliseconds)> recording;
        std::function<void()> stopped;
        std::function<void(const RecordingError&)> error;
    };

    Recorder(WaveInput& device, Callbacks callbacks);
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    // Offers the qualities device 0 supports and selects the first; returns
    // how many there are.
    int fillQualities();
    const std::vector<RecordingQuality>& qualities() const { return offered; }
    int selectedQuality() const { return selected; }
    void selectQuality(int index);

    // Starts recording into `path` (replaced); false when already recording.
    bool start(const std::string& path);
    // Stops and waits until the file is complete.
    void stop();
    bool isRecording() const { return recording; }
    RecordingError lastError() const;

private:
    // A device or file call's result and the line of the call, which the
    // error texts name. The line comes from __builtin_LINE, which GCC and
    // Clang both have; the Clang of the sanitizer build has no
    // std::source_location.
    template <typename Result>
    struct CallResult {
        Result value;
        int line;
    };
    template <typename Result>
    static CallResult<Result> located(Result value, int line = __builtin_LINE()) {
        return {value, line};
    }

    void record();
    bool openRecording();
    bool openWaveFile();
    bool queueBuffers();
    void deliver(WaveBuffer& buffer);
    void appendSamples(const WaveBuffer& buffer);
    void stopAndClose();
    void closeDevice();
    void closeWaveFile();
    void waitWhileRecording(uint32_t startTicks);

    // The failing call's error, only while recording; `show` sends it on
    // at once.
    void setDeviceError(const CallResult<WaveResult>& failed, bool show);
    void setFileError(const CallResult<int>& failed, bool show);
    void setError(const RecordingError& error, bool show);
    // Sends the last error to the error callback, as the recording thread
    // ends.
    void reportLastError();

    WaveInput& device;
    Callbacks callbacks;
    std::vector<RecordingQuality> offered;
    int selected = -1;

    std::atomic<bool> recording{false};
    std::atomic<bool> stopping{false};
    std::atomic<bool> writeFailed{false};
    bool deviceOpen = false;
    WaveFormat format;
    // What the device fills in turn, and the memory each one points into.
    std::array<WaveBuffer, 3> waveBuffers;
    std::array<std::vector<unsigned char>, 3> bufferMemory;
    std::thread thread;
    std::mutex wakeMutex;
    std::condition_variable wake;

    mutable std::mutex errorMutex;
    RecordingError lastFailure;

    RiffWriter file;
    // The RIFF chunk around everything, and the one being written inside
    // it: "fmt ", then "data".
    RiffChunk riffChunkRecord;
    RiffChunk innerChunk;
    std::string path;
};

} // namespace audio

#endif
