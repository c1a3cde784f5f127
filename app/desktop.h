// SPDX-License-Identifier: MIT
//
// The window-side runtime services, behind one small interface so that the
// windows can be tested without a modal box ever blocking a test:
//
//   Desktop            what the window system must provide (message boxes,
//                      ending the program); each front end implements it
//                      (ui/qt/, ui/win32/), the tests with a recorder.
//   ShowMessage        a message with the application's title as caption.
//   ReportError        the report of a CalcError that no handler trapped.
#pragma once

#include <string>
#include <string_view>

#include "app/calc_error.h"

namespace quorvel {

enum class MessageKind { Information, Error };

class Desktop {
 public:
  virtual ~Desktop() = default;
  // Shows a message box with one OK button; returns when it is dismissed.
  virtual void ShowMessageBox(MessageKind kind, std::string_view caption,
                              std::string_view text) = 0;
  // Ends the program at once: every window closes and no further handler runs.
  virtual void EndProgram() = 0;
};

// Shows `text` in a message box captioned with the application's title.
void ShowMessage(Desktop& desktop, std::string_view text);

// The text of the error report: the error's number and its description.
std::string ErrorReportText(const CalcError& error);

// Shows the error report, captioned with the application's title. The program
// goes on afterwards: a mistyped number is no reason to lose the window.
void ReportError(Desktop& desktop, const CalcError& error);

}  // namespace quorvel
