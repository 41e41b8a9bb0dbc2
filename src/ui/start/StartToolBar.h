#pragma once

#include <QToolBar>
#include <array>

class QAction;

namespace korvanti {

// The start window's buttons, in their order on the bar.
enum class ToolButton {
  Start,
  NewPlayer,
  DeletePlayer,
  Statistics,
  MergeGames,
  Settings,
  Instructions
};

// The tool bar of the start window: seven buttons with picture and caption.
// Enter starts the selected game (except in a field that takes Enter itself),
// Ctrl+N adds a player, F1 opens the instructions.
class StartToolBar final : public QToolBar {
  Q_OBJECT

 public:
  explicit StartToolBar(QWidget* parent = nullptr);

  QAction& Action(ToolButton button) const;
  // The button that shows the action (for clicks in tests).
  QWidget* Button(ToolButton button) const;

 private:
  std::array<QAction*, 7> actions_{};
};

}  // namespace korvanti
