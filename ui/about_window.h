// SPDX-License-Identifier: MIT
//
// The About window object, frmAbout. There is one for the whole run, created
// by the first About command. Its window is loaded (built from the control
// table, then Form_Load sets its texts) each time it is shown after being
// closed, and unloaded by OK, Enter, Esc or the close box. The object also
// carries two public operations that no control calls, GetKeyValue and
// StartSysInfo; they live in sysinfo/ and use none of its controls.
#pragma once

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <string>
#include <string_view>

#include "app/desktop.h"
#include "app/programs.h"
#include "sysinfo/sysinfo_launcher.h"
#include "ui/form_builder.h"

namespace quorvel::ui {

class frmAbout : public QObject {
  Q_OBJECT

 public:
  // The object on the real registry, launcher and file system.
  explicit frmAbout(Desktop& desktop);
  // The object on the given services (tests pass substitutes).
  explicit frmAbout(const sysinfo::SysInfoServices& services);
  ~frmAbout() override;

  // Reads a registry value as text; see sysinfo/key_value.h.
  bool GetKeyValue(sysinfo::RegKey KeyRoot, const std::string& KeyName,
                   const std::string& SubKeyRef, std::string& KeyVal);
  // Starts the system information tool or says that it is unavailable.
  void StartSysInfo();

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

  SystemLauncher launcher_;
  SystemFileProbe probe_;
  sysinfo::SysInfoServices services_;
  QPointer<QDialog> window_;
  Controls controls_;
};

}  // namespace quorvel::ui
