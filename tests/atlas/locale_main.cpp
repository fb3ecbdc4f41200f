// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The atlas tests run under the locale the environment names (ctest runs them under C, de_DE.UTF-8 and
// tr_TR.UTF-8), as the desktop program does once Qt has set it.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// A locale that is not installed leaves the program in "C" silently: the run would prove nothing.
TEST(Locale, TheOneAskedForIsInForce) {
    const char* wanted = std::getenv("LC_ALL");
    if (!wanted || !*wanted) GTEST_SKIP() << "LC_ALL is not set";
    EXPECT_STREQ(std::setlocale(LC_ALL, nullptr), wanted) << "generate it: scripts/ensure-deps";
}
