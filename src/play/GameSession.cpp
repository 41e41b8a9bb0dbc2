#include "play/GameSession.h"

#include <algorithm>
#include <cctype>

#include "computer/ComputerPlayerClass.h"
#include "engine/FieldCode.h"
#include "play/Announcements.h"

namespace korvanti {
namespace {

constexpr char kContinueQuestion[] = "Spiel fortsetzten?";
constexpr char kAbortQuestion[] =
    "Spiel Abbrechen. Bei Ja wird das Spiel für die Statistik gespeichert.\n\r"
    "Nein für Abruch ohne Speichern, Abbrechen setzt das Spiel fort.";

// Proposals show a large single without its "L": "LS20" reads "S20".
std::string Shown(const std::string& code) {
  return !code.empty() && std::toupper(static_cast<unsigned char>(code[0])) == 'L' ? code.substr(1)
                                                                                   : code;
}

}  // namespace

GameSession::GameSession(BaseGameClass& game, ModePanel panel, const HitMap& hitMap, GameView& view,
                         SessionOptions options)
    : game_(game), panel_(panel), hitMap_(hitMap), view_(view), options_(options) {}

void GameSession::Start() {
  ResetDisplay();
  Refresh();
}

std::string GameSession::DoubleThrowText() const {
  return doubleTarget_.empty() ? std::string() : "Doppelwurf auf: " + doubleTarget_;
}

ComputerPlayerClass* GameSession::ComputerOnTurn() const {
  return dynamic_cast<ComputerPlayerClass*>(&game_.CurrentPlayer());
}

void GameSession::Click(MouseButton button, int x, int y) {
  if (computerBusy_) {
    return;
  }
  auto code = hitMap_.PositionToField(x, y);
  if (button == MouseButton::Left) {
    RegisterHit(std::move(code), x, y);
  } else if (button == MouseButton::Right) {
    if (options_.aimInput) {
      RegisterAim(code, x, y);
      if (options_.quickCheckIn) {
        TryCheckIn();  // a turn that waited only for its aims is booked now
      }
    } else {
      doubleTarget_ = code.find('D') != std::string::npos ? code : std::string();
    }
  }
}

void GameSession::RegisterHit(std::string code, int x, int y) {
  if (code == kWireCode) {
    code = std::string(kMissCode);
  }
  auto& player = game_.CurrentPlayer();
  // Counted before anything is refused: a click on a full turn still counts at the double.
  if (!doubleTarget_.empty()) {
    ++player.throwsatdouble;
    if (SameCodeIgnoringCase(doubleTarget_, code)) {
      ++player.hitsatdouble;
    }
  }
  auto& turns = player.turns;
  if (turns.current.IsComplete() || game_.IsFinished()) {
    return;
  }
  const int n = turns.current.FirstEmptyHit();
  hitFields_[static_cast<std::size_t>(n - 1)] = code;
  auto& dart = turns.current.Hit(n);
  dart.hit = code;
  dart.hitx = x;
  dart.hity = y;
  if (game_.doublein && !turns.checkedin) {
    if (IsDoubleCode(code)) {
      turns.checkedin = true;
    } else {
      dart.hit = std::string(kMissCode);
    }
  }
  game_.IsTurnValid();
  Refresh();
}

void GameSession::RegisterAim(const std::string& code, int x, int y) {
  auto& current = game_.CurrentTurns().current;
  for (int n = 1; n <= 3; ++n) {
    auto& dart = current.Hit(n);
    if (!dart.HasAim()) {
      aimFields_[static_cast<std::size_t>(n - 1)] = code;
      dart.aim = code;
      dart.aimx = x;
      dart.aimy = y;
      return;
    }
  }
}

void GameSession::ClearLastHit() {
  game_.CurrentTurns().current.DeleteLastHit(true);
  hitFields_ = {};
  Refresh();
}

void GameSession::ClearAim(int dart) {
  game_.CurrentTurns().current.ClearAim(dart);
  aimFields_.at(static_cast<std::size_t>(dart - 1)).clear();
}

void GameSession::PressCheckIn() {
  if (CheckInButtonVisible() && checkInEnabled_ && !result_) {
    CheckInTurn();
  }
}

void GameSession::Refresh() {
  const auto& current = game_.CurrentTurns().current;
  for (int n = 1; n <= 3; ++n) {
    hitFields_[static_cast<std::size_t>(n - 1)] = current.Hit(n).hit;
    aimFields_[static_cast<std::size_t>(n - 1)] = current.Hit(n).aim;
  }
  view_.Refresh(*this);
  playerChanged_ = false;
  TryCheckIn();
  UpdateProposal();
  view_.ProcessEvents();
}

void GameSession::TryCheckIn() {
  if (result_) {
    return;
  }
  const auto& current = game_.CurrentTurns().current;
  if (!game_.IsFinished() && current.tocount && !current.IsComplete() && !game_.IsTurnOver()) {
    checkInEnabled_ = false;
    return;
  }
  if (!options_.quickCheckIn) {
    checkInEnabled_ = true;
    return;
  }
  auto* computer = ComputerOnTurn();
  if (options_.aimInput && computer == nullptr) {
    for (std::size_t i = 0; i < 3; ++i) {
      if (!hitFields_[i].empty() && aimFields_[i].empty()) {
        return;  // the turn waits for its aims
      }
    }
  }
  if (computer != nullptr) {
    view_.ProcessEvents();
    view_.Pause(computer->secondsPerDart * 1000);
  }
  CheckInTurn();
}

void GameSession::CheckInTurn() {
  gameDecided_ = game_.IsFinished();
  playerChanged_ = true;
  checkInEnabled_ = false;
  if (panel_ == ModePanel::CountDown) {
    const auto announcement = AnnounceTurn(game_, gameDecided_);
    if (options_.playSounds) {
      view_.PlaySound(announcement.soundFile);
    }
    if (options_.showPoints) {
      view_.ShowBanner(announcement.bannerText, options_.secondsForPoints * 1000);
    }
  }
  game_.CheckIn();
  if (!gameDecided_) {
    gameDecided_ = game_.IsFinished();
  }
  if (gameDecided_ && !GameOver()) {
    return;
  }
  Refresh();
  const auto* computer = ComputerOnTurn();
  if (computer != nullptr && !computer->turns.current.IsComplete()) {
    computerBusy_ = true;
    CompThrow();
    computerBusy_ = false;
    view_.ClearDartMarks();
  }
}

void GameSession::CompThrow() {
  for (;;) {
    const auto* computer = ComputerOnTurn();
    if (computer == nullptr || computer->turns.current.IsComplete() || game_.IsFinished() ||
        result_) {
      return;
    }
    const int n = computer->turns.current.FirstEmptyHit();
    const auto position = computer->NextDartPosition(n, view_);
    auto code = hitMap_.PositionToField(position.x, position.y);
    view_.MarkComputerDart(position);
    RegisterHit(std::move(code), position.x, position.y);
  }
}

bool GameSession::GameOver() {
  ++game_.players.Player(static_cast<std::size_t>(game_.LeaderIndex())).wins;
  if (panel_ == ModePanel::CountDown) {
    for (auto& player : game_.players) {
      player->legdoublehits.push_back(std::to_string(player->hitsatdouble));
      player->legdoublethrows.push_back(std::to_string(player->throwsatdouble));
      player->legaverages.push_back(
          FormatSignificant(player->turns.Average(), 1, options_.numbers));
    }
  }
  const auto gameOverText = game_.GameOverText();
  const bool goOn =
      panel_ == ModePanel::CountDown && options_.showSummary
          ? view_.ShowSummary(BuildSummary(game_.players, gameOverText, options_.numbers))
          : view_.AskContinue(gameOverText + "\n\r" + kContinueQuestion);
  bool result = false;
  if (goOn) {
    view_.ClearDartMarks();
    SaveFinishedGame();
    game_.NewGame();
    game_.players.Rotate();
    for (auto& player : game_.players) {
      player->throwsatdouble = 0;
      player->hitsatdouble = 0;
    }
    gameDecided_ = false;
    view_.NewGameStarted();
    result = true;
  } else {
    SaveFinishedGame();
    CloseWith(SessionResult::OK);
  }
  ResetDisplay();
  return result;
}

// A game that could not be stored is not given up: the error goes to the
// window, and closing asks again, so that "Ja" can try the save once more.
void GameSession::SaveFinishedGame() {
  try {
    game_.SaveGame();
  } catch (...) {
    gameDecided_ = false;
    throw;
  }
}

bool GameSession::ConfirmAbort() {
  if (gameDecided_) {
    return true;
  }
  switch (view_.AskAbort(kAbortQuestion)) {
    case AbortAnswer::Yes:
      game_.SaveGame();
      gameDecided_ = true;
      CloseWith(SessionResult::Yes);
      return true;
    case AbortAnswer::No:
      gameDecided_ = true;
      CloseWith(SessionResult::No);
      return true;
    case AbortAnswer::Cancel:
      break;
  }
  return false;
}

void GameSession::UndoLastCheckIn() {
  if (!game_.undoallowed) {
    return;
  }
  game_.UndoCheckIn();
  playerChanged_ = true;
  ResetDisplay();
  Refresh();
}

void GameSession::ResetDisplay() {
  proposalFields_ = {};
  for (auto& player : game_.players) {
    player->throwsatdouble = 0;
    player->hitsatdouble = 0;
  }
  doubleTarget_.clear();
}

void GameSession::UpdateProposal() {
  if (panel_ == ModePanel::CountDown) {
    proposalFields_ = {};
    doubleTarget_.clear();
    if (!game_.HasProposal()) {
      game_.CurrentTurns().proposal.Clear();
      return;
    }
    const auto& proposal = game_.CheckoutProposal();
    for (int n = 1; n <= 3; ++n) {
      proposalFields_[static_cast<std::size_t>(n - 1)] = Shown(proposal.Hit(n).hit);
    }
    if (!options_.aimInput) {
      // The first dart still to throw marks its double.
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
    const auto& targets = game_.CurrentTargets();
    auto& current = game_.CurrentTurns().current;
    for (int n = 1; n <= 3; ++n) {
      const auto& aim = targets.Hit(n).aim;
      const auto i = static_cast<std::size_t>(n - 1);
      proposalFields_[i] = aim;
      if (!aim.empty()) {
        current.Hit(n).aim = aim;
        aimFields_[i] = aim;
      } else {
        aimFields_[i] = "0";
      }
    }
  }
}

void GameSession::CloseWith(SessionResult result) {
  result_ = result;
  view_.Close(result);
}

}  // namespace korvanti
