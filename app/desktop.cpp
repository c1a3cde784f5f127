// SPDX-License-Identifier: MIT
#include "app/desktop.h"

#include "app/identity.h"

namespace quorvel {

void ShowMessage(Desktop& desktop, std::string_view text) {
  desktop.ShowMessageBox(MessageKind::Information, AppIdentity::title, text);
}

std::string ErrorReportText(const CalcError& error) {
  return "Error " + std::to_string(error.number()) + "\n\n" + error.description();
}

void ReportError(Desktop& desktop, const CalcError& error) {
  desktop.ShowMessageBox(MessageKind::Error, AppIdentity::title, ErrorReportText(error));
}

}  // namespace quorvel
