#include "ui/start/MatchFields.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

namespace korvanti {
namespace {

QSpinBox* CountField(QWidget* parent, const char* name, int most, const QString& tooltip) {
  auto* field = new QSpinBox(parent);
  field->setObjectName(name);
  field->setRange(1, most);
  field->setToolTip(tooltip);
  field->setAccessibleName(tooltip);
  field->setMinimumWidth(56);
  return field;
}

}  // namespace

MatchFields::MatchFields(QWidget* parent)
    : QWidget(parent),
      legs_(CountField(this, "spnLegs", MatchFormat::kMostLegs,
                       QStringLiteral("Legs zum Sieg: gewonnen hat, wer zuerst so viele Legs "
                                      "gewinnt (1: ein einzelnes Spiel)"))),
      sets_(CountField(this, "spnSets", MatchFormat::kMostSets,
                       QStringLiteral("Sätze zum Sieg (1: ohne Sätze)"))),
      bullOff_(new QCheckBox(QStringLiteral("Ausbullen"), this)) {
  bullOff_->setObjectName("chkBullOff");
  bullOff_->setToolTip(
      QStringLiteral("Vor dem ersten Leg wirft jeder einen Dart auf das Bull; wer am nächsten "
                     "an der Mitte liegt, beginnt"));
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* legsLabel = new QLabel(QStringLiteral("Legs"), this);
  legsLabel->setBuddy(legs_);
  auto* setsLabel = new QLabel(QStringLiteral("Sets"), this);
  setsLabel->setBuddy(sets_);
  layout->addWidget(legsLabel);
  layout->addWidget(legs_);
  layout->addSpacing(8);
  layout->addWidget(setsLabel);
  layout->addWidget(sets_);
  layout->addSpacing(8);
  layout->addWidget(bullOff_);
  layout->addStretch(1);
  const auto tell = [this] {
    if (changed_) {
      changed_();
    }
  };
  connect(legs_, &QSpinBox::valueChanged, this, tell);
  connect(sets_, &QSpinBox::valueChanged, this, tell);
  connect(bullOff_, &QCheckBox::toggled, this, tell);
}

MatchFormat MatchFields::Format() const {
  return {legs_->value(), sets_->value()};
}

bool MatchFields::BullOff() const {
  return bullOff_->isChecked();
}

void MatchFields::Show(MatchFormat format, bool bullOff) {
  const QSignalBlocker quietLegs(legs_);
  const QSignalBlocker quietSets(sets_);
  const QSignalBlocker quietBox(bullOff_);
  legs_->setValue(format.legs);
  sets_->setValue(format.sets);
  bullOff_->setChecked(bullOff);
}

}  // namespace korvanti
