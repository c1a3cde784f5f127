// SPDX-License-Identifier: MIT
//
// What the windows' handlers need of a window system, as small interfaces
// that each front end implements (ui/qt with Qt Widgets, ui/win32 with the
// Win32 API) and the tests implement with fakes:
//
//   Form1View     the main window's controls: read a box, write the result,
//                 put the focus in a box
//   AboutView     one loaded About window: set its texts, show it; destroying
//                 it unloads the window
//   AboutViewFactory  loads (builds) a new About window
//
// UTF-8 text throughout.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace quorvel::ui {

class frmAbout;

// The main window's two input boxes.
enum class Box { Focal, Aperture };

class Form1View {
 public:
  virtual ~Form1View() = default;
  // The text typed into `box`.
  virtual std::string BoxText(Box box) const = 0;
  // Sets the caption of the result label, and the name a screen reader
  // announces for it.
  virtual void SetResult(std::string_view caption, std::string_view accessibleName) = 0;
  // Puts the focus in `box` with all its text selected.
  virtual void FocusAndSelect(Box box) = 0;
};

// The texts of the About window that are set when it loads. The summary is
// not shown: a screen reader says it when the window opens, as the window's
// description, since it passes over labels as short as the title and the
// version.
enum class AboutText { WindowCaption, Title, Version, Summary };

class AboutView {
 public:
  // Unloads the window: it closes and its controls are gone.
  virtual ~AboutView() = default;
  virtual void SetText(AboutText which, std::string_view text) = 0;
  // Shows the window modeless, at the front and active, restored if it was
  // minimised (a window manager may give it a minimise button all the same).
  // It is not tied to the main window: on Win32 a hidden window owns it,
  // which keeps it off the task bar.
  virtual void Show() = 0;
};

// Builds the About window from its table, hidden, at its fixed place, with
// the focus on OK. OK and Enter call about.cmdOK_Click(); the close box calls
// about.Unload(); Esc calls one of the two.
using AboutViewFactory = std::function<std::unique_ptr<AboutView>(frmAbout& about)>;

}  // namespace quorvel::ui
