#ifndef ANALYSER_FFT_H
#define ANALYSER_FFT_H

#include <complex>
#include <vector>

namespace analyser {

// Radix-2 FFT of one fixed size (a power of two), its twiddle factors
// computed once.
class Fft {
public:
    explicit Fft(size_t size);
    void transform(std::vector<std::complex<float>>& values) const;

private:
    size_t size;
    std::vector<std::complex<float>> twiddles;
};

} // namespace analyser

#endif
