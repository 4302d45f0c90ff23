#ifndef CLI_CONSOLEUPLOADPROGRESS_H
#define CLI_CONSOLEUPLOADPROGRESS_H

#include "upload/UploadRun.h"

#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>

namespace cli {

// A size as the upload's lines give it, "12.3 MB".
std::string megabytes(std::uint64_t bytes);

// Shows an upload on standard error: what the plan does, then on a
// terminal one line that updates in place (files, bytes, rate, time left),
// otherwise a plain line per file sent.
class ConsoleUploadProgress : public upload::UploadObserver {
public:
    explicit ConsoleUploadProgress(bool listEveryChange);

    void planned(const upload::UploadPlan& plan) override;
    void sending(std::uint64_t bytesSent, std::size_t filesSent) override;
    void switching() override;

private:
    void drawLine(std::uint64_t bytesSent, std::size_t filesSent);

    bool listEveryChange;
    bool terminal;
    std::size_t files = 0;
    std::uint64_t bytes = 0;
    std::size_t filesShown = 0;
    bool lineDrawn = false;
    std::chrono::steady_clock::time_point started;
    std::chrono::steady_clock::time_point lastDrawn;
    std::mutex mutex;
};

} // namespace cli

#endif
