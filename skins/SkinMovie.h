#ifndef SKINS_SKINMOVIE_H
#define SKINS_SKINMOVIE_H

#include "skins/SkinDesign.h"
#include "transform/FSMovie.h"

#include <memory>

namespace skins {

// The skin's movie: its artwork on one frame with the shared playlist
// logic, compressed, version 7.
std::unique_ptr<transform::FSMovie> buildSkinMovie(const SkinDesign& design);

} // namespace skins

#endif
