#pragma once
// What every fuzz target shares: a broken property ends the run like a crash.
#include <cstdlib>

inline void Check(bool condition) {
  if (!condition) std::abort();
}
