#ifndef PUBLISH_PUBLISHOBSERVER_H
#define PUBLISH_PUBLISHOBSERVER_H

#include "publish/PublishReports.h"

#include <string>

namespace publish {

// Whoever runs the publish job hears from it through this interface, as
// data; the front end decides how to show it. The calls come from the
// job's thread.
class PublishObserver {
public:
    static const int ProgressRange = 300;

    virtual ~PublishObserver() = default;
    // Position 0..ProgressRange.
    virtual void progress(int position) = 0;
    virtual void waitBegins(const std::string& caption) = 0;
    virtual void waitEnds() = 0;
    virtual void trackDone(const TrackReport& report) = 0;
    // A step after the tracks left its file missing or unchanged.
    virtual void stepFailed(const StepFailure& failure) = 0;
    // Track movies of an earlier publish that are no longer in the playlist
    // were removed from the output folder.
    virtual void staleMoviesRemoved(int count) = 0;
    // The job's last call: whether it ran at all, and if not why.
    virtual void done(bool ran, const std::string& whyNot) = 0;
};

} // namespace publish

#endif
