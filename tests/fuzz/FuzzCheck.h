#ifndef TESTS_FUZZ_FUZZCHECK_H
#define TESTS_FUZZ_FUZZCHECK_H

namespace fuzzing {

// A property of the code under test that an input broke: libFuzzer keeps
// the input as a crash.
inline void check(bool condition) {
    if (!condition)
        __builtin_trap();
}

} // namespace fuzzing

#endif
