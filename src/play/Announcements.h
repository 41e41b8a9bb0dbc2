#pragma once

#include <string>

#include "engine/Game.h"
#include "platform/NumberFormat.h"
#include "play/CallerTexts.h"
#include "play/GameView.h"

namespace korvanti {

// What the count-down panel announces when a turn is checked in, decided
// before the turn is booked.
struct TurnAnnouncement {
  Call call;               // "Gewonnen.mp3" for the deciding turn, else "<points>.mp3"
  std::string bannerText;  // "<points> Punkte, Rest: <rest>"
};
TurnAnnouncement AnnounceTurn(const Game& game, bool decidesTheGame);

// The summary of a series: per player the wins, the averages and the double
// rates of every game so far.
Summary BuildSummary(const PlayerList& players, const std::string& gameOverText,
                     NumberSeparators separators = {});

}  // namespace korvanti
