#include "cli/ConsoleUploadProgress.h"

#include <cstdio>
#include <string>
#include <unistd.h>

namespace cli {

std::string megabytes(std::uint64_t bytes) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(bytes) / 1e6);
    return text;
}

namespace {

void listChanges(const upload::UploadPlan& plan) {
    for (const upload::PlannedSend& send : plan.sends)
        std::fprintf(stderr, "send %s (%s)\n", send.path.c_str(), megabytes(send.size).c_str());
    for (const upload::PlannedRename& rename : plan.renames)
        std::fprintf(stderr, "rename %s to %s\n", rename.incoming.c_str(), rename.path.c_str());
    for (const std::string& path : plan.deletions)
        std::fprintf(stderr, "delete %s\n", path.c_str());
    for (const std::string& path : plan.leftovers)
        std::fprintf(stderr, "delete %s (left by an earlier upload)\n", path.c_str());
}

} // namespace

ConsoleUploadProgress::ConsoleUploadProgress(bool listEveryChange)
    : listEveryChange(listEveryChange), terminal(::isatty(STDERR_FILENO) == 1) {}

void ConsoleUploadProgress::planned(const upload::UploadPlan& plan) {
    files = plan.sends.size();
    bytes = plan.bytesToSend;
    started = std::chrono::steady_clock::now();
    if (listEveryChange)
        listChanges(plan);
    if (plan.keepsForeignHtaccess)
        std::fprintf(stderr, "The site's own .htaccess is kept: Tunemill's is not uploaded\n");
    std::fprintf(stderr, "Sending %zu of %zu files (%s), deleting %zu\n", files, plan.manifest.size(),
                 megabytes(bytes).c_str(), plan.deletions.size());
}

void ConsoleUploadProgress::sending(std::uint64_t bytesSent, std::size_t filesSent) {
    std::lock_guard lock(mutex);
    if (!terminal) {
        if (filesSent > filesShown)
            std::fprintf(stderr, "Sent %zu of %zu files\n", filesSent, files);
        filesShown = filesSent;
        return;
    }
    auto now = std::chrono::steady_clock::now();
    if (lineDrawn && filesSent == filesShown && now - lastDrawn < std::chrono::milliseconds(200))
        return;
    filesShown = filesSent;
    lastDrawn = now;
    drawLine(bytesSent, filesSent);
}

void ConsoleUploadProgress::drawLine(std::uint64_t bytesSent, std::size_t filesSent) {
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    double rate = seconds > 0 ? static_cast<double>(bytesSent) / seconds : 0;
    std::uint64_t remaining = bytesSent < bytes ? bytes - bytesSent : 0;
    std::string left = rate > 0 ? std::to_string(static_cast<long>(static_cast<double>(remaining) / rate)) + " s left" : "";
    std::fprintf(stderr, "\r\033[KSent %zu of %zu files, %s of %s, %s/s, %s", filesSent, files,
                 megabytes(bytesSent).c_str(), megabytes(bytes).c_str(), megabytes(static_cast<std::uint64_t>(rate)).c_str(),
                 left.c_str());
    lineDrawn = true;
}

void ConsoleUploadProgress::switching() {
    std::lock_guard lock(mutex);
    if (lineDrawn)
        std::fprintf(stderr, "\n");
    lineDrawn = false;
    std::fprintf(stderr, "Switching the site over to the new player\n");
}

} // namespace cli
