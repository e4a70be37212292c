// Test bed of the configuration and identification: a freshly reset module on an in-process host,
// whose simulator folder is a scratch directory the tests lay their files into.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "frame/module_entry.h"
#include "frame/module_state.h"
#include "host/host.h"
#include "frame/frame_globals.h"
#include "support/temp_dir.h"

class StateTest : public ::testing::Test {
 protected:
  void SetUp() override { Restart(); }
  // A fresh module on the same host and folder, for cases that run one after another.
  void Restart() {
    ResetModuleState();
    host_.Attach(&ImportTable, &Linkage);
    SetSimRoot(dir_.path());
  }
  void TearDown() override { ResetModuleState(); }

  static void SetSimRoot(const std::string& path) { sim_root = path; }

  // Writes a file of the simulator folder as a Windows text file: every "\n" becomes CR LF.
  void WriteText(const std::string& rel, std::string_view text) const {
    std::string bytes;
    for (char c : text) {
      if (c == '\n') bytes += '\r';
      bytes += c;
    }
    dir_.Write(rel, bytes);
  }
  void WriteConfig(std::string_view text) const { WriteText("Orvantel/ro757.cfg", text); }

  testing_support::TempDir dir_;
  simhost::Host host_;
};
