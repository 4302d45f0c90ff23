#ifndef APP_QUIETWEBVIEWS_H
#define APP_QUIETWEBVIEWS_H

namespace app {

// Keeps the web views' own chatter off the terminal: the pages' console
// lines, the engine's start-up report and Chromium's log below fatal. A
// QT_LOGGING_RULES or --log-level the user sets still wins. Call before
// the application object is made.
void quietenWebViews();

} // namespace app

#endif
