#pragma once

#include <QDialog>
#include <functional>

#include "play/GameView.h"
#include "ui/common/Dialogs.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace korvanti {

// The summary of a series at the end of a count-down game, which also asks
// whether to play on: "&weiteres Spiel" accepts, everything else ends it.
class SeriesSummary final : public QDialog {
  Q_OBJECT

 public:
  // The dialog's result for "&Zurücknehmen".
  static constexpr int kTakeBackResult = 2;

  explicit SeriesSummary(QWidget* parent = nullptr);

  // The caption, rows and game-over text as the loop of play made them.
  void Fill(const Summary& summary);
  // One row per player, in the order of the player list.
  void AddRow(const QString& player, const QString& average, const QString& doubles);
  // Shows "&Zurücknehmen", which takes the end of the game back.
  void OfferTakeBack();

 private:
  // The match's result and figures under the series, when a match ended.
  void FillMatch(const MatchSummary& match);

  QTreeWidget* list_;
  QLabel* matchResult_;
  QTreeWidget* matchTable_;
  QLabel* gameOverMessage_;
  QPushButton* continueButton_;
  QPushButton* endButton_;
  QPushButton* takeBackButton_;
};

// Opens the summary over its window and returns at once; `answered` gets Yes
// when the user wants another game, Cancel for "&Zurücknehmen", else No.
void OpenSummary(QWidget* parent, const Summary& summary, bool offerTakeBack,
                 std::function<void(DialogAnswer)> answered);

}  // namespace korvanti
