#ifndef UI_UPLOAD_UPLOADWORKER_H
#define UI_UPLOAD_UPLOADWORKER_H

#include "upload/LiveCheck.h"
#include "upload/RemoteAddress.h"
#include "upload/RemoteSite.h"
#include "upload/UploadRun.h"

#include <QObject>

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

class QThread;

namespace ui {

struct UploadRequest {
    upload::RemoteAddress address;
    upload::SiteCredentials credentials;
    upload::SiteTrust trust;
    std::filesystem::path output;
    // The remote folder's web address, when known: the upload then ends by
    // asking the site for what it sent.
    std::string siteUrl;
};

// How a run ended: an upload that ran and its outcome, or why none began.
struct UploadResult {
    enum class Start {
        Ran,
        NoPlayer,      // the output folder holds no published player
        Unreadable,    // a file of it could not be read: `unreadable`, `localError`
    };
    Start start = Start::Ran;
    std::filesystem::path unreadable;
    std::error_code localError;
    upload::UploadOutcome outcome;
    // What the site served afterwards, when it was asked.
    std::optional<upload::LiveCheck> live;
};

// Runs one upload at a time on a thread of its own, so that the dialog
// stays responsive; tells how it goes by signals on the dialog's thread.
class UploadWorker : public QObject {
    Q_OBJECT
public:
    explicit UploadWorker(QObject* parent = nullptr);
    // Stops a running upload and waits for it: the library stops within a
    // second.
    ~UploadWorker() override;

    void start(const UploadRequest& request);
    void stop() { stopping = true; }
    bool running() const { return thread != nullptr; }

signals:
    void planned(std::uint64_t bytes, std::size_t files);
    void progressed(std::uint64_t bytes, std::size_t files);
    void switching();
    void finished(const ui::UploadResult& result);

private:
    UploadResult run(const UploadRequest& request);

    std::atomic<bool> stopping{false};
    QThread* thread = nullptr;
};

} // namespace ui

#endif
