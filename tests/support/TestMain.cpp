// Entry of every test program: the platform services are set up for tests (no box waits
// for a person), then GoogleTest runs.
#include <gtest/gtest.h>

#include "support/TestServices.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    InstallTestServices();
    return RUN_ALL_TESTS();
}
