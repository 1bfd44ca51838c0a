// Runs the conversion tests over the FMA-enabled build, on a CPU that can
// execute it; elsewhere reports the test as skipped.
#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (!__builtin_cpu_supports("fma")) {
    std::puts("this CPU has no FMA: nothing to check");
    return 77;
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
