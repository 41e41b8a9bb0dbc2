#include "report/PlayerOverview.h"

#include "store/abfrageAnzahl.h"

namespace korvanti {
namespace {

std::string Rate(int part, int whole, NumberSeparators separators) {
  const double rate = whole > 0 ? static_cast<double>(part) / whole * 100.0 : 0.0;
  return FormatFloat("##.##", rate, separators);
}

// Games, wins and the share of wins.
void AddGamesAndWins(abfrageAnzahl& query, std::vector<std::string>& texts,
                     NumberSeparators separators) {
  const int games = query.CountGames();
  const int won = query.CountWins();
  texts.push_back(std::to_string(games));
  texts.push_back(std::to_string(won));
  texts.push_back(Rate(won, games, separators));
}

std::string DoubleRateText(const abfrageAnzahl::DoubleRates& rates, NumberSeparators separators) {
  if (rates.throws <= 0) {
    return "-";
  }
  const double rate = static_cast<double>(rates.hits) / rates.throws * 100.0;
  return std::to_string(rates.throws) + "/" + std::to_string(rates.hits) + "  " +
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

OverviewFigures OverviewTexts(abfrageAnzahl& query, GameKind kind, NumberSeparators separators) {
  OverviewFigures figures;
  auto& texts = figures.texts;
  switch (kind) {
    case GameKind::Out: {
      AddGamesAndWins(query, texts, separators);
      const auto key = query.GameTypesId;
      query.GameTypesId = "const501dout";
      figures.refvalue501 = query.GetAverages().average;
      query.GameTypesId = key;
      const auto averages = query.GetAverages();
      figures.refvalue = averages.average;
      texts.push_back(std::to_string(query.HighScore()));
      texts.push_back(FormatFloat("##.##", averages.perdart, separators));
      texts.push_back(std::to_string(query.BestCheckout()));
      texts.push_back(DoubleRateText(query.DoubleRateTotals(), separators));
      break;
    }
    case GameKind::Cricket: {
      AddGamesAndWins(query, texts, separators);
      figures.refvalue = query.MarksPerRoundQuery();
      texts.push_back(FormatFloat("##.##", figures.refvalue, separators));
      break;
    }
    case GameKind::Shanghai:
      AddGamesAndWins(query, texts, separators);
      break;
    case GameKind::Aim:
    case GameKind::None: {
      const int darts = query.CountDarts();
      const int hits = query.CountExactHits();
      texts.push_back(std::to_string(darts));
      texts.push_back(std::to_string(hits));
      texts.push_back(Rate(hits, darts, separators));
      break;
    }
  }
  return figures;
}

std::vector<OverviewRow> PlayerOverview(Database& database, int gameIndex, DateTimeNumber from,
                                        DateTimeNumber now, NumberSeparators separators) {
  const auto* entry = FindCatalogEntry(gameIndex);
  const auto kind = entry ? entry->kind : GameKind::None;
  abfrageAnzahl query(database);
  query.GameTypesId = abfrageAnzahl::GameTypeKeyForIndex(gameIndex).value_or(std::string());
  std::vector<OverviewRow> rows;
  for (const auto& id : query.PlayerIdsByNickname()) {
    const auto names = query.GetPlayerNames(id).value_or(abfrageAnzahl::Names{});
    query.PlayerId = id;
    query.DateFrom = from;
    query.DateTo = now;
    rows.push_back({id, names.vorname + " \"" + names.nickname + "\" " + names.nachname,
                    OverviewTexts(query, kind, separators)});
  }
  return rows;
}

}  // namespace korvanti
