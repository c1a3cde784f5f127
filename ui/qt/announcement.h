// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

namespace quorvel::ui::qt {

// Says a short text through the screen reader, if one runs, without moving
// the focus: the text is the name of an accessible notification inside
// `window`, which is shown anew for each announcement, also of the same text.
// Screen readers speak a notification when it is shown, where they keep quiet
// about a label whose text changes away from the focus.
class Announcer {
 public:
  explicit Announcer(QWidget* window);
  void Announce(const QString& text);

 private:
  QWidget* notification_;
};

}  // namespace quorvel::ui::qt
