#ifndef PLUX_TESTS_FUZZ_FUZZREQUIRE_H
#define PLUX_TESTS_FUZZ_FUZZREQUIRE_H

#include <cstdio>
#include <cstdlib>

// A broken promise ends the run with its text, so the fuzzer keeps the input that broke it.
inline void FuzzRequire(bool condition, const char* what) {
    if (condition)
        return;
    std::fprintf(stderr, "violated: %s\n", what);
    std::abort();
}

#define REQUIRE(condition) FuzzRequire(condition, #condition)

#endif
