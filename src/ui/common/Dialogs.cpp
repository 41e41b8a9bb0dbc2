#include "ui/common/Dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace korvanti {
namespace {

QString Caption() {
  const QString name = QApplication::applicationDisplayName();
  return name.isEmpty() ? QStringLiteral("Korvanti") : name;
}

struct Box {
  QMessageBox box;
  Box(QWidget* parent, QMessageBox::Icon icon, const QString& text) : box(parent) {
    box.setIcon(icon);
    box.setWindowTitle(Caption());
    // Names typed by players must not be read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(PlainLines(text));
  }
  QPushButton* Add(const QString& text, QMessageBox::ButtonRole role) {
    return box.addButton(text, role);
  }
};

}  // namespace

QString PlainLines(const QString& text) {
  QString plain = text;
  plain.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
  plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return plain;
}

MessageBoxDialogs::MessageBoxDialogs(QWidget* parent) : parent_(parent) {}

void MessageBoxDialogs::Error(const QString& text) {
  Box dialog(parent_, QMessageBox::Critical, text);
  dialog.box.setDefaultButton(dialog.Add(QStringLiteral("OK"), QMessageBox::AcceptRole));
  dialog.box.exec();
}

void MessageBoxDialogs::Information(const QString& text) {
  Box dialog(parent_, QMessageBox::Information, text);
  dialog.box.setDefaultButton(dialog.Add(QStringLiteral("OK"), QMessageBox::AcceptRole));
  dialog.box.exec();
}

bool MessageBoxDialogs::YesNo(const QString& text) {
  Box dialog(parent_, QMessageBox::Question, text);
  QPushButton* yes = dialog.Add(QStringLiteral("&Ja"), QMessageBox::YesRole);
  QPushButton* no = dialog.Add(QStringLiteral("&Nein"), QMessageBox::NoRole);
  dialog.box.setDefaultButton(yes);
  dialog.box.setEscapeButton(no);
  dialog.box.exec();
  return dialog.box.clickedButton() == yes;
}

DialogAnswer MessageBoxDialogs::YesNoCancel(const QString& text) {
  Box dialog(parent_, QMessageBox::Question, text);
  QPushButton* yes = dialog.Add(QStringLiteral("&Ja"), QMessageBox::YesRole);
  QPushButton* no = dialog.Add(QStringLiteral("&Nein"), QMessageBox::NoRole);
  QPushButton* cancel = dialog.Add(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
  dialog.box.setDefaultButton(yes);
  dialog.box.setEscapeButton(cancel);
  dialog.box.exec();
  if (dialog.box.clickedButton() == yes) {
    return DialogAnswer::Yes;
  }
  return dialog.box.clickedButton() == no ? DialogAnswer::No : DialogAnswer::Cancel;
}

}  // namespace korvanti
