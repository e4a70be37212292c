// Runs the built simhost program on the built shared library and collects what it printed.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace testing_support {

struct SimhostResult {
  int status = -1;
  std::string output;  // stdout and stderr together
};

// Single-quoted for the shell.
inline std::string Quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += (c == '\'') ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

// The built module is the default unless the arguments name one.
inline SimhostResult RunSimhost(const std::string& args) {
  SimhostResult r;
  const std::string module = args.find("--module") == std::string::npos ? " --module " + Quote(RO757_MODULE_SO) : "";
  const std::string cmd = Quote(RO757_SIMHOST) + module + " " + args + " 2>&1";
  FILE* p = ::popen(cmd.c_str(), "r");
  if (p == nullptr) return r;
  char buf[4096];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) r.output.append(buf, n);
  const int raw = ::pclose(p);
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return r;
}

}  // namespace testing_support
