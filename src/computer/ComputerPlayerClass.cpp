#include "computer/ComputerPlayerClass.h"

#include <charconv>
#include <exception>

#include "platform/DateTime.h"
#include "platform/Error.h"
#include "store/abfrageAnzahl.h"

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
std::vector<BoardPoint> BestGamePositions(Database& database, const std::string& playerid) {
  abfrageAnzahl query(database);
  query.PlayerId = playerid;
  query.DateFrom = 0;
  query.DateTo = DateTimeNow();
  std::string bestKey;
  int fewest = 0;
  for (const char* key : {"const501dout", "constpractice_501dout", "constpractice_computerBEST"}) {
    query.GameTypesId = key;
    const int turns = query.TurnsInShortestWin();
    if (turns > 0 && (fewest == 0 || turns < fewest)) {
      fewest = turns;
      bestKey = key;
    }
  }
  if (bestKey.empty()) {
    return {};
  }
  query.GameTypesId = bestKey;
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

ComputerPlayerClass::ComputerPlayerClass() : Playerclass(std::string(kComputerNickname), nullptr) {
  nickname = std::string(kComputerNickname);
}

const Throwclass* ComputerPlayerClass::NextSimulatedTurn() const {
  const auto booked = turns.Count();
  return booked < simulatedTurns.Count() ? &simulatedTurns.Turn(booked) : nullptr;
}

BoardPoint ComputerPlayerClass::NextDartPosition(int n) const {
  if (const auto* turn = NextSimulatedTurn()) {
    return {turn->Hit(n).hitx, turn->Hit(n).hity};
  }
  return {};
}

std::optional<std::string> ComputerPlayerClass::PrepareGame(std::string referencePlayer,
                                                            int average, int up, int down,
                                                            bool exact,
                                                            const PreparationProgress& progress) {
  referencePlayerId = std::move(referencePlayer);
  targetAverage = average;
  toleranceUp = up;
  toleranceDown = down;
  exactAverage = exact;
  return PrepareNextGame(progress);
}

std::optional<std::string> ComputerPlayerClass::PrepareNextGame(
    const PreparationProgress& progress) {
  std::vector<BoardPoint> positions;
  try {
    if (replayBestGame && database != nullptr) {
      positions = BestGamePositions(*database, referencePlayerId);
    }
    if (simulateOwnAverage && ownScatter && simulation != nullptr) {
      positions = simulateDart::GetHitList(*simulation, *ownScatter, progress);
    } else if ((simulateOwnAverage || simulateChosenAverage) && simulation != nullptr &&
               targetAverage > 0) {
      // An average of 0 means the player has no games to take it from.
      positions = simulateDart::GetHitList(*simulation, targetAverage, toleranceUp, toleranceDown,
                                           exactAverage, progress);
    }
  } catch (const Error& error) {
    simulatedTurns.ClearTurns();
    return error.what();
  } catch (const std::exception&) {
    simulatedTurns.ClearTurns();
    return "Fehler in Simulation";
  }
  if (!LoadPositions(positions)) {
    return simulateChosenAverage ? kNoDataForAverage : kNoData;
  }
  return std::nullopt;
}

bool ComputerPlayerClass::LoadPositions(std::span<const BoardPoint> positions) {
  simulatedTurns.ClearTurns();
  for (std::size_t first = 0; first < positions.size(); first += 3) {
    Throwclass turn;
    for (int n = 1; n <= 3 && first + n - 1 < positions.size(); ++n) {
      turn.Hit(n).hitx = positions[first + n - 1].x;
      turn.Hit(n).hity = positions[first + n - 1].y;
    }
    simulatedTurns.AddTurn(turn);
  }
  return !positions.empty();
}

bool ComputerPlayerClass::LoadPositionList(std::string_view positions) {
  return LoadPositions(ParsePositionList(positions));
}

}  // namespace korvanti
