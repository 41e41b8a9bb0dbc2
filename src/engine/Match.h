#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace korvanti {

// "First to N legs", optionally in "first to M sets". One leg and one set is a
// single game.
struct MatchFormat {
  static constexpr int kMostLegs = 11;
  static constexpr int kMostSets = 7;

  int legs = 1;
  int sets = 1;

  bool IsSingleGame() const { return legs <= 1 && sets <= 1; }
  bool HasSets() const { return sets > 1; }
};

// What a won leg decided.
enum class LegOutcome { Leg, Set, Match };

// The legs and sets of a match between players in a fixed order of play, and
// who starts each leg: the starter alternates leg by leg; with sets the
// starter of set k+1 is the player after the starter of set k, and within a
// set the legs alternate from there.
class MatchScore {
 public:
  MatchScore(MatchFormat format, std::size_t players, std::size_t firstStarter = 0);

  const MatchFormat& Format() const { return format_; }
  std::size_t Players() const { return legs_.size(); }
  // The player who throws first in the leg being played (or the last one).
  std::size_t Starter() const;
  int Set() const { return set_; }  // from 1
  int Leg() const { return leg_; }  // from 1, within the set
  // Legs won in the set being played (the last one, once the match is over).
  int LegsOf(std::size_t player) const { return legs_.at(player); }
  int SetsOf(std::size_t player) const { return sets_.at(player); }
  // Legs won over the whole match, and legs played.
  int TotalLegsOf(std::size_t player) const { return totalLegs_.at(player); }
  int LegsPlayed() const { return legsPlayed_; }

  // The player won the leg being played; the next leg (and set) begins unless
  // this ended the match.
  LegOutcome WinLeg(std::size_t player);
  bool Finished() const { return winner_.has_value(); }
  std::optional<std::size_t> Winner() const { return winner_; }

 private:
  MatchFormat format_;
  std::size_t firstStarter_;
  std::vector<int> legs_;
  std::vector<int> sets_;
  std::vector<int> totalLegs_;
  int set_ = 1;
  int leg_ = 1;
  int legsPlayed_ = 0;
  std::optional<std::size_t> winner_;
};

}  // namespace korvanti
