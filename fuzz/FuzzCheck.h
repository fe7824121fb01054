#pragma once

// A broken rule in a fuzz target: says which, and aborts, so that libFuzzer keeps the input that broke it.

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: broken rule: %s\n", __FILE__, __LINE__, #condition);                \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)
