// SPDX-License-Identifier: MIT
//
// The About window object, frmAbout. There is one for the whole run, created
// by the first About command. Its window is loaded (built from the control
// table, then Form_Load sets its texts) each time it is shown after being
// closed, and unloaded by OK, Enter, Esc or the close box.
#pragma once

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <string_view>

#include "ui/form_builder.h"

namespace quorvel::ui {

class frmAbout : public QObject {
  Q_OBJECT

 public:
  frmAbout();
  ~frmAbout() override;

  // Shows the window modeless and without an owner, loading it first if it
  // is not loaded; an open window is brought to the front.
  void Show();

  // The loaded window, or nullptr while unloaded.
  QDialog* window() const { return window_; }
  // The control named `name` of the loaded window; nullptr while unloaded.
  QWidget* control(std::string_view name) const;

 private:
  void Load();
  void Form_Load();
  void cmdOK_Click();
  void Unload();

  QPointer<QDialog> window_;
  Controls controls_;
};

}  // namespace quorvel::ui
