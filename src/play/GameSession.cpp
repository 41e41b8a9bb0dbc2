#include "play/GameSession.h"

#include <cctype>
#include <exception>
#include <utility>

#include "computer/ComputerPlayer.h"
#include "engine/FieldCode.h"
#include "play/Announcements.h"
#include "play/PreparationWorker.h"
#include "play/SessionOperation.h"

namespace korvanti {
namespace {

// Proposals show a large single without its "L": "LS20" reads "S20".
std::string Shown(const std::string& code) {
  return !code.empty() && std::toupper(static_cast<unsigned char>(code[0])) == 'L' ? code.substr(1)
                                                                                   : code;
}

}  // namespace

GameSession::GameSession(Game& game, ModePanel panel, const HitMap& hitMap, GameView& view,
                         SessionOptions options)
    : game_(game),
      panel_(panel),
      hitMap_(hitMap),
      view_(view),
      options_(options),
      match_(options.match, options.bullOff) {}

void GameSession::Start() {
  Operation operation(*this);
  operation.Run([&] {
    BeginMatch(0);
    ResetDisplay();
    CallRequiredPoints();
    Settle();
  });
}

Scoreboard GameSession::Board() const {
  auto board =
      BuildScoreboard(game_, panel_, {options_.programFolder, options_.numbers, playerChanged_});
  board.hitFields = hitFields_;
  board.aimFields = aimFields_;
  board.proposalFields = proposalFields_;
  board.doubleThrowText = DoubleThrowText();
  board.aimHint = typingHint_.empty() ? AimHint() : typingHint_;
  if (!typed_.empty()) {
    // The code shows in the field of the dart it will become.
    const auto next = static_cast<std::size_t>(game_.CurrentTurns().current.FirstEmptyHit() - 1);
    if (next < board.hitFields.size()) {
      board.hitFields[next] = typed_ + "_";
    }
  }
  board.checkInVisible = CheckInButtonVisible();
  board.checkInEnabled = CheckInButtonEnabled();
  board.matchCaption = BullOffRunning() ? std::string("Ausbullen") : match_.Caption();
  if (match_.IsMatch()) {
    AddMatchColumns(board.players, game_.players, match_);
  }
  return board;
}

std::string GameSession::DoubleThrowText() const {
  if (const auto* thrower = match_.BullOffThrower()) {
    return "Ausbullen: " + thrower->nickname + " wirft auf das Bull";
  }
  return doubleTarget_.empty() ? std::string() : "Doppelwurf auf: " + doubleTarget_;
}

std::string GameSession::AimHint() const {
  if (!AimsMissing()) {
    return {};
  }
  // A right click gives the first dart without an aim its aim.
  const auto& current = game_.CurrentTurns().current;
  int dart = 1;
  while (dart < 3 && current.Hit(dart).HasAim()) {
    ++dart;
  }
  return "Ziel für Dart " + std::to_string(dart) + " fehlt — Rechtsklick auf das Ziel";
}

ComputerPlayer* GameSession::ComputerOnTurn() const {
  return dynamic_cast<ComputerPlayer*>(&game_.CurrentPlayer());
}

bool GameSession::ComputerBusy() const {
  return pending_ == Step::ComputerDart || pending_ == Step::ComputerCheckIn;
}

bool GameSession::BoardLocked() const {
  return result_ || pending_ || suspended_ || questionOpen_ || ComputerOnTurn() != nullptr;
}

bool GameSession::CheckInButtonEnabled() const {
  return checkInEnabled_ && !pending_ && !suspended_ && !questionOpen_ && !result_;
}

bool GameSession::UndoButtonEnabled() const {
  return game_.undoAllowed && !pending_ && !suspended_ && !questionOpen_ && !result_ &&
         !BullOffRunning();
}

void GameSession::Click(MouseButton button, int x, int y) {
  Operation operation(*this);
  operation.Run([&] {
    if (BoardLocked()) {
      return;
    }
    if (BullOffRunning()) {
      if (button == MouseButton::Left) {
        ThrowBullOff(x, y);
      }
      return;
    }
    const auto code = hitMap_.PositionToField(x, y);
    if (button == MouseButton::Left) {
      if (RecordHit(code, x, y)) {
        Settle();
      }
    } else if (button == MouseButton::Right) {
      if (options_.aimInput) {
        RegisterAim(code, x, y);
        CountAimedDoubles();
        TryCheckIn();  // a turn that waited only for its aims ends now
      } else {
        doubleTarget_ = code.find('D') != std::string::npos ? code : std::string();
      }
    }
  });
}

void GameSession::RegisterHit(const std::string& code, int x, int y) {
  Operation operation(*this);
  operation.Run([&] {
    if (BoardLocked()) {
      return;
    }
    if (BullOffRunning()) {
      ThrowBullOff(x, y);
    } else if (RecordHit(code, x, y)) {
      Settle();
    }
  });
}

bool GameSession::RecordHit(std::string code, int x, int y, bool placed) {
  if (code == kWireCode) {
    code = std::string(kMissCode);
  }
  auto& turns = game_.CurrentTurns();
  if (turns.current.IsComplete() || game_.IsFinished()) {
    return false;  // a refused click counts nowhere, not even at the double
  }
  const int n = turns.current.FirstEmptyHit();
  auto& dart = turns.current.Hit(n);
  dart.hit = code;
  dart.hitX = x;
  dart.hitY = y;
  dart.hitPlaced = placed;
  if (!doubleTarget_.empty()) {
    doubles_.Record(n, SameCodeIgnoringCase(doubleTarget_, code));
    doubles_.Apply(game_.players, game_.CurrentPlayer());
  }
  if (game_.doubleIn && !turns.checkedIn) {
    if (IsDoubleCode(code)) {
      turns.checkedIn = true;
    } else {
      dart.hit = std::string(kMissCode);
    }
  }
  return true;
}

void GameSession::RegisterAim(const std::string& code, int x, int y) {
  auto& current = game_.CurrentTurns().current;
  for (int n = 1; n <= 3; ++n) {
    auto& dart = current.Hit(n);
    if (!dart.HasAim()) {
      aimFields_[static_cast<std::size_t>(n - 1)] = code;
      dart.aim = code;
      dart.aimX = x;
      dart.aimY = y;
      return;
    }
  }
}

void GameSession::ClearLastHit() {
  Operation operation(*this);
  operation.Run([&] {
    if (BoardLocked()) {
      return;
    }
    auto& current = game_.CurrentTurns().current;
    const int last = current.DartsEntered();
    if (last > 0) {
      current.DeleteLastHit(true);
      doubles_.Forget(last);
      doubles_.Apply(game_.players, game_.CurrentPlayer());
      UpdateCheckedIn();
    }
    Settle();  // the turn is judged again: taking back the busting dart makes it count
  });
}

void GameSession::ClearAim(int dart) {
  Operation operation(*this);
  operation.Run([&] {
    if (BoardLocked() || dart < 1 || dart > 3) {
      return;
    }
    auto& aimed = game_.CurrentTurns().current.Hit(dart);
    aimed.aim.clear();
    aimed.aimX = 0;
    aimed.aimY = 0;
    aimFields_[static_cast<std::size_t>(dart - 1)].clear();
    CountAimedDoubles();
  });
}

void GameSession::PressCheckIn() {
  Operation operation(*this);
  operation.Run([&] {
    if (CheckInButtonVisible() && CheckInButtonEnabled()) {
      CheckInTurn();
    }
  });
}

void GameSession::Settle() {
  typingHint_.clear();
  if (result_) {
    return;
  }
  game_.IsTurnValid();
  const auto& current = game_.CurrentTurns().current;
  for (std::size_t i = 0; i < 3; ++i) {
    hitFields_[i] = current.hits[i].hit;
    aimFields_[i] = current.hits[i].aim;
  }
  CountAimedDoubles();
  TryCheckIn();
  if (!result_) {
    UpdateProposal();
  }
}

bool GameSession::TurnEnded() const {
  const auto& current = game_.CurrentTurns().current;
  return game_.IsFinished() || !current.counts || current.IsComplete() || game_.IsTurnOver();
}

bool GameSession::WaitsForAims() const {
  for (std::size_t i = 0; i < 3; ++i) {
    if (!hitFields_[i].empty() && aimFields_[i].empty()) {
      return true;
    }
  }
  return false;
}

bool GameSession::AimsMissing() const {
  // Once the turn is checked in (its banner may still show) nothing waits any more.
  return options_.aimInput && !result_ && !pending_ && !finishedUnsaved_ &&
         ComputerOnTurn() == nullptr && TurnEnded() && WaitsForAims();
}

void GameSession::CountAimedDoubles() {
  if (!options_.aimInput || ComputerOnTurn() != nullptr) {
    return;  // the computer's double is the marked one
  }
  const auto& current = game_.CurrentTurns().current;
  for (int n = 1; n <= 3; ++n) {
    const auto& dart = current.Hit(n);
    if (!dart.hit.empty() && IsDoubleCode(dart.aim)) {
      doubles_.Record(n, SameCodeIgnoringCase(dart.aim, dart.hit));
    } else {
      doubles_.Forget(n);
    }
  }
  doubles_.Apply(game_.players, game_.CurrentPlayer());
}

void GameSession::TryCheckIn() {
  if (result_ || pending_ || finishedUnsaved_) {
    return;
  }
  const auto* computer = ComputerOnTurn();
  if (!TurnEnded()) {
    checkInEnabled_ = false;
    return;
  }
  // A human's finished turn waits for its aims; the button, shown now even
  // with quick check-in, books it without the missing ones.
  if (AimsMissing()) {
    checkInEnabled_ = true;
    return;
  }
  if (!options_.quickCheckIn) {
    checkInEnabled_ = true;
    return;
  }
  if (computer != nullptr) {
    Schedule(Step::ComputerCheckIn, computer->secondsPerDart * 1000);
    return;
  }
  CheckInTurn();
}

void GameSession::CheckInTurn() {
  gameDecided_ = game_.IsFinished();
  checkInEnabled_ = false;
  if (panel_ == ModePanel::CountDown) {
    const auto announcement = AnnounceTurn(game_, gameDecided_);
    Announce(announcement.call);
    if (options_.showPoints) {
      const int milliseconds = options_.secondsForPoints * 1000;
      view_.ShowBanner(announcement.bannerText, milliseconds);
      Schedule(Step::Book, milliseconds);  // booked once the banner has been seen
      return;
    }
  } else if (panel_ == ModePanel::Cricket) {
    Announce(CricketCall(game_.CurrentTurns().current));
  }
  Book();
}

void GameSession::Book() {
  auto& player = game_.CurrentPlayer();
  const bool computerTurn = player.IsComputer();
  doubles_.Book(player);
  game_.CheckIn();
  playerChanged_ = true;
  doubleTarget_.clear();
  doubles_.Apply(game_.players, game_.CurrentPlayer());
  if (!gameDecided_) {
    gameDecided_ = game_.IsFinished();
  }
  if (computerTurn) {
    view_.ClearDartMarks();
  }
  if (gameDecided_) {
    GameOver();
    return;
  }
  CallRequiredPoints();
  Settle();
}

void GameSession::ThrowComputerDart() {
  auto* computer = ComputerOnTurn();
  if (computer == nullptr || TurnEnded()) {
    return;
  }
  if (BullOffRunning()) {
    const auto position = computer->BullOffDart();
    ThrowBullOff(position.x, position.y);
    return;
  }
  const int n = computer->turns.current.FirstEmptyHit();
  const auto position = computer->NextDartPosition(n);
  const auto code = hitMap_.PositionToField(position.x, position.y);
  view_.MarkComputerDart(position);
  if (RecordHit(code, position.x, position.y)) {
    Settle();
  }
}

void GameSession::ContinueComputer() {
  if (result_ || pending_ || suspended_ || finishedUnsaved_) {
    return;
  }
  if (const auto* computer = ComputerOnTurn(); computer != nullptr && !TurnEnded()) {
    Schedule(Step::ComputerDart, computer->secondsPerDart * 1000);
  }
}

void GameSession::UndoOneCheckIn() {
  std::vector<std::size_t> before;
  for (const auto* player : game_.players) {
    before.push_back(player->turns.Count());
  }
  game_.UndoCheckIn();
  std::size_t i = 0;
  for (const auto* player : game_.players) {
    if (player->turns.Count() < before[i]) {
      doubles_.TakeBack(*player, before[i] - player->turns.Count());
    }
    ++i;
  }
}

void GameSession::UndoLastCheckIn() {
  Operation operation(*this);
  operation.Run([&] {
    if (!UndoButtonEnabled()) {
      return;
    }
    // Against the computer, undo goes back to the last human turn; the
    // computer then throws its prepared turn again by itself.
    for (std::size_t step = 0; step < game_.players.Count(); ++step) {
      UndoOneCheckIn();
      const bool openingTurn = game_.round <= 1 && game_.currentPlayer == 0;
      if (ComputerOnTurn() == nullptr || openingTurn) {
        break;
      }
    }
    game_.CurrentTurns().current.counts = true;
    view_.ClearDartMarks();  // the computer's darts of an undone turn go with it
    doubles_.DropCurrent();
    doubles_.Apply(game_.players, game_.CurrentPlayer());
    playerChanged_ = true;
    gameDecided_ = false;
    finishedUnsaved_ = false;
    doubleTarget_.clear();
    proposalFields_ = {};
    UpdateCheckedIn();
    Settle();
  });
}

// In a double-in game the player is in once a double counts among his darts;
// taking that double back puts him out again.
void GameSession::UpdateCheckedIn() {
  if (!game_.doubleIn) {
    return;
  }
  auto& turns = game_.CurrentTurns();
  bool in = false;
  const auto look = [&in](const Turn& turn) {
    for (const auto& dart : turn.hits) {
      in = in || IsDoubleCode(dart.hit);
    }
  };
  for (const auto& turn : turns.Turns()) {
    look(turn);
  }
  look(turns.current);
  turns.checkedIn = in;
}

void GameSession::ResetDisplay() {
  proposalFields_ = {};
  doubleTarget_.clear();
  doubles_.Apply(game_.players, game_.CurrentPlayer());
}

void GameSession::UpdateProposal() {
  if (panel_ == ModePanel::CountDown) {
    proposalFields_ = {};
    doubleTarget_.clear();
    if (!game_.HasProposal()) {
      return;
    }
    const auto proposal = game_.CheckoutProposal();
    for (int n = 1; n <= 3; ++n) {
      proposalFields_[static_cast<std::size_t>(n - 1)] = Shown(proposal.Hit(n).hit);
    }
    if (!options_.aimInput || ComputerOnTurn() != nullptr) {
      // The first dart still to throw marks its double; the computer gives
      // no aims, so its marker counts with aim input too.
      for (std::size_t i = 0; i < 3 && doubleTarget_.empty(); ++i) {
        const bool earlierEmpty = i == 0 || proposalFields_[i - 1].empty();
        if (earlierEmpty && IsDoubleCode(proposal.hits[i].hit)) {
          doubleTarget_ = proposalFields_[i];
        }
      }
    }
  } else if (panel_ == ModePanel::Target) {
    proposalFields_ = {};
    aimFields_ = {};
    if (!game_.HasProposal()) {
      return;
    }
    const auto targets = game_.CurrentTargets();
    auto& current = game_.CurrentTurns().current;
    for (int n = 1; n <= 3; ++n) {
      const auto& aim = targets.Hit(n).aim;
      const auto i = static_cast<std::size_t>(n - 1);
      proposalFields_[i] = aim;
      if (!aim.empty()) {
        current.Hit(n).aim = aim;
        aimFields_[i] = aim;
      } else {
        // A thrown dart shows what it was aimed at; a dart without a target "0".
        const auto& recorded = current.Hit(n).aim;
        aimFields_[i] = recorded.empty() ? "0" : recorded;
      }
    }
  }
}

void GameSession::CloseWith(SessionResult result) {
  if (result_) {
    return;
  }
  result_ = result;
  CancelSteps();
  view_.Close(result);
}

}  // namespace korvanti
