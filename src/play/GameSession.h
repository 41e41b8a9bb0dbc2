#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/Game.h"
#include "engine/GameCatalog.h"
#include "engine/HitMap.h"
#include "platform/NumberFormat.h"
#include "play/DoubleStatistics.h"
#include "play/GameView.h"
#include "play/MatchPlay.h"
#include "play/Scoreboard.h"

namespace korvanti {

class ComputerPlayer;
class PreparationWorker;

struct SessionOptions {
  bool quickCheckIn = true;
  bool aimInput = false;
  bool showPoints = true;
  int secondsForPoints = 1;
  bool playSounds = false;
  bool callTurns = false;  // "Punkte ansagen": the caller says what no sound file plays
  bool showSummary = true;
  bool fullScreen = false;  // the settings' "vollbild": the game screen opens full screen
  NumberSeparators numbers;
  // Where the player pictures are looked for; empty: no pictures.
  std::filesystem::path programFolder;
  // Legs and sets of each match of the series; one of each is a single game.
  MatchFormat match;
  bool bullOff = false;  // "Ausbullen" before the first leg
};

enum class MouseButton { Left, Right, Other };

// The loop of play of one game screen: darts and aims from clicks, the
// double-throw marker, check-in, undo, abort, the end of a game and the
// computer's turns. It owns no widgets and never waits: the computer's darts,
// the pause before its check-in and the points banner are steps that the view
// runs later. While a step is pending the board, the dart and aim fields,
// check-in and undo do nothing. Every operation ends with one `Changed`.
class GameSession {
 public:
  GameSession(Game& game, ModePanel panel, const HitMap& hitMap, GameView& view,
              SessionOptions options);
  ~GameSession();
  GameSession(const GameSession&) = delete;
  GameSession& operator=(const GameSession&) = delete;

  // The window is shown: clear the displays and settle the first turn.
  void Start();

  // A mouse button pressed on the board at a hit-map position.
  void Click(MouseButton button, int x, int y);
  void RegisterHit(const std::string& code, int x, int y);
  // A dart field clicked: the last entered dart goes.
  void ClearLastHit();

  // The keyboard: a dart typed as its field code ("T20", "d16", "5", "BULL",
  // "M"), stored without a landing position. A letter or digit of the code:
  void TypeKey(char key);
  // Space or Enter: the typed code becomes the next dart; an invalid one is
  // refused with a hint. Enter with nothing typed checks the turn in.
  void EnterKey(bool checkInWhenEmpty);
  // Backspace: the last typed character goes, with nothing typed the turn's last dart.
  void EraseKey();
  // The code being typed, and the hint after a refused one.
  const std::string& TypedCode() const { return typed_; }
  const std::string& TypingHint() const { return typingHint_; }
  // An aim field clicked: that dart's aim goes, with its position.
  void ClearAim(int dart);
  // The check-in button; it does nothing while it is disabled.
  void PressCheckIn();
  void UndoLastCheckIn();
  // A close request or the abort button: asks the abort question unless the
  // session has ended or a question is open. True when the session has ended
  // by the time this returns (a view that answers at once); otherwise the
  // answer arrives later and "Ja" and "Nein" end the session through
  // `GameView::Close` with exactly one result. The pending step waits while
  // the question is open; "Abbrechen" lets it go on.
  bool ConfirmAbort();

  // The end of a game, match or training is asked about and may be taken
  // back: a misclicked winning dart.
  bool TakeBackOffered() const { return questionOpen_ && endTakeBack_.has_value(); }
  // Answers the open end question with "Zurücknehmen": the stored game is
  // removed, the leg, match and series count as before, and the winning turn
  // is open again without its last dart.
  void TakeBackEnd();

  const Game& PlayedGame() const { return game_; }
  ModePanel Panel() const { return panel_; }
  const SessionOptions& Options() const { return options_; }
  // Everything the game screen shows besides the board, ready to paint.
  Scoreboard Board() const;
  // The field code under a board position, for the hint; outside the board "0".
  std::string FieldAt(int x, int y) const { return hitMap_.FieldAt(x, y); }

  bool GameDecided() const { return gameDecided_ || result_.has_value(); }
  // The match being played: legs and sets won, the bull-off.
  const MatchPlay& Match() const { return match_; }
  bool BullOffRunning() const { return match_.BullOffRunning(); }
  // A computer dart or the computer's check-in is pending.
  bool ComputerBusy() const;
  // A step is pending (computer, banner, preparation of the next game).
  bool StepPending() const { return pending_.has_value(); }
  // A question (abort, continue, summary) waits for its answer.
  bool QuestionOpen() const { return questionOpen_; }
  // The board and the dart and aim fields take no input now.
  bool BoardLocked() const;
  const std::string& DoubleTarget() const { return doubleTarget_; }
  // "Doppelwurf auf: D16", during the bull-off who throws at the bull, or empty.
  std::string DoubleThrowText() const;
  // The finished turn waits for the aim of this dart, or is empty.
  std::string AimHint() const;

  // What the dart fields, aim fields and proposal fields show.
  const std::array<std::string, 3>& HitFields() const { return hitFields_; }
  const std::array<std::string, 3>& AimFields() const { return aimFields_; }
  const std::array<std::string, 3>& ProposalFields() const { return proposalFields_; }

  // Also with quick check-in while a finished turn waits for its aims: the
  // player may check it in without them.
  bool CheckInButtonVisible() const { return !options_.quickCheckIn || AimsMissing(); }
  bool CheckInButtonEnabled() const;
  bool UndoButtonVisible() const { return game_.undoAllowed; }
  bool UndoButtonEnabled() const;
  std::optional<SessionResult> Result() const { return result_; }

 private:
  enum class Step {
    ComputerDart,
    ComputerCheckIn,
    Book,
    Preparation,
    BullOffShown,
    NextLeg,
    RetrySave
  };
  class Operation;

  // Settles the turn in progress: judges it, books it when it has ended
  // and may be booked, and renews the fields and the proposal.
  void Settle();
  bool RecordHit(std::string code, int x, int y, bool placed = true);
  void EnterTypedCode();
  void RegisterAim(const std::string& code, int x, int y);
  void TryCheckIn();
  bool TurnEnded() const;
  bool WaitsForAims() const;
  // The human on turn has finished his turn but not given every aim.
  bool AimsMissing() const;
  // With aim input a dart aimed at a double counts at that double.
  void CountAimedDoubles();
  void CheckInTurn();
  void Book();
  // The caller (GameSessionCalls.cpp): hands a call to the view when sounds
  // or the caller are on, the file only with sounds on.
  void Announce(Call call);
  // At the start of a human's turn in a count-down game: what he needs, when
  // he can finish.
  void CallRequiredPoints();
  void GameOver();
  // The next leg of the match, or the first leg of the next match.
  void StartNextGame(bool nextLeg);
  // A new match: its bull-off, or its first leg at once.
  void BeginMatch(std::size_t starter);
  // The players in the leg's order with the player on turn who starts; during
  // the bull-off the thrower is on turn.
  void ArrangePlayers();
  void ThrowBullOff(int x, int y);
  void BullOffShown();
  // The leg's winner counted: the next leg after the banner, or the end of the match.
  bool CountLeg(Player& winner);
  // Takes back what the end of a leg counted: the match, the series' wins and leg figures.
  void UncountLeg(const MatchPlay& matchBefore, Player& winner, bool matchOver);
  // The last booked turn goes, with its double statistics.
  void UndoOneCheckIn();
  // The last booked turn, `undone`, open again without its last dart.
  void ReopenLastTurn(const Turn& undone);
  void AskAfterMatch();
  // The match's row for the leg being stored; none for a single game.
  std::optional<MatchRecord> CurrentMatchRecord(bool ended) const;
  // How long a bull-off or leg banner shows.
  int BannerMilliseconds() const;
  void FinishNextGame(const std::optional<std::string>& failure);
  void CancelPreparation();
  void ThrowComputerDart();
  void ContinueComputer();
  void UpdateProposal();
  void ResetDisplay();
  void UpdateCheckedIn();
  void CloseWith(SessionResult result);
  // The answer to the question of `token`, if it is the open one: taken once.
  bool TakeAnswer(unsigned token);
  void ContinueAnswered(unsigned token, bool goOn);
  void AbortAnswered(unsigned token, AbortAnswer answer);
  ComputerPlayer* ComputerOnTurn() const;

  void Schedule(Step step, int milliseconds);
  void StepDue(unsigned token);
  void RunStep(Step step);
  void CancelSteps();
  void Resume();
  void Finish();
  void Failed(const std::string& text);

  Game& game_;
  ModePanel panel_;
  const HitMap& hitMap_;
  GameView& view_;
  SessionOptions options_;
  MatchPlay match_;

  bool playerChanged_ = true;
  bool gameDecided_ = false;
  // The deciding turn is booked but the game is not stored yet (a failed save).
  bool finishedUnsaved_ = false;
  // The club server was unreachable when the game was stored: the save is
  // tried again every few seconds, and the view has been told once.
  bool awaitingServer_ = false;
  bool checkInEnabled_ = false;
  std::string doubleTarget_;
  DoubleStatistics doubles_;
  std::array<std::string, 3> hitFields_;
  std::array<std::string, 3> aimFields_;
  std::array<std::string, 3> proposalFields_;
  std::string typed_;
  std::string typingHint_;
  std::optional<SessionResult> result_;

  std::optional<Step> pending_;
  unsigned stepToken_ = 0;
  bool suspended_ = false;
  bool dueWhileSuspended_ = false;
  bool questionOpen_ = false;
  unsigned questionToken_ = 0;
  std::optional<std::string> preparationFailure_;
  // What the end of the game just stored needs to be taken back.
  struct EndTakeBack {
    MatchPlay matchBefore;
    std::size_t winner = 0;
    bool matchOver = false;
  };
  std::optional<EndTakeBack> endTakeBack_;
  // Runs the simulation of the next game's darts away from the view's thread.
  std::unique_ptr<PreparationWorker> preparation_;

  int operationDepth_ = 0;
  std::vector<std::string> notices_;
};

}  // namespace korvanti
