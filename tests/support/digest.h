// A 64-bit FNV-1a digest, for tests that pin transcribed data: any changed value changes it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>

namespace testing_support {

class Digest {
 public:
  Digest& Add(const void* data, size_t n) {
    for (size_t i = 0; i < n; ++i) h_ = (h_ ^ static_cast<const unsigned char*>(data)[i]) * 0x100000001b3ull;
    return *this;
  }
  // Values by their bytes: plain data only, so that a string is taken by its text, not its pointer.
  template <typename T>
    requires(std::is_trivially_copyable_v<T> && !std::is_pointer_v<T>)
  Digest& Add(const T& value) {
    return Add(&value, sizeof value);
  }
  Digest& Add(std::string_view text) { return Add(text.data(), text.size()); }
  uint64_t value() const { return h_; }

 private:
  uint64_t h_ = 0xcbf29ce484222325ull;
};

}  // namespace testing_support
