#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <variant>

#include "FakeArchive.h"
#include "TempFolder.h"
#include "engine/AimPoints.h"
#include "engine/CheckoutRoutes.h"
#include "platform/FileIo.h"
#include "play/GameStart.h"
#include "ui/board/BoardWidget.h"
#include "ui/common/ScriptedDialogs.h"
#include "ui/game/GameWindow.h"

namespace korvanti::testing {

inline const HitMap& WindowHitMap() {
  static const HitMap hitMap;
  return hitMap;
}

// The game screen as the start window opens it: a game from the shared game
// start, steps made instant, questions answered by the test.
class GameScreen : public ::testing::Test {
 protected:
  GameScreen() {
    static const std::string table = CheckoutTableText();
    WriteFileDurably(folder / "checkout.ini", table);
    archive.names["{ANNA}"] = {"Anna", "A", "Anna"};
    archive.names["{BEN}"] = {"Ben", "B", "Ben"};
  }

  StartedGame Build(int gameIndex, std::vector<std::string> ids, bool quick = true,
                    bool aims = false, StartOptions options = {}) {
    StartRequest request;
    request.options = options;
    request.game = FindCatalogEntry(gameIndex);
    for (const auto& id : ids) {
      request.players.push_back({id, id});
    }
    request.quickCheckIn = quick;
    request.aimInput = aims;
    auto result = BuildGame(request, settings, environment);
    if (auto* refusal = std::get_if<StartRefusal>(&result)) {
      throw std::runtime_error(refusal->message);
    }
    return std::move(std::get<StartedGame>(result));
  }

  void Open(StartedGame started) {
    GameWindowSetup setup{WindowHitMap(), folder.Path(), 0, true, {}};
    setup.askSummary = [this](const Summary& summary) {
      summaries.push_back(summary);
      if (onSummary) {
        onSummary();
      }
      return std::exchange(summaryAnswer, std::nullopt)
          .value_or(continueSeries ? DialogAnswer::Yes : DialogAnswer::No);
    };
    window = std::make_unique<GameWindow>(std::move(started), std::move(setup), dialogs);
    QObject::connect(window.get(), &GameWindow::finished,
                     [this](SessionResult result) { results.push_back(result); });
    window->ShowGame();
    Settle();
  }

  // Lets the timed steps run until none is pending. A step may wait for a
  // worker (the next game's preparation), so this waits by the clock, with
  // room for a loaded machine, not by a number of event rounds.
  void Settle() {
    QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired()) {
      QApplication::processEvents();
      if (!window->Session().StepPending()) {
        QApplication::processEvents();
        if (!window->Session().StepPending()) {
          return;
        }
      }
      QTest::qWait(1);
    }
    ADD_FAILURE() << "steps never ended";
  }

  // A click with the mouse on the board where the field is.
  void Click(const std::string& code, Qt::MouseButton button = Qt::LeftButton) {
    const auto point = code == "0" ? BoardPoint{5, 600} : *AimPointFor(code);
    auto& board = window->Board();
    const auto at = board.WidgetPosition({point.x, point.y});
    QTest::mouseClick(&board, button, {}, at);
    Settle();
  }
  void Clicks(std::initializer_list<const char*> codes) {
    for (const char* code : codes) {
      Click(code);
    }
  }

  template <typename Widget = QLabel>
  Widget* Find(const char* name) {
    auto* found = window->findChild<Widget*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  QString TextOf(const char* name) { return Find(name)->text(); }
  void Press(const char* button) {
    QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton);
    Settle();
  }

  TempFolder folder;
  FakeArchive archive;
  UniformRandom random{11};
  ProgramOptions settings;
  StartEnvironment environment{WindowHitMap(), random, folder.Path(), nullptr, &archive};
  ScriptedDialogs dialogs;
  bool continueSeries = false;
  std::optional<DialogAnswer> summaryAnswer;  // the next summary's answer, once
  std::function<void()> onSummary;            // looks around while the summary is open
  std::vector<Summary> summaries;
  std::vector<SessionResult> results;
  std::unique_ptr<GameWindow> window;
};

}  // namespace korvanti::testing
