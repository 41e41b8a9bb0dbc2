#pragma once

#include <QWidget>
#include <functional>

#include "engine/Match.h"

class QCheckBox;
class QSpinBox;

namespace korvanti {

// "Legs", "Sets" and "Ausbullen" for the games that play matches. Each page
// with such games has its own row; the rows show one choice.
class MatchFields final : public QWidget {
 public:
  explicit MatchFields(QWidget* parent = nullptr);

  MatchFormat Format() const;
  bool BullOff() const;
  // Shows the choice without telling anyone.
  void Show(MatchFormat format, bool bullOff);
  // Called whenever the user changes a field.
  void OnChange(std::function<void()> changed) { changed_ = std::move(changed); }

 private:
  QSpinBox* legs_;
  QSpinBox* sets_;
  QCheckBox* bullOff_;
  std::function<void()> changed_;
};

}  // namespace korvanti
