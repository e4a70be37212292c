#include <iostream>

#include "host/simhost_app.h"

int main(int argc, char** argv) {
  simhost::SimhostOptions options;
  std::string error;
  if (!simhost::ParseSimhostOptions(argc, argv, &options, &error)) {
    std::cerr << simhost::EscapeControlBytes("simhost: " + error) << "\n" << simhost::SimhostUsage();
    return 2;
  }
  if (options.help) {
    std::cout << simhost::SimhostUsage();
    return 0;
  }
  if (options.version) {
    std::cout << "simhost (ro757) " RO757_VERSION "\n";
    return 0;
  }
  simhost::InstallInterruptHandler();
  return simhost::RunSimhost(options, std::cout, std::cerr);
}
