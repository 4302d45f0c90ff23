#ifndef AUDIO_QUEUEDWAVEINPUT_H
#define AUDIO_QUEUEDWAVEINPUT_H

#include "audio/WaveInput.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace audio {

// The buffer cycle every device shares: queued buffers are filled in
// order by `capture`, and filled ones are handed back on a delivery thread
// of their own, so the device's producer never waits on the file.
class QueuedWaveInput : public WaveInput {
public:
    ~QueuedWaveInput() override;

    WaveResult open(const WaveFormat& format, BufferDone bufferDone) override;
    WaveResult prepare(WaveBuffer& buffer) override;
    WaveResult unprepare(WaveBuffer& buffer) override;
    WaveResult add(WaveBuffer& buffer) override;
    WaveResult start() override;
    WaveResult stop() override;
    WaveResult reset() override;
    WaveResult close() override;
    WaveResult errorText(WaveResult code, std::string& text) override;

protected:
    // What the device itself does on each step.
    virtual WaveResult openDevice(const WaveFormat& format) = 0;
    virtual WaveResult startDevice() = 0;
    virtual WaveResult stopDevice() = 0;
    virtual void closeDevice() = 0;

    // Called by the device's producer with captured bytes in the opened
    // format; bytes with no queued buffer to take them are dropped.
    void capture(const unsigned char* bytes, size_t size);
    // Stops and closes whatever is open; device destructors call it while
    // the device still exists.
    void shutDown();
    // Texts of the shared error codes; false for others.
    static bool standardErrorText(WaveResult code, std::string& text);

private:
    void deliverFilled();
    void finishCurrent(std::unique_lock<std::mutex>& lock);
    void stopDelivery();

    std::mutex mutex;
    std::condition_variable changed;
    std::deque<WaveBuffer*> queued;
    std::deque<WaveBuffer*> filled;
    bool delivering = false;
    bool opened = false;
    bool ending = false;
    BufferDone bufferDone;
    std::thread delivery;
};

} // namespace audio

#endif
