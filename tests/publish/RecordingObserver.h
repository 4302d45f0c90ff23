#ifndef TESTS_PUBLISH_RECORDINGOBSERVER_H
#define TESTS_PUBLISH_RECORDINGOBSERVER_H

#include "publish/PublishObserver.h"

#include <string>
#include <utility>
#include <vector>

// Keeps everything the publish job tells its observer, in order.
struct RecordingObserver : publish::PublishObserver {
    std::vector<int> positions;
    std::vector<std::string> events;
    std::vector<publish::TrackReport> tracks;
    std::vector<publish::Notice> notices;
    int staleMovies = 0;
    int doneCalls = 0;
    publish::PublishResult result;

    void progress(int position) override { positions.push_back(position); }
    void trackStarts(int number) override { events.push_back("start " + std::to_string(number)); }
    void waitBegins(const std::string& caption) override { events.push_back("wait " + caption); }
    void waitEnds() override { events.push_back("wait ends"); }
    void trackDone(const publish::TrackReport& report) override {
        events.push_back("track " + std::to_string(report.number));
        tracks.push_back(report);
    }
    void notice(const publish::Notice& notice) override { notices.push_back(notice); }
    void staleMoviesRemoved(int count) override { staleMovies += count; }
    void done(const publish::PublishResult& ended) override {
        ++doneCalls;
        result = ended;
    }
};

#endif
