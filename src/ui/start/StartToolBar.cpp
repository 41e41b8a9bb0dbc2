#include "ui/start/StartToolBar.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QIcon>
#include <QKeySequence>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTextEdit>

#include "ui/common/Icons.h"

namespace korvanti {
namespace {

struct ButtonText {
  const char* name;
  const char* caption;
  // The key of the button, as the tooltip names it; Enter, which starts, is
  // the window's (it leaves the text fields alone).
  QKeyCombination key = {};
  const char* keyText = nullptr;
  // What a button does that its caption does not say: its tooltip, and the
  // name a screen reader reads.
  const char* hint = nullptr;
  const char* spokenName = nullptr;
};

constexpr std::array<ButtonText, 7> kButtons{{
    {"btnStart", "Start", {}, "Eingabetaste"},
    {"btnNewPlayer", "Neuer Spieler", Qt::CTRL | Qt::Key_N, "Strg+N"},
    {"btnDeletePlayer", "Spieler löschen"},
    {"btnStatistics", "Statistik ansehen"},
    {"btnMergeGames",
     "Spiele übernehmen…",
     {},
     nullptr,
     "Spiele einer anderen Korvanti-Datenbank (dart.mdb eines anderen Bretts) übernehmen",
     "Spiele übernehmen"},
    {"btnSettings", "Einstellungen"},
    {"btnInstructions", "Kurzanleitung", QKeyCombination(Qt::Key_F1), "F1"},
}};

// Fields where Enter ends the typing rather than starting a game.
bool TakesEnter(const QWidget* focus) {
  if (const auto* choice = qobject_cast<const QComboBox*>(focus)) {
    return choice->isEditable();
  }
  return qobject_cast<const QLineEdit*>(focus) != nullptr ||
         qobject_cast<const QAbstractSpinBox*>(focus) != nullptr ||
         qobject_cast<const QTextEdit*>(focus) != nullptr ||
         qobject_cast<const QPlainTextEdit*>(focus) != nullptr;
}

// The buttons are in the order of the start window's icon roles.
QIcon ButtonIcon(ToolButton button) {
  static_assert(static_cast<int>(IconRole::MergeGames) == static_cast<int>(ToolButton::MergeGames));
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
    if (kButtons[i].key != QKeyCombination()) {
      action->setShortcut(QKeySequence(kButtons[i].key));
    }
    if (kButtons[i].keyText != nullptr) {
      action->setToolTip(QStringLiteral("%1 (%2)").arg(QString::fromUtf8(kButtons[i].caption),
                                                       QString::fromUtf8(kButtons[i].keyText)));
    }
    if (kButtons[i].hint != nullptr) {
      action->setToolTip(QString::fromUtf8(kButtons[i].hint));
    }
    actions_[i] = action;
    auto* shown = widgetForAction(action);
    shown->setObjectName(kButtons[i].name);
    if (kButtons[i].spokenName != nullptr) {
      shown->setAccessibleName(QString::fromUtf8(kButtons[i].spokenName));
      shown->setAccessibleDescription(QString::fromUtf8(kButtons[i].hint));
    }
  }
  auto* enter = new QShortcut(this);
  enter->setKeys({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
  enter->setContext(Qt::WindowShortcut);
  connect(enter, &QShortcut::activated, this, [this] {
    if (auto& start = Action(ToolButton::Start); start.isEnabled()) {
      start.trigger();
    }
  });
  connect(qApp, &QApplication::focusChanged, enter,
          [enter](QWidget* /*old*/, QWidget* now) { enter->setEnabled(!TakesEnter(now)); });
}

QAction& StartToolBar::Action(ToolButton button) const {
  return *actions_[static_cast<std::size_t>(button)];
}

QWidget* StartToolBar::Button(ToolButton button) const {
  return widgetForAction(&Action(button));
}

}  // namespace korvanti
