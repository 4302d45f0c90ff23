#include "analyser/Fft.h"

#include <cmath>
#include <utility>

namespace analyser {

namespace {
// Plain multiplication: the library's operator keeps NaN and infinity rules
// that cost a call per product, and samples here are always finite.
std::complex<float> multiply(std::complex<float> a, std::complex<float> b) {
    return {a.real() * b.real() - a.imag() * b.imag(), a.real() * b.imag() + a.imag() * b.real()};
}
} // namespace

Fft::Fft(size_t size) : size(size), twiddles(size / 2) {
    for (size_t k = 0; k < size / 2; ++k) {
        double angle = -2.0 * M_PI * static_cast<double>(k) / static_cast<double>(size);
        twiddles[k] = {static_cast<float>(std::cos(angle)), static_cast<float>(std::sin(angle))};
    }
}

void Fft::transform(std::vector<std::complex<float>>& values) const {
    for (size_t i = 1, j = 0; i < size; ++i) {
        size_t bit = size >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap(values[i], values[j]);
    }
    for (size_t length = 2; length <= size; length <<= 1) {
        size_t stride = size / length;
        for (size_t start = 0; start < size; start += length) {
            for (size_t k = 0; k < length / 2; ++k) {
                std::complex<float> even = values[start + k];
                std::complex<float> odd = multiply(values[start + k + length / 2], twiddles[k * stride]);
                values[start + k] = even + odd;
                values[start + k + length / 2] = even - odd;
            }
        }
    }
}

} // namespace analyser
