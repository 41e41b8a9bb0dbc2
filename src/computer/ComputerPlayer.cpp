#include "computer/ComputerPlayer.h"

#include <charconv>
#include <exception>

#include "engine/BoardGeometry.h"
#include "platform/DateTime.h"
#include "platform/Error.h"
#include "store/StatisticsQuery.h"

namespace korvanti {
namespace {

constexpr const char* kNoDataForAverage =
    "Keine Spieldaten gefunden! Bitte anderen Schnitt wählen.";
constexpr const char* kNoData =
    "Keine Spieldaten gefunden! Eventuell stehen keine Spieldaten als Basis zur Verfügung.";

int LeadingInteger(std::string_view text) {
  int value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

// The player's won game with the fewest turns, among these keys in this order.
std::vector<BoardPoint> BestGamePositions(Database& database, const std::string& playerId) {
  StatisticsQuery query(database);
  query.playerId = playerId;
  query.dateFrom = 0;
  query.dateTo = DateTimeNow();
  std::string bestKey;
  int fewest = 0;
  for (const char* key : {"const501dout", "constpractice_501dout", "constpractice_computerBEST"}) {
    query.gameTypeKey = key;
    const int turns = query.TurnsInShortestWin();
    if (turns > 0 && (fewest == 0 || turns < fewest)) {
      fewest = turns;
      bestKey = key;
    }
  }
  if (bestKey.empty()) {
    return {};
  }
  query.gameTypeKey = bestKey;
  return ParsePositionList(query.ShortestWinPositions());
}

}  // namespace

std::vector<BoardPoint> ParsePositionList(std::string_view positions) {
  std::vector<BoardPoint> points;
  std::size_t start = 0;
  while (start < positions.size()) {
    auto end = positions.find(',', start);
    if (end == std::string_view::npos) {
      end = positions.size();
    }
    const auto entry = positions.substr(start, end - start);
    const auto equals = entry.find('=');
    if (equals != std::string_view::npos) {
      points.push_back(
          {LeadingInteger(entry.substr(0, equals)), LeadingInteger(entry.substr(equals + 1))});
    }
    start = end + 1;
  }
  return points;
}

ComputerPlayer::ComputerPlayer() : Player(std::string(kComputerNickname), nullptr) {
  nickname = std::string(kComputerNickname);
}

const Turn* ComputerPlayer::NextSimulatedTurn() const {
  const auto booked = turns.Count();
  return booked < simulatedTurns.Count() ? &simulatedTurns.At(booked) : nullptr;
}

BoardPoint ComputerPlayer::NextDartPosition(int n) const {
  if (const auto* turn = NextSimulatedTurn()) {
    return {turn->Hit(n).hitX, turn->Hit(n).hitY};
  }
  return {};
}

BoardPoint ComputerPlayer::BullOffDart() const {
  constexpr double kMiddlingSpread = 2.0;  // about the spread of a 50 average
  auto& random = simulation != nullptr ? simulation->random : ProgramRandom();
  const BoardPoint bull{static_cast<int>(board::kBullX), static_cast<int>(board::kBullY)};
  if (ownScatter) {
    return DartSimulation::ScatterAround(bull, *ownScatter, random);
  }
  double spread = 0;
  if (simulation != nullptr && targetAverage > 0) {
    spread = DartSimulation::ReadSpread(simulation->strengthFile, targetAverage);
  }
  auto position = bull;
  DartSimulation::Scatter(position, spread > 0 ? spread : kMiddlingSpread, random);
  return position;
}

std::optional<std::string> ComputerPlayer::PrepareGame(std::string referencePlayer, int average,
                                                       int up, int down, bool exact,
                                                       const PreparationProgress& progress,
                                                       std::stop_token stop) {
  referencePlayerId = std::move(referencePlayer);
  targetAverage = average;
  toleranceUp = up;
  toleranceDown = down;
  exactAverage = exact;
  return PrepareNextGame(progress, std::move(stop));
}

std::optional<std::string> ComputerPlayer::PrepareNextGame(const PreparationProgress& progress,
                                                           std::stop_token stop) {
  std::vector<BoardPoint> positions;
  try {
    if (replayBestGame && database != nullptr) {
      positions = BestGamePositions(*database, referencePlayerId);
    }
    if (simulateOwnAverage && ownScatter && simulation != nullptr) {
      positions = DartSimulation::GetHitList(*simulation, *ownScatter, progress, stop);
    } else if ((simulateOwnAverage || simulateChosenAverage) && simulation != nullptr &&
               targetAverage > 0) {
      // An average of 0 means the player has no games to take it from.
      positions = DartSimulation::GetHitList(*simulation, targetAverage, toleranceUp, toleranceDown,
                                             exactAverage, progress, stop);
    }
  } catch (const Error& error) {
    simulatedTurns.ClearTurns();
    return error.what();
  } catch (const std::exception&) {
    simulatedTurns.ClearTurns();
    return "Fehler in Simulation";
  }
  if (stop.stop_requested()) {
    simulatedTurns.ClearTurns();
    return kPreparationStopped;
  }
  if (!LoadPositions(positions)) {
    return simulateChosenAverage ? kNoDataForAverage : kNoData;
  }
  return std::nullopt;
}

bool ComputerPlayer::LoadPositions(std::span<const BoardPoint> positions) {
  simulatedTurns.ClearTurns();
  for (std::size_t first = 0; first < positions.size(); first += 3) {
    Turn turn;
    for (int n = 1; n <= 3 && first + n - 1 < positions.size(); ++n) {
      turn.Hit(n).hitX = positions[first + n - 1].x;
      turn.Hit(n).hitY = positions[first + n - 1].y;
    }
    simulatedTurns.AddTurn(turn);
  }
  return !positions.empty();
}

bool ComputerPlayer::LoadPositionList(std::string_view positions) {
  return LoadPositions(ParsePositionList(positions));
}

}  // namespace korvanti
