#include "report/StatisticsDeletion.h"

#include "engine/GameCatalog.h"
#include "store/StatisticsQuery.h"

namespace korvanti {
namespace {

StatisticsQuery Query(Database& database, const StatisticsSelection& selection) {
  StatisticsQuery query(database);
  query.playerId = selection.playerId;
  query.gameTypeKey = selection.gameTypeKey;
  query.allTypes = query.gameTypeKey.empty();
  query.dateFrom = selection.from;
  query.dateTo = selection.to;
  return query;
}

// The entries of the type list stored under the selection's key.
std::string TypesText(const StatisticsSelection& selection) {
  std::vector<std::string_view> labels;
  for (const auto* type : StatisticsTypes()) {
    if (type->gameTypeKey == selection.gameTypeKey) {
      labels.push_back(type->statisticsLabel);
    }
  }
  if (labels.empty()) {
    return "aller Spiele und Trainings";
  }
  std::string text = "\"" + std::string(labels.front()) + "\"";
  for (std::size_t i = 1; i < labels.size(); ++i) {
    text += (i + 1 == labels.size() ? " und \"" : ", \"") + std::string(labels[i]) + "\"";
  }
  return labels.size() > 1 ? "von " + text + " (sie werden gemeinsam gespeichert)" : "von " + text;
}

std::string Plural(int count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

std::string DeletionQuestion(Database& database, const StatisticsSelection& selection) {
  auto query = Query(database, selection);
  const int turns = query.CountTurns();
  const int games = query.CountGames();
  const auto date = [](DateTimeNumber value) { return FormatDateTime("dd/mm/yyyy hh:nn", value); };
  return "Wollen sie wirklich die ausgewählten Statistiken löschen?\n\nEs werden " +
         Plural(turns, "Aufnahme", "Aufnahmen") + " aus " + Plural(games, "Spiel", "Spielen") +
         " von " + selection.nickname + " gelöscht: die Würfe " + TypesText(selection) + " vom " +
         date(selection.from) + " bis " + date(selection.to) + ".";
}

StatisticsDeleted DeleteSelectedStatistics(Database& database,
                                           const StatisticsSelection& selection) {
  auto query = Query(database, selection);
  const auto deleted = query.DeleteStatistics();
  return {deleted.turns, deleted.games};
}

}  // namespace korvanti
