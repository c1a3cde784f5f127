// SPDX-License-Identifier: MIT
// The main of the library tests: they run in the plain "C" locale whatever
// the caller's, so that "2.8" is a number to every test. The tests of the
// user's locale have a main of their own. On Windows, where a program cannot
// choose its user locale, CTest starts the tests in the "C" locale instead
// (tests/CMakeLists.txt).
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
#ifndef _WIN32
  setenv("LC_ALL", "C", 1);
#endif
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
