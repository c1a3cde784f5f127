// SPDX-License-Identifier: MIT
#include "ui/form1.h"

#include <utility>

#include "app/translation.h"
#include "calc/hyperfocal.h"
#include "ui/handler_guard.h"

namespace quorvel::ui {

std::string ResultAccessibleName(std::string_view caption) {
  // The caption's sign column holds a blank before a result that is not
  // negative; the sentence has its own blank after the colon.
  std::size_t start = caption.find_first_not_of(' ');
  if (start == std::string_view::npos)
    return Tr("Hyperfocal distance");
  return Fill(Tr("Hyperfocal distance: %1"), {caption.substr(start)});
}

Form1::Form1(Form1View& view, Desktop& desktop, AboutViewFactory makeAboutView)
    : view_(view), desktop_(desktop), makeAboutView_(std::move(makeAboutView)) {}

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
    if (!about_) {
      about_ = std::make_unique<frmAbout>(
          makeAboutView_,
          sysinfo::SysInfoServices{sysinfo::SystemRegistry(), probe_, launcher_, desktop_});
    }
    about_->Show();
  });
}

void Form1::Form_Unload() {
  if (about_ && about_->window())
    about_->Show();
}

}  // namespace quorvel::ui
