#include "publish/TrackPool.h"

#include <sched.h>

namespace publish {

int usableProcessors() {
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    if (sched_getaffinity(0, sizeof allowed, &allowed) != 0)
        return 1;
    int count = CPU_COUNT(&allowed);
    return count > 0 ? count : 1;
}

} // namespace publish
