// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/views.h"

namespace quorvel::testing {

// The main window's controls as plain values: what the boxes hold, what the
// result label was last given, where the focus was last put.
class FakeForm1View final : public ui::Form1View {
 public:
  std::string BoxText(ui::Box box) const override {
    return box == ui::Box::Focal ? focal : aperture;
  }
  void SetResult(std::string_view caption, std::string_view accessibleName) override {
    result = caption;
    resultName = accessibleName;
    ++resultWrites;
  }
  void FocusAndSelect(ui::Box box) override { focused = box; }

  std::string focal;
  std::string aperture;
  std::string result;
  std::string resultName;
  int resultWrites = 0;
  std::optional<ui::Box> focused;
};

// Loads pretend About windows and counts them: how many were loaded, how many
// are open now, and the texts and showings of the last one. Passed to the
// handlers as their factory with std::ref.
class FakeAboutWindows final {
 public:
  class Window final : public ui::AboutView {
   public:
    explicit Window(FakeAboutWindows& owner) : owner_(owner) { ++owner_.open; }
    ~Window() override {
      --owner_.open;
      owner_.last = nullptr;
    }
    void SetText(ui::AboutText which, std::string_view text) override {
      texts[which] = text;
      order.push_back(which);
    }
    void Show() override { ++shows; }

    std::map<ui::AboutText, std::string> texts;
    std::vector<ui::AboutText> order;
    int shows = 0;

   private:
    FakeAboutWindows& owner_;
  };

  std::unique_ptr<ui::AboutView> operator()(ui::frmAbout&) {
    ++loads;
    auto window = std::make_unique<Window>(*this);
    last = window.get();
    return window;
  }

  int loads = 0;
  int open = 0;
  Window* last = nullptr;
};

}  // namespace quorvel::testing
