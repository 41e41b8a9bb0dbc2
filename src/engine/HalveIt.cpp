#include "engine/HalveIt.h"

#include "engine/FieldCode.h"

namespace korvanti {
namespace {

enum class Kind { Number, AnyDouble, AnyTreble, Bull };

struct Round {
  std::string_view label;
  Kind kind;
  int number;
};

constexpr std::array<Round, HalveIt::kRounds> kRoundsOfPlay{{
    {"15", Kind::Number, 15},
    {"16", Kind::Number, 16},
    {"D", Kind::AnyDouble, 0},
    {"17", Kind::Number, 17},
    {"18", Kind::Number, 18},
    {"T", Kind::AnyTreble, 0},
    {"19", Kind::Number, 19},
    {"20", Kind::Number, 20},
    {"Bull", Kind::Bull, 25},
}};

}  // namespace

std::string_view HalveIt::TargetLabel(int step) {
  return step >= 0 && step < kRounds ? kRoundsOfPlay[static_cast<std::size_t>(step)].label
                                     : std::string_view();
}

int HalveIt::HitsOnTargets(const PlayerTurns& turns) const {
  int hits = 0;
  for (const auto& turn : turns.Turns()) {
    for (const auto& dart : turn.hits) {
      hits += Hits(turn.progressBefore, dart.hit) ? 1 : 0;
    }
  }
  return hits;
}

bool HalveIt::Hits(int step, std::string_view code) {
  if (step < 0 || step >= kRounds || !IsBoardField(code)) {
    return false;
  }
  const auto& round = kRoundsOfPlay[static_cast<std::size_t>(step)];
  switch (round.kind) {
    case Kind::Number:
    case Kind::Bull:
      return FieldNumber(code) == round.number;
    case Kind::AnyDouble:
      return IsDoubleCode(code);
    case Kind::AnyTreble:
      return IsTrebleCode(code);
  }
  return false;
}

void HalveIt::InitGameType() {
  gameTypeKey = "consthalveit";
  rounds = kRounds;
}

void HalveIt::NewGame() {
  Game::NewGame();
  for (auto& player : players) {
    player->turns.score = kStartScore;
    player->turns.bookedScore = kStartScore;
    player->turns.progress = 0;
  }
}

Turn HalveIt::CurrentTargets() const {
  Turn targets;
  const auto& turns = CurrentTurns();
  if (turns.progress != kRounds - 1) {
    return targets;
  }
  for (int n = turns.current.FirstEmptyHit(); n >= 1 && n <= 3; ++n) {
    targets.Hit(n).aim = "SS25";
  }
  return targets;
}

int HalveIt::ScoreAfter(const PlayerTurns& turns) {
  int points = 0;
  bool hit = false;
  for (const auto& dart : turns.current.hits) {
    if (Hits(turns.progress, dart.hit)) {
      hit = true;
      points += FieldValue(dart.hit);
    }
  }
  return hit ? turns.score + points : turns.score / 2;
}

bool HalveIt::CheckIn() {
  auto& turns = CurrentTurns();
  if (turns.progress >= kRounds) {
    return false;
  }
  CommitTurn();
  turns.score = ScoreAfter(turns);
  turns.bookedScore = turns.score;
  ++turns.progress;
  turns.current.Clear();
  turns.current.counts = true;
  if (!IsFinished()) {
    NextPlayer();
  }
  return true;
}

// Over once the last player has thrown his bull round (counting the turn in progress).
bool HalveIt::IsFinished() const {
  const auto& last = players.At(players.Count() - 1).turns;
  const bool lastOnTurn = currentPlayer == static_cast<int>(players.Count()) - 1;
  const int progress = last.progress + (lastOnTurn && last.current.IsComplete() ? 1 : 0);
  return progress >= kRounds;
}

}  // namespace korvanti
