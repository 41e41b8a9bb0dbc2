#pragma once

#include <QWidget>
#include <array>

#include "play/Scoreboard.h"
#include "ui/game/PlayerListView.h"
#include "ui/game/ScorePanelsLayout.h"

class QLabel;

namespace korvanti {

class CricketTileWidget;
class MarksWidget;
class PlayerPictureBox;

// The three mode panels of the game screen. Each paints its part of the
// scoreboard and nothing else; all positions are design pixels that
// SetScale lays out again at the window's scale.

// "pnlGameDown": the last turns, the turn in progress, the remaining score
// and the checkout proposal.
class CountDownPanelView : public QWidget {
 public:
  static constexpr QSize kDesignSize{359, 443};
  static constexpr int kTurnRows = 6;

  explicit CountDownPanelView(QWidget* parent = nullptr);

  void Show(const Scoreboard& board);
  void SetScale(double scale);

 private:
  struct RowLabels {
    std::array<QLabel*, 3> codes{};
    QLabel* points = nullptr;
  };
  RowLabels MakeRow(const QString& codeName, const QString& pointsName, int top);

  PanelLayout layout_;
  RowLabels olderTurns_;
  std::array<RowLabels, kTurnRows> lastTurns_;  // [0] is the last booked turn
  PlayerPictureBox* picture_ = nullptr;
  QLabel* turnPoints_ = nullptr;
  QLabel* remainingCaption_ = nullptr;
  QLabel* remaining_ = nullptr;
  QLabel* checkoutCaption_ = nullptr;
  std::array<QLabel*, 3> checkout_{};
};

// "pnlGameCricket": per number the tile and the marks of the player on turn.
class CricketPanelView : public QWidget {
 public:
  static constexpr QSize kDesignSize{170, 504};
  static constexpr int kRows = 7;

  explicit CricketPanelView(QWidget* parent = nullptr);

  void Show(const Scoreboard& board);
  void SetScale(double scale);

  // What row 0 (15) .. 6 (bull) shows.
  CricketTile TileAt(int row) const;
  int MarksAt(int row) const;

 private:
  PanelLayout layout_;
  std::array<CricketTileWidget*, kRows> tiles_{};
  std::array<MarksWidget*, kRows> marks_{};
};

// "pnlGameShanghai": the targets of the next darts.
class TargetPanelView : public QWidget {
 public:
  static constexpr QSize kDesignSize{326, 76};

  explicit TargetPanelView(QWidget* parent = nullptr);

  void Show(const Scoreboard& board);
  void SetScale(double scale);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  PanelLayout layout_;
  std::array<QLabel*, 3> nextTargets_{};
};

}  // namespace korvanti
