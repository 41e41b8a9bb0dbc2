#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "FakeArchive.h"
#include "RecordingView.h"
#include "TempFolder.h"
#include "computer/ComputerPlayer.h"
#include "engine/AimPoints.h"
#include "engine/CheckoutRoutes.h"
#include "engine/CountDownGame.h"
#include "engine/Elimination.h"
#include "platform/Error.h"
#include "platform/FileIo.h"
#include "play/GameSession.h"

namespace korvanti::testing {

inline const HitMap& SharedHitMap() {
  static const HitMap hitMap;
  return hitMap;
}

// Fails the first save, then stores.
struct FailingOnce : FakeArchive {
  void StoreGame(const GameRecord& game) override {
    if (fail) {
      fail = false;
      throw Error("Datenbankfehler: disk full");
    }
    FakeArchive::StoreGame(game);
  }
  bool fail = true;
};

// "The Machine" with the same prepared darts for every game of the series.
class SameDartsMachine : public ComputerPlayer {
 public:
  explicit SameDartsMachine(std::string dartPositions) : positions(std::move(dartPositions)) {
    LoadPositionList(positions);
  }
  std::optional<std::string> PrepareNextGame(const std::function<void(int, int)>&,
                                             std::stop_token) override {
    ++preparations;
    LoadPositionList(positions);
    return std::nullopt;
  }
  std::string positions;
  int preparations = 0;
};

// A game screen without a window: the test clicks, the view records, and the
// session's steps run when the test says so (`Hit` and friends run them all).
class Session : public ::testing::Test {
 protected:
  // A game of the given class with players Anna and Ben (or as named).
  template <typename Game>
  void Begin(SessionOptions options = {}, std::vector<std::string> nicknames = {"Anna", "Ben"}) {
    game = std::make_unique<Game>();
    for (const auto& nickname : nicknames) {
      auto player = std::make_unique<Player>();
      player->nickname = nickname;
      player->playerId = "{" + nickname + "}";
      game->AddPlayer(std::move(player));
    }
    Prepare(options);
  }

  void Prepare(SessionOptions options) {
    static const std::string table = CheckoutTableText();  // seconds to compute: once
    WriteFileDurably(folder / "checkout.ini", table);
    game->checkoutTable = CheckoutTable(folder / "checkout.ini");
    game->SetArchive(&archive);
    game->InitGameType();
    game->NewGame();
    session = std::make_unique<GameSession>(*game, panel, SharedHitMap(), view, options);
    session->Start();
    view.RunSteps();
  }

  // Anna against the computer with its darts prepared at these positions.
  void BeginAgainstTheMachine(const std::string& positions, int secondsPerDart,
                              SessionOptions options = {}) {
    game = std::make_unique<Game501VersusComputer>();
    auto anna = std::make_unique<Player>();
    anna->nickname = "Anna";
    anna->playerId = "{Anna}";
    game->AddPlayer(std::move(anna));
    auto machine = std::make_unique<SameDartsMachine>(positions);
    machine->secondsPerDart = secondsPerDart;
    game->AddPlayer(std::move(machine));
    Prepare(options);
  }

  // 301 Elimination with double in for Anna and Ben.
  void BeginDoubleInElimination() {
    game = std::make_unique<Elimination>();
    game->doubleIn = true;
    for (const char* nickname : {"Anna", "Ben"}) {
      auto player = std::make_unique<Player>();
      player->nickname = nickname;
      game->AddPlayer(std::move(player));
    }
    Prepare({});
  }

  // A click inside the named field; the steps it starts run to their end.
  void Hit(const std::string& code) {
    Press(code);
    view.RunSteps();
  }
  // The click alone: its steps stay pending.
  void Press(const std::string& code) {
    if (code == "0") {
      session->Click(MouseButton::Left, 5, 600);
      return;
    }
    const auto point = *AimPointFor(code);
    session->Click(MouseButton::Left, point.x, point.y);
  }
  void Hits(std::initializer_list<const char*> codes) {
    for (const char* code : codes)
      Hit(code);
  }
  void Aim(const std::string& code) {
    const auto point = *AimPointFor(code);
    session->Click(MouseButton::Right, point.x, point.y);
    view.RunSteps();
  }
  void CheckIn() {
    session->PressCheckIn();
    view.RunSteps();
  }
  void Undo() {
    session->UndoLastCheckIn();
    view.RunSteps();
  }
  // In a 301 the leg's starter checks out in two turns (T20 T20 T20, then T20
  // T7 LS20 leaving 20, and D10); the others miss.
  void StarterWinsLeg() {
    const auto others = game->players.Count() - 1;
    Hits({"T20", "T20", "T20"});
    for (std::size_t i = 0; i < others; ++i) {
      Hits({"0", "0", "0"});
    }
    Hits({"T20", "T7", "LS20"});
    for (std::size_t i = 0; i < others; ++i) {
      Hits({"0", "0", "0"});
    }
    Hit("D10");
  }
  Player& PlayerAt(std::size_t i) { return game->players.At(i); }
  Turn& Current() { return game->CurrentTurns().current; }

  TempFolder folder;
  FakeArchive archive;
  RecordingView view;
  ModePanel panel = ModePanel::CountDown;
  std::unique_ptr<Game> game;
  std::unique_ptr<GameSession> session;
};

}  // namespace korvanti::testing
