#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <vector>

#include "play/WallDisplay.h"

namespace korvanti {

enum class WallPart { Caption, Name, Match, Figure, LastTurn, Proposal };

// One text of the wall display: the box it has, the font fitted to it and the
// rectangle its text takes there.
struct WallText {
  WallPart part = WallPart::Caption;
  int player = -1;  // the player's place for names, match scores and figures
  QString text;
  QRect box;
  QFont font;
  QRect textRect;
};

struct WallPlayerCell {
  QRect rect;
  QRect bar;  // the name line, marked for the player on turn
  bool onTurn = false;
};

struct WallLayout {
  std::vector<WallPlayerCell> cells;
  std::vector<WallText> texts;
  // How thick the frame around the player on turn is drawn, inside his cell.
  int frame = 0;
};

// Where everything of the display goes in a window of this size. The players
// share the room in the grid that gives their figures the biggest digits;
// every text is fitted to its box so that none is cut off.
WallLayout LayOutWall(const WallDisplay& display, QSize size, const QFont& base);

}  // namespace korvanti
