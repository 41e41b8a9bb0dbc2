#include "engine/PlayerTurns.h"

#include <string>

#include "engine/CheckoutTable.h"
#include "engine/FieldCode.h"
#include "platform/Guid.h"
#include "platform/Notice.h"

namespace korvanti {
namespace {

int MarksOfDart(const Dart& dart, const std::string& number) {
  if (dart.hit == "LS" + number || dart.hit == "SS" + number) {
    return 1;
  }
  if (dart.hit == "D" + number) {
    return 2;
  }
  return dart.hit == "T" + number ? 3 : 0;
}

}  // namespace

void PlayerTurns::AddTurn(const Turn& turn) {
  Turn booked;
  booked.turnId = NewGuidString();
  booked.scoreBefore = turn.scoreBefore;
  booked.progressBefore = turn.progressBefore;
  booked.counts = turn.counts;
  for (std::size_t i = 0; i < booked.hits.size(); ++i) {
    const auto& source = turn.hits[i];
    auto& copy = booked.hits[i];
    copy = source;
    if (!source.HasHit()) {
      copy.hit = std::string(kNotThrownCode);
    }
  }
  turns_.push_back(std::move(booked));
}

void PlayerTurns::RemoveLastTurn() {
  if (!turns_.empty()) {
    turns_.pop_back();
  }
}

void PlayerTurns::ClearTurns() {
  turns_.clear();
}

template <typename Visit>
void PlayerTurns::ForEachDart(bool withCurrent, Visit&& visit) const {
  for (const auto& turn : turns_) {
    for (const auto& dart : turn.hits) {
      visit(dart);
    }
  }
  if (withCurrent) {
    for (const auto& dart : current.hits) {
      visit(dart);
    }
  }
}

double PlayerTurns::Average() const {
  int sum = 0;
  for (const auto& turn : turns_) {
    sum += turn.TurnScore(false);
  }
  if (sum <= 0) {
    return 0.0;
  }
  return static_cast<double>(sum) / static_cast<double>(turns_.size());
}

int PlayerTurns::DartsThrown() const {
  return 3 * static_cast<int>(turns_.size()) + current.DartsEntered();
}

int PlayerTurns::DartsBooked() const {
  int darts = 0;
  for (const auto& turn : turns_) {
    for (const auto& dart : turn.hits) {
      darts += dart.hit.empty() || dart.hit == "na" ? 0 : 1;
    }
  }
  return darts;
}

double PlayerTurns::MarksPerRound() const {
  int marks = 0;
  ForEachDart(true, [&](const Dart& dart) { marks += dart.marks; });
  const int darts = DartsThrown();
  if (marks <= 0 || darts == 0) {
    return 0.0;
  }
  return static_cast<double>(marks) / darts * 3.0;
}

int PlayerTurns::MarksOnNumber(int number, bool withCurrent) const {
  const auto text = std::to_string(number);
  int marks = 0;
  ForEachDart(withCurrent, [&](const Dart& dart) { marks += MarksOfDart(dart, text); });
  return marks;
}

int PlayerTurns::MarksInTurn(int number) const {
  const auto text = std::to_string(number);
  int marks = 0;
  for (const auto& dart : current.hits) {
    marks += MarksOfDart(dart, text);
  }
  return marks;
}

int PlayerTurns::SegmentHits() const {
  int count = 0;
  ForEachDart(true, [&](const Dart& dart) {
    if (dart.HasHit() && dart.HitNumber() == dart.AimNumber()) {
      ++count;
    }
  });
  return count;
}

int PlayerTurns::AimHits() const {
  int count = 0;
  ForEachDart(true, [&](const Dart& dart) {
    if (dart.HasHit() && AimMatches(dart.aim, dart.hit)) {
      ++count;
    }
  });
  return count;
}

double PlayerTurns::AimHitRate() const {
  const int darts = DartsThrown();
  if (darts == 0) {
    return 0.0;
  }
  return static_cast<double>(AimHits()) / darts * 100.0;
}

Turn PlayerTurns::CheckOutProposal(bool doubleOut, const CheckoutTable& table,
                                   std::optional<int> countUpTarget) const {
  Turn proposed;
  const int next = current.FirstEmptyHit();
  if (next == 0) {
    return proposed;
  }
  const int entered = current.TurnScore(true);
  const int rest = countUpTarget ? *countUpTarget - score - entered : score - entered;
  const auto value = table.Lookup(doubleOut, 4 - next, rest);
  if (!value) {
    return proposed;
  }
  try {
    std::size_t start = 0;
    for (int dart = next; dart <= 3; ++dart) {
      if (start > value->size()) {
        continue;
      }
      auto end = value->find(',', start);
      if (end == std::string::npos) {
        end = value->size();
      }
      auto code = value->substr(start, end - start);
      code.erase(0, code.find_first_not_of(" \t"));
      code.erase(code.find_last_not_of(" \t") + 1);
      proposed.Hit(dart).hit = std::move(code);
      start = end + 1;
    }
  } catch (const std::exception&) {
    Notify("Fehler in GetCheckOutThrow");
  }
  return proposed;
}

Turn& PlayerTurns::GetCheckOutThrow(bool doubleOut, const CheckoutTable& table,
                                    std::optional<int> countUpTarget) {
  proposal = CheckOutProposal(doubleOut, table, countUpTarget);
  return proposal;
}

}  // namespace korvanti
