// SPDX-License-Identifier: MIT
//
// The main window, Form1: two inputs, Calculate and Exit, the result label
// and the "&Help" menu. Its handlers only translate: they read the controls,
// call one function of calc/ or app/, and write one control.
//
//   Form1 ──Calculate──> CalcHyperfocal (calc/) ──caption──> iHyper
//         ──Exit───────> Desktop::EndProgram (app/)
//         ──About──────> frmAbout (created on first use, then kept)
#pragma once

#include <QMainWindow>
#include <memory>
#include <string_view>

#include "app/desktop.h"
#include "ui/form_builder.h"

class QAction;

namespace quorvel::ui {

class frmAbout;

class Form1 : public QMainWindow {
  Q_OBJECT

 public:
  // Builds the window and its controls; nothing else happens at start-up.
  explicit Form1(Desktop& desktop, QWidget* parent = nullptr);
  ~Form1() override;

  // The control named `name` in the control table.
  QWidget* control(std::string_view name) const { return controls_[name]; }
  // The menu items: "Quorvel He&lp" and "About".
  QAction* helpItem() const { return help_; }
  QAction* contactItem() const { return contact_; }
  // The About window object; nullptr until About is first chosen.
  frmAbout* aboutWindow() const { return about_.get(); }

 private:
  void cCalculate_Click();
  void cBye_Click();
  void Contact_Click();

  Desktop& desktop_;
  Controls controls_;
  QAction* help_ = nullptr;
  QAction* contact_ = nullptr;
  std::unique_ptr<frmAbout> about_;
};

}  // namespace quorvel::ui
