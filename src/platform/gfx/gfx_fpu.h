// Cairo, pixman, fontconfig and FreeType may raise IEEE flags inside their own arithmetic. The
// tests trap FE_INVALID, FE_DIVBYZERO and FE_OVERFLOW to catch faults in the module's code, so the
// back ends hold those traps (and the flags) for the duration of each library call.
#pragma once

#include <fenv.h>

namespace gfx {

class LibraryFpuGuard {
 public:
  LibraryFpuGuard() : trapping_(fegetexcept() != 0) {
    if (trapping_) feholdexcept(&env_);
  }
  ~LibraryFpuGuard() {
    if (trapping_) fesetenv(&env_);
  }
  LibraryFpuGuard(const LibraryFpuGuard&) = delete;
  LibraryFpuGuard& operator=(const LibraryFpuGuard&) = delete;

 private:
  bool trapping_;
  fenv_t env_{};
};

}  // namespace gfx
