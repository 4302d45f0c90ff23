#ifndef PUBLISH_RUNTIMEPRELOADS_H
#define PUBLISH_RUNTIMEPRELOADS_H

#include <string>

namespace publish {

// Script lines (for the page's head, after the runtime's folder is known to
// be served) that ask the browser, while the page is still parsed, for
// everything the runtime will fetch one after another: its two scripts,
// the WebAssembly file it will choose, the player movie, the playlist and,
// when not empty, `firstMovie`, the movie the player starts with. Each is
// asked for as the runtime then asks (a script; a fetch in cors mode with
// same-origin credentials), so that the browser hands it the same response.
std::string runtimePreloadLines(const std::string& firstMovie);

// Script lines that set the runtime's configuration for a music player: no
// splash screen, playing at once without a play button or an unmute
// overlay over the buttons, and the renderer that starts fastest for a
// small stage.
std::string runtimeConfigLines();

} // namespace publish

#endif
