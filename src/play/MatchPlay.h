#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "engine/BullOff.h"
#include "engine/GameArchive.h"
#include "engine/Match.h"
#include "engine/Player.h"
#include "platform/NumberFormat.h"
#include "play/GameView.h"
#include "play/MatchFigures.h"
#include "play/Scoreboard.h"

namespace korvanti {

// A match as the game screen plays it: the players in their order of play at
// the start, the bull-off that decides who throws first, the legs and sets won
// and the order of the game's players in each leg. A single game with a
// bull-off is a match of one leg that is stored as a plain game.
class MatchPlay {
 public:
  MatchPlay(MatchFormat format, bool bullOff) : format_(format), bullOffWanted_(bullOff) {}

  const MatchFormat& Format() const { return format_; }
  // More than one leg: the legs are stored with a match row.
  bool IsMatch() const { return !format_.IsSingleGame(); }

  // A new match among the players in the order the series started with; the
  // starter is `starter` unless a bull-off decides it. A bull-off needs two players.
  void Begin(const PlayerList& players, std::size_t starter, double now);
  // The starter of the next match of the series when there is no bull-off.
  std::size_t NextMatchStarter() const { return (firstStarter_ + 1) % order_.size(); }

  bool BullOffRunning() const { return bullOff_ && !bullOff_->Decided(); }
  // The player who throws the next bull-off dart.
  const Player* BullOffThrower() const;
  // The bull-off dart landed at this hit-map position; returns the banner,
  // "Anna 12,4 mm", and "… beginnt" once it is decided.
  std::string ThrowBullOff(int x, int y, NumberSeparators numbers);
  // Each player's last distance in millimetres, in the order of play; empty
  // until the bull-off is decided.
  std::vector<double> BullOffDistances() const;

  // Orders the game's players for the leg being played: the starter first,
  // the others after him in the order of play.
  void ArrangeForLeg(PlayerList& players) const;
  // The leg's winner; says what it decided.
  LegOutcome WinLeg(const Player& winner);
  // "Leg an Anna (2:1)" (legs in the set, the winner's first) or "Satz an
  // Anna"; a won match has no banner.
  std::string LegBanner(LegOutcome outcome, const Player& winner) const;
  // "Match an Anna (3:1)", legs or, with sets, sets; the winner's count first.
  std::string MatchResultText() const;
  // "Leg 3, Satz 2", "Leg 3"; empty for a single game.
  std::string Caption() const;

  const MatchScore& Score() const { return *score_; }
  // The player's place in the order of play at the start, or none.
  std::optional<std::size_t> IndexOf(const Player& player) const;
  int LegsOf(const Player& player) const;
  int SetsOf(const Player& player) const;
  // The figures of the leg just decided, counted for each player.
  void CountLeg(const PlayerList& players, bool doubleOut, const Player& winner);
  // The result and each player's figures, once the match is won.
  MatchSummary Summary(NumberSeparators numbers) const;

  // The match's row as it stands, for the leg about to be stored.
  // An ended match (won or given up) has its end time.
  MatchRecord Record(double now, bool ended = false) const;

 private:
  std::string ScoreText(std::size_t winner, bool sets, bool inSet) const;

  MatchFormat format_;
  bool bullOffWanted_;
  std::vector<const Player*> order_;
  std::optional<MatchScore> score_;
  std::optional<BullOff> bullOff_;
  std::vector<MatchFigures> figures_;
  std::size_t firstStarter_ = 0;
  std::string matchId_;
  double startTime_ = 0;
};

// The scoreboard's player list gains each player's legs (and sets).
void AddMatchColumns(PlayerTable& table, const PlayerList& players, const MatchPlay& match);

}  // namespace korvanti
