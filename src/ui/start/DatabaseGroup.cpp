#include "ui/start/DatabaseGroup.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

#include "ui/common/KorvantiLook.h"

namespace korvanti {
namespace {

constexpr int kRowHeight = 24;
constexpr int kFirstRow = 26;
constexpr int kRowStep = 32;
constexpr int kLeft = 12;
// Two columns of a caption and its field.
constexpr int kFieldLeft = 96;
constexpr int kFieldWidth = 160;
constexpr int kSecondCaptionLeft = 274;
constexpr int kSecondFieldLeft = 350;
constexpr int kCaptionWidth = kFieldLeft - kLeft - 6;
constexpr int kSecondCaptionWidth = kSecondFieldLeft - kSecondCaptionLeft - 6;
constexpr int kUserWidth = 140;
constexpr int kPortWidth = 80;
constexpr int kLastPort = 65535;
constexpr int kPointSize = 10;

QRect Cell(int row, int left, int width) {
  return {left, kFirstRow + row * kRowStep, width, kRowHeight};
}

QLineEdit* MakeField(QWidget* parent, const char* name, const QString& caption, const QRect& rect) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setAccessibleName(caption);
  field->setGeometry(rect);
  return field;
}

}  // namespace

DatabaseGroup::DatabaseGroup(QWidget* parent)
    : QGroupBox(QStringLiteral("Datenbank"), parent),
      local_(new QRadioButton(QStringLiteral("Lokal (dart.mdb)"), this)),
      server_(new QRadioButton(QStringLiteral("Vereinsserver"), this)),
      host_(
          MakeField(this, "edtServer", QStringLiteral("Server"), Cell(1, kFieldLeft, kFieldWidth))),
      port_(new QSpinBox(this)),
      database_(MakeField(this, "edtDatenbank", QStringLiteral("Datenbank"),
                          Cell(2, kFieldLeft, kFieldWidth))),
      user_(MakeField(this, "edtBenutzer", QStringLiteral("Benutzer"),
                      Cell(2, kSecondFieldLeft, kUserWidth))) {
  setObjectName(QStringLiteral("grpDatenbank"));
  local_->setObjectName(QStringLiteral("rbLokal"));
  local_->setGeometry(Cell(0, kLeft, kFieldLeft + kFieldWidth - kLeft));
  server_->setObjectName(QStringLiteral("rbVereinsserver"));
  server_->setGeometry(
      Cell(0, kSecondCaptionLeft, kSecondFieldLeft + kUserWidth - kSecondCaptionLeft));
  port_->setObjectName(QStringLiteral("edtPort"));
  port_->setAccessibleName(QStringLiteral("Port"));
  port_->setGeometry(Cell(1, kSecondFieldLeft, kPortWidth));
  port_->setRange(1, kLastPort);
  port_->setFont(FiguresTextFont(kPointSize));
  host_->setPlaceholderText(QStringLiteral("z. B. vereinsheim"));

  const struct {
    const char* name;
    QString text;
    QWidget* field;
    QRect rect;
  } captions[] = {
      {"lblServer", QStringLiteral("&Server"), host_, Cell(1, kLeft, kCaptionWidth)},
      {"lblPort", QStringLiteral("&Port"), port_, Cell(1, kSecondCaptionLeft, kSecondCaptionWidth)},
      {"lblDatenbank", QStringLiteral("&Datenbank"), database_, Cell(2, kLeft, kCaptionWidth)},
      {"lblBenutzer", QStringLiteral("&Benutzer"), user_,
       Cell(2, kSecondCaptionLeft, kSecondCaptionWidth)},
  };
  for (const auto& caption : captions) {
    auto* label = new QLabel(caption.text, this);  // the group owns it
    label->setObjectName(QString::fromLatin1(caption.name));
    label->setGeometry(caption.rect);
    label->setBuddy(caption.field);
    captions_.push_back(label);
  }
  connect(server_, &QRadioButton::toggled, this, &DatabaseGroup::EnableServerFields);
  local_->setChecked(true);
  EnableServerFields(false);
}

void DatabaseGroup::EnableServerFields(bool enabled) {
  for (QWidget* widget : {static_cast<QWidget*>(host_), static_cast<QWidget*>(port_),
                          static_cast<QWidget*>(database_), static_cast<QWidget*>(user_)}) {
    widget->setEnabled(enabled);
  }
  for (auto* caption : captions_) {
    caption->setEnabled(enabled);
  }
}

void DatabaseGroup::Show(const std::string& stored) {
  stored_ = stored;
  const auto fields = ServerFieldsOf(stored);
  host_->setText(QString::fromStdString(fields.host));
  port_->setValue(fields.port);
  database_->setText(QString::fromStdString(fields.database));
  user_->setText(QString::fromStdString(fields.user));
  (stored.empty() ? local_ : server_)->setChecked(true);
}

std::variant<std::string, ServerFieldProblem> DatabaseGroup::Chosen() const {
  if (local_->isChecked()) {
    return std::string();
  }
  return ServerSetting({host_->text().toStdString(), port_->value(),
                        database_->text().toStdString(), user_->text().toStdString()},
                       stored_);
}

void DatabaseGroup::FocusField(ServerField field) {
  QLineEdit* edit = field == ServerField::Host       ? host_
                    : field == ServerField::Database ? database_
                                                     : user_;
  edit->setFocus();
  edit->selectAll();
}

std::vector<QWidget*> DatabaseGroup::TabStops() const {
  return {local_, server_, host_, port_, database_, user_};
}

}  // namespace korvanti
