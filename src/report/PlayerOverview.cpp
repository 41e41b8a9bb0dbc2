#include "report/PlayerOverview.h"

#include "store/PlayerTotals.h"
#include "store/abfrageAnzahl.h"

namespace korvanti {
namespace {

std::string Rate(int part, int whole, NumberSeparators separators) {
  const double rate = whole > 0 ? static_cast<double>(part) / whole * 100.0 : 0.0;
  return FormatFloat("##.##", rate, separators);
}

// Games, wins and the share of wins.
void AddGamesAndWins(const PlayerTotals& totals, std::vector<std::string>& texts,
                     NumberSeparators separators) {
  texts.push_back(std::to_string(totals.games));
  texts.push_back(std::to_string(totals.wins));
  texts.push_back(Rate(totals.wins, totals.games, separators));
}

std::string DoubleRateText(const PlayerTotals& totals, NumberSeparators separators) {
  if (totals.doubleThrows <= 0) {
    return "-";
  }
  const double rate = static_cast<double>(totals.doubleHits) / totals.doubleThrows * 100.0;
  return std::to_string(totals.doubleThrows) + "/" + std::to_string(totals.doubleHits) + "  " +
         FormatSignificant(rate, 0, separators) + "%";
}

}  // namespace

std::vector<std::string> OverviewColumns(GameKind kind) {
  switch (kind) {
    case GameKind::Out:
      return {"Spiele", "Gewonnen", "%", "High Score", "PPD", "Best Checkout", "Doppelrate"};
    case GameKind::Cricket:
      return {"Spiele", "Gewonnen", "%", "MPR"};
    case GameKind::Shanghai:
      return {"Spiele", "Gewonnen", "%"};
    case GameKind::Aim:
    case GameKind::None:
      break;
  }
  return {"Würfe", "Treffer", "%"};
}

OverviewFigures OverviewTexts(const PlayerTotals& totals, const PlayerTotals& totals501,
                              GameKind kind, NumberSeparators separators) {
  OverviewFigures figures;
  auto& texts = figures.texts;
  switch (kind) {
    case GameKind::Out:
      AddGamesAndWins(totals, texts, separators);
      figures.refvalue501 = totals501.Average();
      figures.refvalue = totals.Average();
      texts.push_back(std::to_string(totals.highScore));
      texts.push_back(FormatFloat("##.##", totals.PointsPerDart(), separators));
      texts.push_back(std::to_string(totals.bestCheckout));
      texts.push_back(DoubleRateText(totals, separators));
      break;
    case GameKind::Cricket:
      AddGamesAndWins(totals, texts, separators);
      figures.refvalue = totals.MarksPerRound();
      texts.push_back(FormatFloat("##.##", figures.refvalue, separators));
      break;
    case GameKind::Shanghai:
      AddGamesAndWins(totals, texts, separators);
      break;
    case GameKind::Aim:
    case GameKind::None:
      texts.push_back(std::to_string(totals.darts));
      texts.push_back(std::to_string(totals.exactHits));
      texts.push_back(Rate(totals.exactHits, totals.darts, separators));
      break;
  }
  return figures;
}

std::vector<OverviewRow> PlayerOverview(Database& database, int gameIndex, DateTimeNumber from,
                                        DateTimeNumber now, NumberSeparators separators) {
  const auto* entry = FindCatalogEntry(gameIndex);
  const auto kind = entry ? entry->kind : GameKind::None;
  const auto key = abfrageAnzahl::GameTypeKeyForIndex(gameIndex).value_or(std::string());
  const bool out = kind == GameKind::Out;
  const TotalsWanted wanted{out, kind == GameKind::Cricket,
                            kind == GameKind::Aim || kind == GameKind::None, out};
  const auto totals = TotalsByPlayer(database, key, from, now, wanted);
  const auto totals501 =
      out && key != "const501dout"
          ? TotalsByPlayer(database, "const501dout", from, now, {true, false, false, false})
          : totals;
  const auto of = [](const std::map<std::string, PlayerTotals>& all, const std::string& id) {
    const auto found = all.find(id);
    return found == all.end() ? PlayerTotals{} : found->second;
  };
  abfrageAnzahl query(database);
  std::vector<OverviewRow> rows;
  for (const auto& id : query.PlayerIdsByNickname()) {
    const auto names = query.GetPlayerNames(id).value_or(abfrageAnzahl::Names{});
    rows.push_back({id, names.vorname + " \"" + names.nickname + "\" " + names.nachname,
                    OverviewTexts(of(totals, id), of(totals501, id), kind, separators)});
  }
  return rows;
}

}  // namespace korvanti
