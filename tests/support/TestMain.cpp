// Entry of every test program: the platform services are set up for tests (no box waits
// for a person), then GoogleTest runs.
#include <gtest/gtest.h>

#include <cstdio>
#include <iostream>

#ifdef _WIN32
#include <windows.h>
#endif

#include "support/TestServices.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    InstallTestServices();
    const int result = RUN_ALL_TESTS();
#ifdef _WIN32
    // The results are printed: end here. Under Wine a process whose tests created windows,
    // dialogs or helper threads sometimes waits at its ordinary exit until the test runner's
    // time limit, which would turn a passed test into a failed one.
    std::cout.flush();
    std::fflush(nullptr);
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(result));
#endif
    return result;
}
