#pragma once
// The one way a fuzz target reports a broken invariant, the same in the fuzzing build and in the
// corpus replay of the ordinary build: it names the condition and aborts, so that libFuzzer keeps
// the input and the replay test fails.

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(cond)                                                                                     \
    do {                                                                                                     \
        if (!(cond)) {                                                                                       \
            std::fprintf(stderr, "%s:%d: invariant failed: %s\n", __FILE__, __LINE__, #cond);                \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)
