#ifndef ANALYSER_FFT_H
#define ANALYSER_FFT_H

#include <complex>
#include <vector>

namespace analyser {

// In-place radix-2 FFT; the size must be a power of two.
void fft(std::vector<std::complex<float>>& values);

} // namespace analyser

#endif
