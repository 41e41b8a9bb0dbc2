#pragma once

#include <string>

#include "engine/RoundTheBoard.h"

namespace korvanti {

// Trainings in which every dart has its target: a fixed segment for a number
// of rounds, or the targets of a training definition ("T20=3,D16=2").
class SegmentTraining : public RoundTheBoard {
 public:
  static constexpr int kMostRounds = 100;
  // Far beyond any training played in a day; bounds what a definition can ask for.
  static constexpr std::size_t kMostSteps = 100'000;

  int trainingRounds = 0;
  std::string definition;

  void InitGameType() override;
  // The steps of `definition`, `trainingRounds` times over; every player
  // gets a list of the open targets, one per step.
  void BuildTargets() override;
  bool IsFinished() const override;
  std::string GameOverText() const override;
  // The hits.
  std::optional<int> PlayerResult(const Player& player) const override {
    return player.turns.score;
  }

 protected:
  std::size_t TargetLimit() const override { return targetSteps.size(); }
  // Three steps a round, each with these codes.
  void AddRoundSteps(std::initializer_list<std::string> codes, int roundCount);
  void SetUp(const char* key);
};

// A fixed target for every dart of every round.
template <const char* Key, const char*... Codes>
class FixedSegmentTraining : public SegmentTraining {
 public:
  void InitGameType() override { SetUp(Key); }
  void BuildTargets() override {
    targetSteps.clear();
    AddRoundSteps({Codes...}, trainingRounds);
  }
};

namespace segment_codes {
inline constexpr char kSegment20Key[] = "constpractice_segment_20";
inline constexpr char kSegment19Key[] = "constpractice_segment_19";
inline constexpr char kTreble20Key[] = "constpractice_segment_treble_20";
inline constexpr char kTreble19Key[] = "constpractice_segment_treble_19";
inline constexpr char kBullsKey[] = "constpractice_segment_bulls";
inline constexpr char LS20[] = "LS20", SS20[] = "SS20", D20[] = "D20", T20[] = "T20";
inline constexpr char LS19[] = "LS19", SS19[] = "SS19", D19[] = "D19", T19[] = "T19";
inline constexpr char D25[] = "D25", SS25[] = "SS25";
}  // namespace segment_codes

class Segment20Training
    : public FixedSegmentTraining<segment_codes::kSegment20Key, segment_codes::LS20,
                                  segment_codes::SS20, segment_codes::D20, segment_codes::T20> {};
class Segment19Training
    : public FixedSegmentTraining<segment_codes::kSegment19Key, segment_codes::LS19,
                                  segment_codes::SS19, segment_codes::D19, segment_codes::T19> {};
class Treble20Training
    : public FixedSegmentTraining<segment_codes::kTreble20Key, segment_codes::T20> {};
class Treble19Training
    : public FixedSegmentTraining<segment_codes::kTreble19Key, segment_codes::T19> {};
class BullseyeTraining : public FixedSegmentTraining<segment_codes::kBullsKey, segment_codes::D25,
                                                     segment_codes::SS25> {};

// The doubles 20, 16, 10, 8, 5, 4, 2, 1, each for the chosen rounds.
class DoublesRoundTraining : public SegmentTraining {
 public:
  void InitGameType() override;
  void BuildTargets() override;
};

// One chosen double; the start window sets the definition ("D20=3").
class DoubleTraining : public SegmentTraining {
 public:
  void InitGameType() override { SetUp("constpractice_double"); }
};

// Free throwing for a number of rounds; every dart is recorded, nothing scored.
class FreeThrowTraining : public SegmentTraining {
 public:
  void InitGameType() override;
  void BuildTargets() override {}
  bool CheckIn() override;
  bool IsFinished() const override { return round > rounds; }
  int LeaderIndex() const override { return 0; }
  bool HasProposal() const override { return false; }
  std::string GameOverText() const override { return "Training zu Ende"; }
};

}  // namespace korvanti
