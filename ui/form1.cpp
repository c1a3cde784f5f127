// SPDX-License-Identifier: MIT
#include "ui/form1.h"

#include "calc/hyperfocal.h"
#include "ui/handler_guard.h"

namespace quorvel::ui {

std::string ResultAccessibleName(std::string_view caption) {
  std::string name = "Hyperfocal distance";
  if (!caption.empty()) {
    name += ':';
    name += caption;
  }
  return name;
}

Form1::Form1(Form1View& view, AboutLoader& loader, Desktop& desktop)
    : view_(view), loader_(loader), desktop_(desktop) {}

Form1::~Form1() = default;

void Form1::cCalculate_Click() {
  auto error = RunGuarded(desktop_, [&] {
    std::string caption = CalcHyperfocal(view_.BoxText(Box::Focal), view_.BoxText(Box::Aperture));
    view_.SetResult(caption, ResultAccessibleName(caption));
  });
  if (error)
    view_.FocusAndSelect(error->argument() == kApertureArgument ? Box::Aperture : Box::Focal);
}

void Form1::cBye_Click() {
  desktop_.EndProgram();
}

void Form1::Contact_Click() {
  RunGuarded(desktop_, [&] {
    if (!about_)
      about_ = std::make_unique<frmAbout>(loader_, desktop_);
    about_->Show();
  });
}

}  // namespace quorvel::ui
