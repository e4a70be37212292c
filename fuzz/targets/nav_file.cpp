// One of the four navigation files (FUZZ_NAV_FILE: ints.txt, awys.txt, apts.txt or navs.txt) loaded
// into the database, alone in its folder.
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "navdb/nav_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FreshModule();
  fuzz::WriteFile(std::string("Orvantel/Navdata/") + FUZZ_NAV_FILE, data, size);
  LoadNavDatabase();
  return 0;
}
