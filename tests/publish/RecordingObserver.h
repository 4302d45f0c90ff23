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
    std::vector<std::pair<std::string, std::string>> alerts;
    std::vector<publish::TrackOutcome> outcomes;
    int doneCalls = 0;
    bool success = false;
    std::string failure;

    void progress(int position) override { positions.push_back(position); }
    void waitBegins(const std::string& caption) override { events.push_back("wait " + caption); }
    void waitEnds() override { events.push_back("wait ends"); }
    void alert(const std::string& text, const std::string& caption) override { alerts.emplace_back(text, caption); }
    void trackDone(int number, const std::string&, publish::TrackOutcome outcome) override {
        events.push_back("track " + std::to_string(number));
        outcomes.push_back(outcome);
    }
    void done(bool succeeded, const std::string& why) override {
        ++doneCalls;
        success = succeeded;
        failure = why;
    }
};

#endif
