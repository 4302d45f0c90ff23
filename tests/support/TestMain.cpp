#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

// Each test process gets a cache of its own: no test reads or fills the
// user's ~/.cache/tunemill, and none finds what another test left there.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    testing_support::TemporaryFolder cache;
    setenv("XDG_CACHE_HOME", cache.path("cache").c_str(), 1);
    return RUN_ALL_TESTS();
}
