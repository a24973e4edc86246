#include <sys/resource.h>

#include "system/thread_waits.h"

std::uint64_t waitsOfThisThread() {
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return std::uint64_t(usage.ru_nvcsw);
}
