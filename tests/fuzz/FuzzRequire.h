#ifndef PLUX_TESTS_FUZZ_FUZZREQUIRE_H
#define PLUX_TESTS_FUZZ_FUZZREQUIRE_H

#include <cstdio>
#include <cstdlib>

// A broken invariant ends the run, so that libFuzzer keeps the input that broke it.
inline void Require(bool condition, const char* what) {
    if (condition)
        return;
    std::fprintf(stderr, "violated: %s\n", what);
    std::abort();
}

#define REQUIRE(condition) Require(condition, #condition)

#endif
