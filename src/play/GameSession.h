#pragma once

#include <array>
#include <optional>
#include <string>

#include "engine/BaseGameClass.h"
#include "engine/GameCatalog.h"
#include "engine/HitMap.h"
#include "platform/NumberFormat.h"
#include "play/GameView.h"

namespace korvanti {

class ComputerPlayerClass;

struct SessionOptions {
  bool quickCheckIn = true;
  bool aimInput = false;
  bool showPoints = true;
  int secondsForPoints = 1;
  bool playSounds = false;
  bool showSummary = true;
  NumberSeparators numbers;
};

enum class MouseButton { Left, Right, Other };

// The loop of play of one game screen: darts and aims from clicks, the
// double-throw marker, check-in, undo, abort, the end of a game and the
// computer's turns. It owns no widgets; a GameView shows what it decides.
class GameSession {
 public:
  GameSession(BaseGameClass& game, ModePanel panel, const HitMap& hitMap, GameView& view,
              SessionOptions options);

  // The window is shown: clear the displays and refresh.
  void Start();

  // A mouse button pressed on the board at a hit-map position.
  void Click(MouseButton button, int x, int y);
  void RegisterHit(std::string code, int x, int y);
  void RegisterAim(const std::string& code, int x, int y);
  // A dart field clicked: the last entered dart goes.
  void ClearLastHit();
  // An aim field clicked: that dart's aim goes (its position stays).
  void ClearAim(int dart);
  // The check-in button; it does nothing while it is disabled.
  void PressCheckIn();
  void CheckInTurn();
  void UndoLastCheckIn();
  // A close request or the abort button: whether the window may close.
  bool ConfirmAbort();

  BaseGameClass& Game() const { return game_; }
  ModePanel Panel() const { return panel_; }
  const SessionOptions& Options() const { return options_; }

  bool PlayerChanged() const { return playerChanged_; }
  void PlayerShown() { playerChanged_ = false; }
  bool GameDecided() const { return gameDecided_; }
  bool ComputerBusy() const { return computerBusy_; }
  const std::string& DoubleTarget() const { return doubleTarget_; }
  // "Doppelwurf auf: D16", or empty.
  std::string DoubleThrowText() const;

  // What the dart fields, aim fields and proposal fields show.
  const std::array<std::string, 3>& HitFields() const { return hitFields_; }
  const std::array<std::string, 3>& AimFields() const { return aimFields_; }
  const std::array<std::string, 3>& ProposalFields() const { return proposalFields_; }

  bool CheckInButtonVisible() const { return !options_.quickCheckIn; }
  bool CheckInButtonEnabled() const { return checkInEnabled_; }
  bool UndoButtonVisible() const { return game_.undoallowed; }
  std::optional<SessionResult> Result() const { return result_; }

 private:
  void Refresh();
  void TryCheckIn();
  void UpdateProposal();
  bool GameOver();
  void SaveFinishedGame();
  void ResetDisplay();
  void CompThrow();
  void CloseWith(SessionResult result);
  ComputerPlayerClass* ComputerOnTurn() const;

  BaseGameClass& game_;
  ModePanel panel_;
  const HitMap& hitMap_;
  GameView& view_;
  SessionOptions options_;

  bool playerChanged_ = true;
  bool gameDecided_ = false;
  bool computerBusy_ = false;
  bool checkInEnabled_ = false;
  std::string doubleTarget_;
  std::array<std::string, 3> hitFields_;
  std::array<std::string, 3> aimFields_;
  std::array<std::string, 3> proposalFields_;
  std::optional<SessionResult> result_;
};

}  // namespace korvanti
