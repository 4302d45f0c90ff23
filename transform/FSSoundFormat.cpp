#include "transform/FSSoundFormat.h"

namespace transform {

namespace {
const int Rates[] = {5512, 11025, 22050, 44100};
} // namespace

int soundRateCode(int rate) {
    int code = 0;
    for (int i = 0; i < 4; ++i)
        if (rate >= Rates[i])
            code = i;
    return code;
}

int soundRateFromCode(int code) { return Rates[code & 3]; }

} // namespace transform
