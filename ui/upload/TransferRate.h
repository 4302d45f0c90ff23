#ifndef UI_UPLOAD_TRANSFERRATE_H
#define UI_UPLOAD_TRANSFERRATE_H

#include <QElapsedTimer>

#include <cstdint>
#include <deque>
#include <optional>

namespace ui {

// How fast an upload sends, over its last few seconds, so that the time
// left follows a line that slows down or speeds up.
class TransferRate {
public:
    void start();
    void add(std::uint64_t bytesSent);
    // Nothing until two samples a moment apart are in.
    std::optional<double> bytesPerSecond() const;
    std::optional<double> secondsLeft(std::uint64_t bytesTotal) const;

private:
    struct Sample {
        qint64 milliseconds;
        std::uint64_t bytes;
    };
    QElapsedTimer clock;
    std::deque<Sample> samples;
};

} // namespace ui

#endif
