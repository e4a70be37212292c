// Loads the module's shared library as a simulator does: dlopen, then the two exported records.
#pragma once

#include <string>

#include "platform/gauge.h"
#include "platform/module_status.h"

namespace simhost {

class LoadedModule {
 public:
  LoadedModule() = default;
  ~LoadedModule();
  LoadedModule(const LoadedModule&) = delete;
  LoadedModule& operator=(const LoadedModule&) = delete;

  // False with *error when the library cannot be loaded, lacks ImportTable or Linkage, or its linkage
  // is not a gauge module's.
  bool Load(const std::string& path, std::string* error);
  // A module linked into the process instead (the tests link it statically): nothing to load.
  void Adopt(gauge::ImportTableRecord* import_table, gauge::LinkageRecord* linkage, gauge::ModuleStatusFn status) {
    import_table_ = import_table;
    linkage_ = linkage;
    status_ = status;
  }

  gauge::ImportTableRecord* import_table() const { return import_table_; }
  gauge::LinkageRecord* linkage() const { return linkage_; }
  // The module's optional status export; null when the library has none.
  gauge::ModuleStatusFn status() const { return status_; }

 private:
  void* handle_ = nullptr;
  gauge::ImportTableRecord* import_table_ = nullptr;
  gauge::LinkageRecord* linkage_ = nullptr;
  gauge::ModuleStatusFn status_ = nullptr;
};

}  // namespace simhost
