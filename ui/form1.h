// SPDX-License-Identifier: MIT
//
// The main window's handlers, written once for every front end. They only
// translate between the window's controls (through the view) and the rest:
//
//   cCalculate_Click ──> CalcHyperfocal (calc/) ──caption──> iHyper
//   cBye_Click ────────> Desktop::EndProgram (app/)
//   Contact_Click ─────> frmAbout (created on first use, then kept)
//   Form_Unload ───────> frmAbout, shown again if its window is open
//
// Calculate and About run under the guard (handler_guard.h): a CalcError is
// reported and the handler abandoned; the program goes on. Exit raises none.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "app/desktop.h"
#include "app/programs.h"
#include "ui/frm_about.h"
#include "ui/views.h"

namespace quorvel::ui {

// The name a screen reader gives the result label: what it is, then the
// result itself when there is one.
std::string ResultAccessibleName(std::string_view caption);

class Form1 {
 public:
  // `view` is the window's controls and `desktop` shows messages and ends the
  // program; both outlive this object. `makeAboutView` builds the About
  // window each time it loads.
  Form1(Form1View& view, Desktop& desktop, AboutViewFactory makeAboutView);
  ~Form1();
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // Calculate: the texts of iFocal and iAperature to the caption of iHyper.
  // On an error the caption stays, and the focus goes back to the box at
  // fault with its text selected.
  void cCalculate_Click();
  // Exit: ends the program at once, whatever windows are open.
  void cBye_Click();
  // About: creates the one About object on first use, on the system's
  // registry, launcher and file system, and shows its window.
  void Contact_Click();
  // The window is closing (its close box, not Exit). The program runs on
  // while About is open, so About is shown again, restored and in front:
  // minimised, and kept off the task bar, it would leave a running program
  // with nothing on screen.
  void Form_Unload();

  // The About object; nullptr until About is first chosen.
  frmAbout* about() const { return about_.get(); }

 private:
  Form1View& view_;
  Desktop& desktop_;
  AboutViewFactory makeAboutView_;
  SystemLauncher launcher_;
  SystemFileProbe probe_;
  std::unique_ptr<frmAbout> about_;
};

}  // namespace quorvel::ui
