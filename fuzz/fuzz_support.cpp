#include "fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "sim/sim_globals.h"
#include "module/module_entry.h"
#include "module/module_state.h"
#include "host/host.h"

namespace fs = std::filesystem;

namespace fuzz {

namespace {

std::string MakeRoot() {
  // Memory-backed when the machine has it: the targets rewrite their files on every input.
  const fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
  std::string tmpl = (base / "ro757_fuzz_XXXXXX").string();
  if (::mkdtemp(tmpl.data()) == nullptr) Fail("cannot make the scratch folder");
  for (const char* d : {"Orvantel/Navdata", "Orvantel/flightplans", "Orvantel/PanelStates", "Orvantel/Sounds",
                        "SimObjects/Airplanes"}) {
    fs::create_directories(fs::path(tmpl) / d);
  }
  return tmpl;
}

void RemoveRoot() {
  std::error_code ec;
  fs::remove_all(SimRoot(), ec);
}

}  // namespace

const std::string& SimRoot() {
  // Never destroyed: the removal at exit still needs the name.
  static const std::string* root = [] {
    auto* r = new std::string(MakeRoot());
    std::atexit(&RemoveRoot);
    return r;
  }();
  return *root;
}

void WriteFile(const std::string& rel, const uint8_t* data, size_t size) {
  const fs::path p = fs::path(SimRoot()) / rel;
  fs::create_directories(p.parent_path());
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

void WriteFile(const std::string& rel, std::string_view bytes) {
  WriteFile(rel, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

void RemoveFile(const std::string& rel) {
  std::error_code ec;
  fs::remove_all(fs::path(SimRoot()) / rel, ec);
}

std::string ReadFile(const std::string& rel) {
  std::ifstream in(fs::path(SimRoot()) / rel, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

simhost::Host& FreshModule() {
  static simhost::Host* host = new simhost::Host();  // lives as long as the process
  ResetModuleState();
  host->Attach(&ImportTable, &Linkage);
  host->set_current_directory(SimRoot());
  host->set_app_data_folder(SimRoot());
  sim_root = SimRoot();
  return *host;
}

std::string ExampleFile(const std::string& rel) {
  std::ifstream in(fs::path(RO757_SOURCE_DIR) / "examples/sim" / rel, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Fail(const char* what) {
  std::fprintf(stderr, "fuzz target check failed: %s\n", what);
  std::abort();
}

}  // namespace fuzz
