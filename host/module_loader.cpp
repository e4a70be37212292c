#include "host/module_loader.h"

#include <dlfcn.h>

namespace simhost {

namespace {
constexpr uint32_t kImportTableId = 0x0000000F;
constexpr uint32_t kLinkageModuleId = 0x00000013;
}  // namespace

LoadedModule::~LoadedModule() {
  if (handle_ != nullptr) ::dlclose(handle_);
}

bool LoadedModule::Load(const std::string& path, std::string* error) {
  handle_ = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ == nullptr) {
    const char* why = ::dlerror();
    *error = "cannot load module '" + path + "': " + (why != nullptr ? why : "unknown error");
    return false;
  }
  import_table_ = static_cast<gauge::ImportTableRecord*>(::dlsym(handle_, "ImportTable"));
  linkage_ = static_cast<gauge::LinkageRecord*>(::dlsym(handle_, "Linkage"));
  if (import_table_ == nullptr || linkage_ == nullptr) {
    *error = "module '" + path + "' does not export ImportTable and Linkage";
    return false;
  }
  if (import_table_->table_id != kImportTableId || linkage_->module_id != kLinkageModuleId) {
    *error = "module '" + path + "' is not a gauge module (unexpected import table or linkage identifier)";
    return false;
  }
  status_ = reinterpret_cast<gauge::ModuleStatusFn>(::dlsym(handle_, "ro757_module_status"));
  return true;
}

}  // namespace simhost
