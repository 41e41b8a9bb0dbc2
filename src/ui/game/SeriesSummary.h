#pragma once

#include <QDialog>

#include "play/GameView.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace korvanti {

// The summary of a series at the end of a count-down game, which also asks
// whether to play on: "&weiteres Spiel" accepts, everything else ends it.
class SeriesSummary final : public QDialog {
  Q_OBJECT

 public:
  explicit SeriesSummary(QWidget* parent = nullptr);

  // The caption, rows and game-over text as the loop of play made them.
  void Fill(const Summary& summary);
  // One row per player, in the order of the player list.
  void AddRow(const QString& player, const QString& average, const QString& doubles);

 private:
  QTreeWidget* list_;
  QLabel* gameOverMessage_;
  QPushButton* continueButton_;
  QPushButton* endButton_;
};

// Shows the summary modally; true when the user wants another game.
bool AskSummary(QWidget* parent, const Summary& summary);

}  // namespace korvanti
