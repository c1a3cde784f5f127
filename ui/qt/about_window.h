// SPDX-License-Identifier: MIT
//
// One loaded About window on Qt Widgets: a modeless dialog without a parent,
// built from the About table. Destroying it unloads the window.
#pragma once

#include <QDialog>
#include <QPixmap>
#include <QPointer>
#include <string_view>

#include "ui/frm_about.h"
#include "ui/qt/form_builder.h"

class QLabel;

namespace quorvel::ui::qt {

class AboutWindow final : public AboutView {
 public:
  // Builds the window hidden, at its fixed place, with the focus on OK; the
  // picture box shows `picture`.
  AboutWindow(frmAbout& handlers, const QPixmap& picture);
  ~AboutWindow() override;

  void SetText(AboutText which, std::string_view text) override;
  void Show() override;

 private:
  QPointer<QDialog> dialog_;
  QLabel* title_ = nullptr;
  QLabel* version_ = nullptr;
};

}  // namespace quorvel::ui::qt
