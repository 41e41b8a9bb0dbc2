#include "play/MatchFigures.h"

#include <algorithm>

#include "engine/FieldCode.h"

namespace korvanti {

bool IsOneDartFinish(int pointsLeft) {
  return pointsLeft == 50 || (pointsLeft >= 2 && pointsLeft <= 40 && pointsLeft % 2 == 0);
}

void MatchFigures::AddLeg(const PlayerTurns& legTurns, bool doubleOut, bool won) {
  int number = 0;
  for (const auto& turn : legTurns.Turns()) {
    const int score = turn.TurnScore(false);
    points += score;
    ++turns;
    if (++number <= 3) {
      firstNinePoints += score;
      ++firstNineTurns;
    }
    scores180 += score == 180 ? 1 : 0;
    scores140 += score >= 140 && score < 180 ? 1 : 0;
    scores100 += score >= 100 && score < 140 ? 1 : 0;
    if (doubleOut) {
      int left = turn.scoreBefore;
      for (const auto& dart : turn.hits) {
        if (dart.hit.empty()) {
          break;
        }
        dartsAtDouble += IsOneDartFinish(left) ? 1 : 0;
        left -= FieldValue(dart.hit);
      }
    }
  }
  if (won && !legTurns.Empty() && legTurns.Last().counts) {
    ++checkouts;
    highestCheckout = std::max(highestCheckout, legTurns.Last().TurnScore(false));
  }
}

double MatchFigures::Average() const {
  return turns > 0 ? static_cast<double>(points) / turns : 0.0;
}

double MatchFigures::FirstNineAverage() const {
  return firstNineTurns > 0 ? static_cast<double>(firstNinePoints) / firstNineTurns : 0.0;
}

double MatchFigures::CheckoutPercent() const {
  return dartsAtDouble > 0 ? 100.0 * checkouts / dartsAtDouble : 0.0;
}

std::vector<std::string> MatchSummaryColumns(bool sets) {
  std::vector<std::string> columns{"Spieler", "Legs"};
  if (sets) {
    columns.emplace_back("Sätze");
  }
  for (const char* column :
       {"Schnitt", "First 9", "180er", "140+", "100+", "Checkout %", "Höchstes Finish"}) {
    columns.emplace_back(column);
  }
  return columns;
}

std::vector<std::string> MatchSummaryRow(const std::string& nickname, int legs, int sets,
                                         bool withSets, const MatchFigures& figures,
                                         NumberSeparators numbers) {
  std::vector<std::string> row{nickname, std::to_string(legs)};
  if (withSets) {
    row.push_back(std::to_string(sets));
  }
  row.push_back(FormatFloat("0.0", figures.Average(), numbers));
  row.push_back(FormatFloat("0.0", figures.FirstNineAverage(), numbers));
  row.push_back(std::to_string(figures.scores180));
  row.push_back(std::to_string(figures.scores140));
  row.push_back(std::to_string(figures.scores100));
  row.push_back(figures.dartsAtDouble > 0
                    ? FormatFloat("0.0", figures.CheckoutPercent(), numbers) + " %"
                    : std::string("–"));
  row.push_back(figures.highestCheckout > 0 ? std::to_string(figures.highestCheckout) : "–");
  return row;
}

}  // namespace korvanti
