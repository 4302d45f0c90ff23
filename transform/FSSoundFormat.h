#ifndef TRANSFORM_FSSOUNDFORMAT_H
#define TRANSFORM_FSSOUNDFORMAT_H

namespace transform {

// The codes the sound tags use for formats and sample rates.
enum FSSoundFormat { FSSoundNative = 0, FSSoundADPCM = 1, FSSoundMP3 = 2, FSSoundPCM = 3 };

// 5512 Hz -> 0, 11025 -> 1, 22050 -> 2, 44100 -> 3. Other rates cannot be
// coded; they get the code of the nearest rate below them (0 at the least).
int soundRateCode(int rate);
int soundRateFromCode(int code);

} // namespace transform

#endif
