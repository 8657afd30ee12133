// The core tests' runner; started again by a test with "--role", it plays
// another program (another stand holding a meeting, say).
#include "tests/support/autre_processus.h"

#include <gtest/gtest.h>

#include <string>

int main(int argc, char** argv)
{
    if (argc == 4 && std::string(argv[1]) == "--role") return JouerRole(argv[2], argv[3]);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
