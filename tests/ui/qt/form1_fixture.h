// SPDX-License-Identifier: MIT
// The main window as a user meets it, shown and active, for the window
// tests. Its controls, and the About window's, are found by their names, as
// a screen reader or a UI test tool finds them.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <memory>
#include <string_view>

#include "tests/support/recording_desktop.h"
#include "ui/qt/form1_window.h"
#include "ui/qt/qt_text.h"

namespace quorvel::ui::qt {

class Form1Fixture : public ::testing::Test {
 protected:
  void SetUp() override { Open(); }
  void TearDown() override {
    form_.reset();
    Settle();
  }

  void Open() {
    form_ = std::make_unique<Form1Window>(desktop_);
    form_->show();
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  }

  // The main window's control named `name` in its table.
  template <typename T = QWidget>
  T* Control(std::string_view name) const {
    return form_->findChild<T*>(ToQString(name));
  }

  // The open About window, or nullptr.
  static QDialog* AboutDialog() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->objectName() == QLatin1String("frmAbout") && window->isVisible())
        return qobject_cast<QDialog*>(window);
    }
    return nullptr;
  }
  // The open About window's control named `name` in its table, or nullptr.
  template <typename T = QWidget>
  static T* AboutControl(std::string_view name) {
    QDialog* dialog = AboutDialog();
    return dialog ? dialog->findChild<T*>(ToQString(name)) : nullptr;
  }

  // Lets unloaded windows be deleted, as the event loop would.
  static void Settle() { QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

  testing::RecordingDesktop desktop_;
  std::unique_ptr<Form1Window> form_;
};

}  // namespace quorvel::ui::qt
