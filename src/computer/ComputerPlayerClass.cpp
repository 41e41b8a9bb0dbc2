#include "computer/ComputerPlayerClass.h"

#include <charconv>
#include <vector>

#include "platform/DateTime.h"
#include "store/abfrageAnzahl.h"

namespace korvanti {
namespace {

int LeadingInteger(std::string_view text) {
  int value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

// The player's won game with the fewest turns, among these keys in this order.
std::string BestGamePositions(Database& database, const std::string& playerid) {
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
  return query.ShortestWinPositions();
}

}  // namespace

ComputerPlayerClass::ComputerPlayerClass() : Playerclass(std::string(kComputerNickname), nullptr) {
  nickname = std::string(kComputerNickname);
}

const Throwclass* ComputerPlayerClass::NextSimulatedTurn() const {
  const auto booked = turns.Count();
  return booked < simulatedTurns.Count() ? &simulatedTurns.Turn(booked) : nullptr;
}

BoardPoint ComputerPlayerClass::NextDartPosition(int n, WaitingFacade& waiting) const {
  BoardPoint position;
  if (const auto* turn = NextSimulatedTurn()) {
    position = {turn->Hit(n).hitx, turn->Hit(n).hity};
  }
  waiting.Pause(secondsPerDart * 1000);
  return position;
}

bool ComputerPlayerClass::PrepareGame(std::string referencePlayer, int average, int up, int down,
                                      bool exact) {
  referencePlayerId = std::move(referencePlayer);
  targetAverage = average;
  toleranceUp = up;
  toleranceDown = down;
  exactAverage = exact;
  std::string positions;
  if (replayBestGame && database != nullptr) {
    positions = BestGamePositions(*database, referencePlayerId);
  }
  if ((simulateOwnAverage || simulateChosenAverage) && simulation != nullptr) {
    positions = simulateDart::GetHitList(*simulation, targetAverage, toleranceUp, toleranceDown,
                                         exactAverage);
  }
  return LoadPositionList(positions);
}

void ComputerPlayerClass::RepeatPrepare() {
  PrepareGame(referencePlayerId, targetAverage, toleranceUp, toleranceDown, exactAverage);
}

bool ComputerPlayerClass::LoadPositionList(std::string_view positions) {
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
  simulatedTurns.ClearTurns();
  for (std::size_t first = 0; first < points.size(); first += 3) {
    Throwclass turn;
    for (int n = 1; n <= 3 && first + n - 1 < points.size(); ++n) {
      turn.Hit(n).hitx = points[first + n - 1].x;
      turn.Hit(n).hity = points[first + n - 1].y;
    }
    simulatedTurns.AddTurn(turn);
  }
  return !points.empty();
}

}  // namespace korvanti
