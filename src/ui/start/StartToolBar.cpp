#include "ui/start/StartToolBar.h"

#include <QAction>
#include <QIcon>

#include "ui/common/Icons.h"

namespace korvanti {
namespace {

struct ButtonText {
  const char* name;
  const char* caption;
};

constexpr std::array<ButtonText, 6> kButtons{{
    {"btnStart", "Start"},
    {"btnNewPlayer", "Neuer Spieler"},
    {"btnDeletePlayer", "Spieler löschen"},
    {"btnStatistics", "Statistik ansehen"},
    {"btnSettings", "Einstellungen"},
    {"btnInstructions", "Kurzanleitung"},
}};

// The buttons are in the order of the start window's icon roles.
QIcon ButtonIcon(ToolButton button) {
  static_assert(static_cast<int>(IconRole::Instructions) ==
                static_cast<int>(ToolButton::Instructions));
  return KorvantiIcon(static_cast<IconRole>(button));
}

}  // namespace

StartToolBar::StartToolBar(QWidget* parent) : QToolBar(parent) {
  setObjectName("ToolBar");
  setMovable(false);
  setFloatable(false);
  setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  setIconSize({32, 32});
  for (std::size_t i = 0; i < kButtons.size(); ++i) {
    auto* action =
        addAction(ButtonIcon(static_cast<ToolButton>(i)), QString::fromUtf8(kButtons[i].caption));
    action->setObjectName(kButtons[i].name);
    actions_[i] = action;
    widgetForAction(action)->setObjectName(kButtons[i].name);
  }
}

QAction& StartToolBar::Action(ToolButton button) const {
  return *actions_[static_cast<std::size_t>(button)];
}

QWidget* StartToolBar::Button(ToolButton button) const {
  return widgetForAction(&Action(button));
}

}  // namespace korvanti
