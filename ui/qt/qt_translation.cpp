// SPDX-License-Identifier: MIT
#include "ui/qt/qt_translation.h"

#include <QApplication>
#include <QLibraryInfo>

#include "ui/qt/qt_text.h"

namespace quorvel::ui::qt {

QtTranslation::QtTranslation(std::string_view language) : language_(language) {
  if (language_.empty())
    return;
  loaded_ = program_.load(QStringLiteral(":/quorvel/translations/quorvel_") + ToQString(language_));
}

void QtTranslation::InstallInApplication() {
  if (!language_.empty() && qt_.load(QStringLiteral("qtbase_") + ToQString(language_),
                                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(&qt_);
  QApplication::setLayoutDirection(TextsRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
}

std::string QtTranslation::Translate(std::string_view source) const {
  QString translated = program_.translate(kTextContext.data(), std::string(source).c_str());
  return translated.isEmpty() ? std::string(source) : translated.toStdString();
}

}  // namespace quorvel::ui::qt
