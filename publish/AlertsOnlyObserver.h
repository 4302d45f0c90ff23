#ifndef PUBLISH_ALERTSONLYOBSERVER_H
#define PUBLISH_ALERTSONLYOBSERVER_H

#include "publish/PublishObserver.h"

#include <cstdio>

namespace publish {

// For tools that build movies without a user watching: alerts go to
// standard error, everything else is ignored.
class AlertsOnlyObserver : public PublishObserver {
public:
    void progress(int) override {}
    void waitBegins(const std::string&) override {}
    void waitEnds() override {}
    void alert(const std::string& text, const std::string&) override { std::fprintf(stderr, "%s\n", text.c_str()); }
    void trackDone(int, const std::string&, TrackOutcome) override {}
    void done(bool, const std::string&) override {}
};

} // namespace publish

#endif
