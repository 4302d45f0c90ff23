#ifndef PUBLISH_PLAYERRUNTIME_H
#define PUBLISH_PLAYERRUNTIME_H

#include <filesystem>
#include <string>
#include <system_error>

namespace publish {

// The SWF runtime that plays the skins in browsers without a Flash plug-in:
// its script, core chunks, WebAssembly files and licences (no source maps).

// The runtime's script, as a page beside the runtime's folder names it.
std::string runtimeScriptPath();

// What the page's head gets so that the runtime plays its movie when the
// page is served, and a note where the player would be when it is not.
// Served, it asks at once for what the runtime will fetch, `firstMovie`
// too when it is not empty: the movie the player starts with by itself.
std::string runtimeScript(const std::string& firstMovie);

// True when `folder` holds the runtime's script.
bool holdsPlayerRuntime(const std::filesystem::path& folder);

// Copies the runtime from `runtimeFolder` into the new folder `target`; the
// reason when the folder holds no runtime or a file cannot be copied.
[[nodiscard]] std::error_code copyPlayerRuntime(const std::filesystem::path& runtimeFolder,
                                                const std::filesystem::path& target);

// The stored page with the runtime's script added to its head.
std::string pageWithRuntime(const std::string& page, const std::string& firstMovie);

// The stored player page with the runtime's script; empty when the program
// holds no page.
std::string playerPageWithRuntime();

// Writes the stored player page into a new file, with the runtime's
// script when asked.
[[nodiscard]] std::error_code writePlayerPage(const std::filesystem::path& path, bool withRuntime,
                                              const std::string& firstMovie);

} // namespace publish

#endif
