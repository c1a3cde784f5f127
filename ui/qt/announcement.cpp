// SPDX-License-Identifier: MIT
#include "ui/qt/announcement.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace quorvel::ui::qt {
namespace {

const char* const kNotificationName = "quorvel_announcement";

// The notification has no picture and takes no room: only its name counts.
QAccessibleInterface* NotificationInterface(const QString&, QObject* object) {
  if (object == nullptr || !object->isWidgetType() ||
      object->objectName() != QLatin1String(kNotificationName))
    return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
}

}  // namespace

Announcer::Announcer(QWidget* window) : notification_(new QWidget(window)) {
  static const bool installed = [] {
    QAccessible::installFactory(&NotificationInterface);
    return true;
  }();
  static_cast<void>(installed);
  notification_->setObjectName(QLatin1String(kNotificationName));
  notification_->setGeometry(0, 0, 0, 0);
  notification_->setFocusPolicy(Qt::NoFocus);
  notification_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Announcer::Announce(const QString& text) {
  notification_->setAccessibleName(text);
  QAccessibleEvent shown(notification_, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
}

}  // namespace quorvel::ui::qt
