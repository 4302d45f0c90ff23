#ifndef RESOURCES_RESOURCES_H
#define RESOURCES_RESOURCES_H

#include <span>
#include <string_view>

namespace resources {

// The files compiled into the programs, found by type and number
// ("HTM" 216 is the player's web page). Empty when there is none.
std::span<const unsigned char> findResource(std::string_view type, int id);

} // namespace resources

#endif
