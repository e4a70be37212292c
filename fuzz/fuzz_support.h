// What the fuzz targets share: a scratch simulator folder for the whole process, files laid into it
// byte for byte, and a freshly loaded module with the in-process simulator stand-in attached.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace simhost {
class Host;
}

namespace fuzz {

// The scratch simulator folder (created at first use with the module's folders, removed at exit).
const std::string& SimRoot();

// Replaces the file at `rel` under the scratch folder with exactly these bytes.
void WriteFile(const std::string& rel, const uint8_t* data, size_t size);
void WriteFile(const std::string& rel, std::string_view bytes);
// Removes the file (or folder tree) at `rel` when present.
void RemoveFile(const std::string& rel);
std::string ReadFile(const std::string& rel);

// Every global of the module back to its load value, the stand-in attached, sim_root the scratch
// folder; the stand-in's current directory and application-data folder are the scratch folder too.
simhost::Host& FreshModule();

// A copy of an example file of the repository's simulator folder (for targets that need the rest of
// the database beside the fuzzed file); "" when absent.
std::string ExampleFile(const std::string& rel);

// Aborts with the message: a target's own check failed.
[[noreturn]] void Fail(const char* what);

}  // namespace fuzz
