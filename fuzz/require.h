#pragma once

#include <cstdio>
#include <cstdlib>

// Stops the fuzzing run, as a finding, when a reader breaks what it promises.
inline void require(bool condition, const char *promise)
{
    if (condition)
        return;
    std::fprintf(stderr, "broken: %s\n", promise);
    std::abort();
}
