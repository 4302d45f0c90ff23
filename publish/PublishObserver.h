#ifndef PUBLISH_PUBLISHOBSERVER_H
#define PUBLISH_PUBLISHOBSERVER_H

#include <string>

namespace publish {

// Why a track has no movie.
enum class TrackOutcome { Published, Unsupported, CannotWrite, TooLong };

// Whoever runs the publish job hears from it through this interface. The
// calls come from the job's thread.
class PublishObserver {
public:
    static const int ProgressRange = 300;

    virtual ~PublishObserver() = default;
    // Position 0..ProgressRange.
    virtual void progress(int position) = 0;
    virtual void waitBegins(const std::string& caption) = 0;
    virtual void waitEnds() = 0;
    // Something the user must know, with the caption of its message box.
    virtual void alert(const std::string& text, const std::string& caption) = 0;
    virtual void trackDone(int number, const std::string& path, TrackOutcome outcome) = 0;
    // The job's last call: whether the output folder was written, and if not
    // why.
    virtual void done(bool success, const std::string& failure) = 0;
};

} // namespace publish

#endif
