// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "app/desktop.h"

namespace quorvel::testing {

// A Desktop that records what it is asked to do instead of showing boxes or
// ending the program, so no test ever blocks on a modal dialog.
class RecordingDesktop final : public Desktop {
 public:
  struct Message {
    MessageKind kind;
    std::string caption;
    std::string text;
  };

  void ShowMessageBox(MessageKind kind, std::string_view caption, std::string_view text) override {
    messages.push_back({kind, std::string(caption), std::string(text)});
  }
  void EndProgram() override { ++endProgramCalls; }

  std::vector<Message> messages;
  int endProgramCalls = 0;
};

}  // namespace quorvel::testing
