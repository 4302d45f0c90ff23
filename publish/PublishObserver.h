#ifndef PUBLISH_PUBLISHOBSERVER_H
#define PUBLISH_PUBLISHOBSERVER_H

#include "publish/PublishReports.h"

#include <string>

namespace publish {

// Whoever runs the publish job hears from it through this interface, as
// data; the front end decides how to show it. Every call comes from the
// thread that runs the job, the tracks' in playlist order, however many
// threads build them.
class PublishObserver {
public:
    static const int ProgressRange = 300;
    static int percentOf(int position) { return position * 100 / ProgressRange; }

    virtual ~PublishObserver() = default;
    // Position 0..ProgressRange; it only rises.
    virtual void progress(int position) = 0;
    // The job turns to the track numbered `number` in the playlist.
    virtual void trackStarts(int number) = 0;
    // The job waits for a track's spectrum and movie.
    virtual void waitBegins(const std::string& caption) = 0;
    virtual void waitEnds() = 0;
    virtual void trackDone(const TrackReport& report) = 0;
    virtual void notice(const Notice& notice) = 0;
    // The new player, now in place, lacks this many track movies that the
    // old one had (a shorter playlist, tracks skipped this time).
    virtual void staleMoviesRemoved(int count) = 0;
    // The job's last call.
    virtual void done(const PublishResult& result) = 0;
};

} // namespace publish

#endif
