// SPDX-License-Identifier: MIT
#include "app/desktop.h"

#include "app/identity.h"
#include "app/translation.h"

namespace quorvel {

void ShowMessage(Desktop& desktop, std::string_view text) {
  desktop.ShowMessageBox(MessageKind::Information, AppIdentity::title, text);
}

std::string ErrorReportText(const CalcError& error) {
  return Fill(Tr("Error %1\n\n%2"), {std::to_string(error.number()), error.description()});
}

void ReportError(Desktop& desktop, const CalcError& error) {
  desktop.ShowMessageBox(MessageKind::Error, AppIdentity::title, ErrorReportText(error));
}

}  // namespace quorvel
