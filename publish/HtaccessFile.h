#ifndef PUBLISH_HTACCESSFILE_H
#define PUBLISH_HTACCESSFILE_H

#include <filesystem>
#include <string>
#include <system_error>

namespace publish {

// The settings an Apache host reads from the output folder: the
// WebAssembly type, the runtime's brotli or gzip copy for a browser that
// takes it, and cache headers (a year for the runtime's hashed names, ask
// each time for Tunemill's other files). Only directives that need no more
// than "AllowOverride FileInfo", each module's inside its <IfModule>.
std::string htaccessText();

// True for an .htaccess Tunemill wrote: it starts with Tunemill's line.
// Any other is the user's own, carried into every new player and never
// replaced.
bool isTunemillHtaccess(const std::filesystem::path& file);

// Writes the file as a new file.
[[nodiscard]] std::error_code writeHtaccess(const std::filesystem::path& file);

} // namespace publish

#endif
