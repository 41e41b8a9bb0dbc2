#include "play/Announcements.h"

#include <charconv>
#include <cstdlib>

namespace korvanti {
namespace {

// The series lists keep averages as the texts the user saw.
double ReadNumber(const std::string& text, NumberSeparators separators) {
  std::string plain;
  for (char c : text) {
    if (c != separators.thousands) {
      plain += c == separators.decimal ? '.' : c;
    }
  }
  double value = 0;
  std::from_chars(plain.data(), plain.data() + plain.size(), value);
  return value;
}

std::string Joined(const std::vector<std::string>& parts, const std::string& separator) {
  std::string text;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    text += (i > 0 ? separator : "") + parts[i];
  }
  return text;
}

std::string AverageText(const Player& player, NumberSeparators separators) {
  const auto& averages = player.legAverages;
  double sum = 0;
  for (const auto& entry : averages) {
    sum += ReadNumber(entry, separators);
  }
  const double mean = averages.empty() ? 0.0 : sum / static_cast<double>(averages.size());
  return FormatSignificant(mean, 1, separators) + " (" + Joined(averages, " / ") + ")";
}

std::string DoubleText(const Player& player, NumberSeparators separators) {
  std::vector<std::string> games;
  int totalThrows = 0;
  int totalHits = 0;
  int doubleGames = 0;
  for (std::size_t i = 0; i < player.legDoubleThrows.size(); ++i) {
    const int throws = std::atoi(player.legDoubleThrows[i].c_str());
    const int hits =
        i < player.legDoubleHits.size() ? std::atoi(player.legDoubleHits[i].c_str()) : 0;
    double rate = 0;
    if (throws >= 1) {
      rate = static_cast<double>(hits) / throws * 100.0;
      ++doubleGames;
      totalThrows += throws;
      totalHits += hits;
    }
    games.push_back(FormatSignificant(rate, 0, separators) + "% " + std::to_string(throws) + "/" +
                    std::to_string(hits));
  }
  if (doubleGames == 0) {
    return "-";
  }
  // Over the series the rate is pooled: every hit over every dart at a double.
  const double pooled = static_cast<double>(totalHits) / totalThrows * 100.0;
  return FormatSignificant(pooled, 0, separators) + "% " + std::to_string(totalThrows) + "/" +
         std::to_string(totalHits) + " (" + Joined(games, ", ") + ")";
}

}  // namespace

TurnAnnouncement AnnounceTurn(const Game& game, bool decidesTheGame) {
  const auto& turns = game.CurrentTurns();
  const int points = turns.current.TurnScore(false);
  // Count-up games announce what is still missing to the target after the turn.
  const int rest =
      game.CountUpTarget() ? *game.CountUpTarget() - turns.score - points : turns.score - points;
  return {TurnCall(points, !turns.current.counts, decidesTheGame),
          std::to_string(points) + " Punkte, Rest: " + std::to_string(rest)};
}

Summary BuildSummary(const PlayerList& players, const std::string& gameOverText,
                     NumberSeparators separators) {
  Summary summary;
  summary.gameOverText = gameOverText;
  for (const auto& player : players) {
    summary.caption = std::to_string(player->legAverages.size()) + " Spiele durchgeführt";
    summary.rows.push_back({player->nickname + " (" + std::to_string(player->wins) + ")",
                            AverageText(*player, separators), DoubleText(*player, separators)});
  }
  return summary;
}

}  // namespace korvanti
