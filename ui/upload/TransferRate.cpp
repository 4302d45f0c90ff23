#include "ui/upload/TransferRate.h"

namespace ui {

namespace {

constexpr qint64 WindowMilliseconds = 5000;

} // namespace

void TransferRate::start() {
    clock.start();
    samples.clear();
    samples.push_back({0, 0});
}

void TransferRate::add(std::uint64_t bytesSent) {
    qint64 now = clock.elapsed();
    samples.push_back({now, bytesSent});
    while (samples.size() > 2 && now - samples.front().milliseconds > WindowMilliseconds)
        samples.pop_front();
}

std::optional<double> TransferRate::bytesPerSecond() const {
    if (samples.size() < 2)
        return std::nullopt;
    qint64 span = samples.back().milliseconds - samples.front().milliseconds;
    if (span < 200)
        return std::nullopt;
    return static_cast<double>(samples.back().bytes - samples.front().bytes) * 1000.0 / static_cast<double>(span);
}

std::optional<double> TransferRate::secondsLeft(std::uint64_t bytesTotal) const {
    std::optional<double> rate = bytesPerSecond();
    if (!rate || *rate <= 0 || samples.back().bytes > bytesTotal)
        return std::nullopt;
    return static_cast<double>(bytesTotal - samples.back().bytes) / *rate;
}

} // namespace ui
