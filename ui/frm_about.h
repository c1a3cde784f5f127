// SPDX-License-Identifier: MIT
//
// The About window object, frmAbout, written once for every front end. There
// is one for the whole run, created by the first About command. Its window is
// loaded (built by the front end from the control table, then Form_Load sets
// its texts) each time it is shown after being unloaded, and unloaded by OK,
// Enter, Esc or the close box. The object also carries two public operations
// that no control calls, GetKeyValue and StartSysInfo; they live in sysinfo/
// and use none of its controls.
#pragma once

#include <memory>
#include <string>

#include "sysinfo/sysinfo_launcher.h"
#include "ui/views.h"

namespace quorvel::ui {

class frmAbout {
 public:
  // `makeView` builds the window each time it loads; the operations work on
  // `services`, which outlive this object.
  frmAbout(AboutViewFactory makeView, const sysinfo::SysInfoServices& services);
  frmAbout(const frmAbout&) = delete;
  frmAbout& operator=(const frmAbout&) = delete;

  // Reads a registry value as text; see sysinfo/key_value.h.
  bool GetKeyValue(sysinfo::RegKey KeyRoot, const std::string& KeyName,
                   const std::string& SubKeyRef, std::string& KeyVal);
  // Starts the system information tool or says that it is unavailable.
  void StartSysInfo();

  // Shows the window modeless, loading it first if it is not loaded; an open
  // window is brought to the front, not loaded again.
  void Show();
  // OK, Enter or Esc: unloads the window.
  void cmdOK_Click();
  // Unloads the window; the object stays. Nothing happens if it is unloaded.
  void Unload();

  // The loaded window, or nullptr while unloaded.
  AboutView* window() const { return window_.get(); }

 private:
  void Form_Load();

  AboutViewFactory makeView_;
  sysinfo::SysInfoServices services_;
  std::unique_ptr<AboutView> window_;
};

}  // namespace quorvel::ui
