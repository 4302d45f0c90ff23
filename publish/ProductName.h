#ifndef PUBLISH_PRODUCTNAME_H
#define PUBLISH_PRODUCTNAME_H

namespace publish {

// The program's name as the user sees it: window and message captions,
// the application's name.
inline constexpr const char* ProductName = "Tunemill";

} // namespace publish

#endif
