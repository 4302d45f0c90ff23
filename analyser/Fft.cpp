#include "analyser/Fft.h"

#include <cmath>
#include <utility>

namespace analyser {

void fft(std::vector<std::complex<float>>& values) {
    const size_t n = values.size();
    for (size_t i = 1, j = 0; i < n; ++i) {
        size_t bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap(values[i], values[j]);
    }
    for (size_t length = 2; length <= n; length <<= 1) {
        float angle = -2.0f * static_cast<float>(M_PI) / static_cast<float>(length);
        std::complex<float> unit(std::cos(angle), std::sin(angle));
        for (size_t start = 0; start < n; start += length) {
            std::complex<float> twiddle(1.0f, 0.0f);
            for (size_t k = 0; k < length / 2; ++k) {
                std::complex<float> even = values[start + k];
                std::complex<float> odd = values[start + k + length / 2] * twiddle;
                values[start + k] = even + odd;
                values[start + k + length / 2] = even - odd;
                twiddle *= unit;
            }
        }
    }
}

} // namespace analyser
