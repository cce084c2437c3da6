#pragma once

#include <cstdio>
#include <cstdlib>

// How AddressSanitizer runs under the fuzzer. A run allocates a few hundred small blocks and
// frees them all; the default quarantine of 256 MB would hand out fresh memory, page after
// page, to every run. A few megabytes still catch a block used after it was freed within a
// run, and five frames say where it came from.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=8:malloc_context_size=5";
}

// Says which property broke before stopping, so a crash file tells its story.
[[noreturn]] inline void failed(const char* file, int line) {
    std::fprintf(stderr, "property broken at %s:%d\n", file, line);
    std::abort();
}
#define check(ok)                                                                                  \
    do {                                                                                           \
        if (!(ok))                                                                                 \
            failed(__FILE__, __LINE__);                                                            \
    } while (false)
