// SPDX-License-Identifier: MIT
//
// The main window on Qt Widgets: builds its controls from the table, and
// hands every event to the handlers of ui/form1.h, which it serves as their
// view; it builds their About windows too.
#pragma once

#include <QIcon>
#include <QMainWindow>
#include <string_view>

#include "app/desktop.h"
#include "ui/form1.h"
#include "ui/qt/announcement.h"
#include "ui/qt/form_builder.h"

class QLabel;
class QLineEdit;

namespace quorvel::ui::qt {

class Form1Window final : public QMainWindow, public Form1View {
 public:
  // Builds the window and its controls; nothing else happens at start-up.
  explicit Form1Window(Desktop& desktop, QWidget* parent = nullptr);
  ~Form1Window() override;

  // The handlers, and through them the About object.
  Form1& handlers() { return handlers_; }

  std::string BoxText(Box box) const override;
  void SetResult(std::string_view caption, std::string_view accessibleName) override;
  void FocusAndSelect(Box box) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QLineEdit* box(Box which) const;
  std::unique_ptr<AboutView> MakeAboutWindow(frmAbout& about);

  // The application icon, and its 32 x 32 picture for the About window: made
  // once for the run, not at every load.
  QIcon icon_;
  QPixmap picture_;
  QLineEdit* focal_ = nullptr;
  QLineEdit* aperture_ = nullptr;
  QLabel* result_ = nullptr;
  // The DPI the controls were laid out for.
  double dpi_ = 96;
  // The height of the menu bar that the window's height allows for.
  int menuHeight_ = 0;
  std::unique_ptr<Announcer> announcer_;
  Form1 handlers_;
};

}  // namespace quorvel::ui::qt
