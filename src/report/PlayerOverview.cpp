#include "report/PlayerOverview.h"

#include "engine/TrainingResult.h"
#include "store/PersonalBests.h"
#include "store/PlayerTotals.h"
#include "store/StatisticsQuery.h"

namespace korvanti {
namespace {

OverviewCell Count(long long value) {
  return {std::to_string(value), static_cast<double>(value)};
}

OverviewCell Figure(double value, NumberSeparators separators) {
  return {FormatFloat("##.##", value, separators), value};
}

OverviewCell Rate(int part, int whole, NumberSeparators separators) {
  return Figure(whole > 0 ? static_cast<double>(part) / whole * 100.0 : 0.0, separators);
}

// Games, wins and the share of wins.
void AddGamesAndWins(const PlayerTotals& totals, std::vector<OverviewCell>& cells,
                     NumberSeparators separators) {
  cells.push_back(Count(totals.games));
  cells.push_back(Count(totals.wins));
  cells.push_back(Rate(totals.wins, totals.games, separators));
}

// "20/5  25%", sorted by the rate; "-" without darts at a double.
OverviewCell DoubleRate(const PlayerTotals& totals, NumberSeparators separators) {
  if (totals.doubleThrows <= 0) {
    return {"-", std::nullopt};
  }
  const double rate = static_cast<double>(totals.doubleHits) / totals.doubleThrows * 100.0;
  return {std::to_string(totals.doubleThrows) + "/" + std::to_string(totals.doubleHits) + "  " +
              FormatSignificant(rate, 0, separators) + "%",
          rate};
}

// "-" before the first turn of a game.
OverviewCell FirstNine(const PlayerTotals& totals, NumberSeparators separators) {
  const auto average = totals.FirstNineAverage();
  return average ? Figure(*average, separators) : OverviewCell{"-", std::nullopt};
}

// The personal-best columns of a player in a training with results.
void AddPersonalBest(const PersonalBest& record, std::vector<OverviewCell>& cells,
                     NumberSeparators separators) {
  cells.push_back(Count(record.trainings));
  if (!record.best) {
    cells.insert(cells.end(), 3, OverviewCell{"-", std::nullopt});
    return;
  }
  cells.push_back(Count(*record.best));
  cells.push_back(Figure(*record.recent, separators));
  // Sorted by the day it was reached.
  cells.push_back({FormatDateTime("dd/mm/yyyy", record.bestDate), record.bestDate});
}

}  // namespace

std::vector<OverviewColumn> OverviewColumns(const GameCatalogEntry* entry) {
  auto columns = OverviewColumns(entry != nullptr ? entry->kind : GameKind::None);
  if (entry != nullptr && ResultOrder(entry->gameTypeKey)) {
    const bool fewer = *ResultOrder(entry->gameTypeKey) == BetterResult::Lower;
    columns.insert(
        columns.end(),
        {{"Trainings", "Beendete Trainings mit Ergebnis (abgebrochene zählen nicht)"},
         {"Bestleistung", fewer ? "Bestes Ergebnis: die wenigsten Darts" : "Bestes Ergebnis"},
         {"Ø letzte 10", "Durchschnitt der letzten zehn Ergebnisse"},
         {"Bester Tag", "Tag, an dem die Bestleistung zuerst erreicht wurde"}});
  }
  return columns;
}

std::vector<OverviewColumn> OverviewColumns(GameKind kind) {
  switch (kind) {
    case GameKind::Out:
      return {{"Spiele", ""},
              {"Gewonnen", ""},
              {"%", ""},
              {"High Score", ""},
              {"PPD", ""},
              {"Best Checkout", ""},
              {"Doppelrate", ""},
              {"First 9", "3-Dart-Schnitt der ersten neun Darts (drei Aufnahmen) jedes Spiels"},
              {"180er", "Aufnahmen mit 180 Punkten"}};
    case GameKind::Cricket:
      return {{"Spiele", ""}, {"Gewonnen", ""}, {"%", ""}, {"MPR", ""}};
    case GameKind::Shanghai:
      return {{"Spiele", ""}, {"Gewonnen", ""}, {"%", ""}};
    case GameKind::Aim:
    case GameKind::None:
      break;
  }
  // The trainings' own end message and list count any field of the number;
  // these columns count the exact field only.
  return {{"Würfe", ""},
          {"Treffer",
           "Treffer genau im Zielfeld (die Meldung am Ende der Segment-Trainings zählt jedes "
           "Feld der Zahl)"},
          {"%", "Treffer genau im Zielfeld je Wurf"}};
}

OverviewFigures OverviewTexts(const PlayerTotals& totals, const PlayerTotals& totals501,
                              GameKind kind, NumberSeparators separators) {
  OverviewFigures figures;
  auto& cells = figures.cells;
  switch (kind) {
    case GameKind::Out:
      AddGamesAndWins(totals, cells, separators);
      figures.referenceAverage501 = totals501.Average();
      figures.referenceAverage = totals.Average();
      cells.push_back(Count(totals.highScore));
      cells.push_back(Figure(totals.PointsPerDart(), separators));
      cells.push_back(Count(totals.bestCheckout));
      cells.push_back(DoubleRate(totals, separators));
      cells.push_back(FirstNine(totals, separators));
      cells.push_back(Count(totals.turns180));
      break;
    case GameKind::Cricket:
      AddGamesAndWins(totals, cells, separators);
      figures.referenceAverage = totals.MarksPerRound();
      cells.push_back(Figure(figures.referenceAverage, separators));
      break;
    case GameKind::Shanghai:
      AddGamesAndWins(totals, cells, separators);
      break;
    case GameKind::Aim:
    case GameKind::None:
      cells.push_back(Count(totals.darts));
      cells.push_back(Count(totals.exactHits));
      cells.push_back(Rate(totals.exactHits, totals.darts, separators));
      break;
  }
  return figures;
}

std::vector<OverviewRow> PlayerOverview(Database& database, const GameCatalogEntry* entry,
                                        DateTimeNumber from, DateTimeNumber now,
                                        NumberSeparators separators) {
  const auto kind = entry ? entry->kind : GameKind::None;
  // Each entry shows the games stored under its own key.
  const std::string key = entry ? std::string(entry->gameTypeKey) : std::string();
  const auto totals = TotalsByPlayer(database, key, from, now);
  const auto totals501 = kind == GameKind::Out && key != "const501dout"
                             ? TotalsByPlayer(database, "const501dout", from, now)
                             : totals;
  const auto of = [](const std::map<std::string, PlayerTotals>& all, const std::string& id) {
    const auto found = all.find(id);
    return found == all.end() ? PlayerTotals{} : found->second;
  };
  const auto order = ResultOrder(key);
  std::vector<OverviewRow> rows;
  for (const auto& [id, names] : StatisticsQuery(database).PlayersByNickname()) {
    rows.push_back({id, names.firstName + " \"" + names.nickname + "\" " + names.lastName,
                    OverviewTexts(of(totals, id), of(totals501, id), kind, separators)});
    if (order) {
      AddPersonalBest(ReadPersonalBest(database, {id, key, *order, from, now, {}}),
                      rows.back().figures.cells, separators);
    }
  }
  return rows;
}

}  // namespace korvanti
