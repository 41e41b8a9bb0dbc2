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

// A box that deletes itself once it is answered or closed.
QMessageBox* NewBox(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
  auto* box = new QMessageBox(parent);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setIcon(icon);
  box->setWindowTitle(Caption());
  // Names typed by players must not be read as markup.
  box->setTextFormat(Qt::PlainText);
  box->setText(PlainLines(text));
  return box;
}

void ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
  auto* box = NewBox(parent, icon, text);
  box->setDefaultButton(box->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole));
  box->open();
}

// "Ja", "Nein" and a third button answered as Cancel: with `withCancel`
// "Abbrechen", which Escape and the close box choose; else `other`, if given,
// and Escape and the close box choose "Nein".
void Ask(QWidget* parent, const QString& text, bool withCancel,
         std::function<void(DialogAnswer)> answered, const QString& other = {}) {
  auto* box = NewBox(parent, QMessageBox::Question, text);
  QPushButton* yes = box->addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
  QPushButton* no = box->addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
  box->setDefaultButton(yes);
  box->setEscapeButton(
      withCancel ? box->addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole) : no);
  QPushButton* third =
      withCancel || other.isEmpty() ? nullptr : box->addButton(other, QMessageBox::ActionRole);
  QObject::connect(box, &QDialog::finished, box,
                   [box, yes, no, third, withCancel, answered = std::move(answered)] {
                     const auto* clicked = box->clickedButton();
                     if (clicked == yes) {
                       answered(DialogAnswer::Yes);
                     } else if (clicked != nullptr && clicked == third) {
                       answered(DialogAnswer::Cancel);
                     } else if (clicked == no || !withCancel) {
                       answered(DialogAnswer::No);
                     } else {
                       answered(DialogAnswer::Cancel);
                     }
                   });
  box->open();
}

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
  ShowMessage(parent_, QMessageBox::Critical, text);
}

void MessageBoxDialogs::Information(const QString& text) {
  ShowMessage(parent_, QMessageBox::Information, text);
}

void MessageBoxDialogs::YesNo(const QString& text, std::function<void(bool)> answered) {
  Ask(parent_, text, false, [answered = std::move(answered)](DialogAnswer answer) {
    answered(answer == DialogAnswer::Yes);
  });
}

void MessageBoxDialogs::YesNoCancel(const QString& text,
                                    std::function<void(DialogAnswer)> answered) {
  Ask(parent_, text, true, std::move(answered));
}

void MessageBoxDialogs::YesNoOther(const QString& text, const QString& other,
                                   std::function<void(DialogAnswer)> answered) {
  Ask(parent_, text, false, std::move(answered), other);
}

}  // namespace korvanti
