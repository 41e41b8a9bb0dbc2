#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <chrono>
#include <iostream>

#include "AimedGame.h"
#include "StartWindowFixture.h"
#include "engine/AimPoints.h"
#include "engine/Player.h"
#include "ui/board/BoardWidget.h"
#include "ui/game/GameWindow.h"
#include "ui/game/WaitDialog.h"
#include "ui/start/GameList.h"

namespace korvanti::testing {
namespace {

class GameStartWindowTest : public StartWindowFixture {
 protected:
  void OpenWithPlayers(std::initializer_list<const char*> names) {
    for (const char* name : names) {
      ids.push_back(AddPlayer(name, name));
    }
    Open();
  }

  std::vector<std::string> Order() const {
    std::vector<std::string> order;
    for (const auto& player : window->ShownGameWindow()->Started().PlayedGame().players) {
      order.push_back(player->nickname);
    }
    return order;
  }

  std::vector<std::string> ids;
};

TEST_F(GameStartWindowTest, NoTickedPlayerStartsNothing) {
  OpenWithPlayers({"Anna"});
  Press(ToolButton::Start);
  EXPECT_EQ(Shown(), (std::vector<QString>{"Bitte zuerst einen Spieler auswählen."}));
  EXPECT_EQ(window->ShownGameWindow(), nullptr);
}

TEST_F(GameStartWindowTest, AOnePlayerTrainingRefusesTwoPlayersAndASegmentTrainingTakesThem) {
  OpenWithPlayers({"Anna", "Ben"});
  Tick(0);
  Tick(1);
  window->SetGame(FindCatalogEntry(16));  // Cricket training
  Press(ToolButton::Start);
  EXPECT_EQ(Shown(), (std::vector<QString>{"Nur ein Spieler erlaubt."}));
  EXPECT_EQ(window->ShownGameWindow(), nullptr);

  window->SetGame(FindCatalogEntry(18));  // Segment 20 training*
  Press(ToolButton::Start);
  ASSERT_NE(window->ShownGameWindow(), nullptr);
  EXPECT_EQ(Order(), (std::vector<std::string>{"Anna", "Ben"}));
  EXPECT_EQ(dialogs.shown().size(), 1u);
}

TEST_F(GameStartWindowTest, ACricketGameOpensTheGameScreenInTheOrderOfTheRows) {
  OpenWithPlayers({"Anna", "Ben", "Cleo"});
  for (int row = 0; row < 3; ++row) {
    Tick(row);
  }
  ClickRow(2);
  DropSelectedRowAt(RowCentre(0));
  auto& games = window->Pages().List(GamePage::Games);
  window->Pages().setCurrentWidget(games.parentWidget());
  games.Select(*FindCatalogEntry(5));  // Cricket
  Press(ToolButton::Start);
  auto* game = window->ShownGameWindow();
  ASSERT_NE(game, nullptr);
  EXPECT_TRUE(game->isVisible());
  EXPECT_EQ(game->Started().Panel(), ModePanel::Cricket);
  EXPECT_EQ(Order(), (std::vector<std::string>{"Cleo", "Anna", "Ben"}));
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(GameStartWindowTest, AComputerGamePreparesBehindTheWaitDialogAndPlaysLast) {
  OpenWithPlayers({"Anna"});
  Tick(0);
  window->SetGame(FindCatalogEntry(12));  // 501 gegen Computer
  QSignalSpy shown(window.get(), &StartWindow::gameWindowShown);
  Press(ToolButton::Start);
  EXPECT_FALSE(window->ToolBar().Action(ToolButton::Start).isEnabled());
  EXPECT_EQ(window->ShownGameWindow(), nullptr);
  ASSERT_TRUE(shown.count() > 0 || shown.wait(120000));
  ASSERT_NE(window->ShownGameWindow(), nullptr);
  EXPECT_EQ(Order(), (std::vector<std::string>{"Anna", "The Machine"}));
  EXPECT_TRUE(dialogs.shown().empty());
}

// An exact search for a weak average plays thousands of simulated games:
// "Abbrechen" stops it at once, no game starts, and Start works again.
TEST_F(GameStartWindowTest, AbbrechenStopsALongPreparationAndStartsNoGame) {
  OpenWithPlayers({"Anna"});
  Tick(0);
  window->SetGame(FindCatalogEntry(12));  // 501 gegen Computer
  window->findChild<QSpinBox*>("spnComputerAverage")->setValue(24);
  auto* mode = window->findChild<QComboBox*>("cmbAverageMode");
  mode->setCurrentIndex(1);  // "Schnitt mögl. exakt treffen"
  Press(ToolButton::Start);
  QPointer<WaitDialog> wait = window->findChild<WaitDialog*>();
  ASSERT_NE(wait, nullptr);
  EXPECT_TRUE(wait->isVisible());
  // Well into the search: its progress shows.
  auto* progress = wait->findChild<QLabel*>("lbl_Progress");
  QTRY_VERIFY_WITH_TIMEOUT(progress->isVisible(), 30000);

  const auto progressShown = progress->text();
  const auto clicked = std::chrono::steady_clock::now();
  QTest::mouseClick(wait->findChild<QPushButton*>("btn_Abbrechen"), Qt::LeftButton);
  QTRY_VERIFY_WITH_TIMEOUT(window->ToolBar().Action(ToolButton::Start).isEnabled(), 30000);
  const auto took = std::chrono::steady_clock::now() - clicked;
  std::cout << "[ cancel   ] start window: Abbrechen to Start enabled again "
            << std::chrono::duration<double, std::milli>(took).count() << " ms (search at "
            << progressShown.toStdString() << ")\n";
  EXPECT_LT(took, std::chrono::seconds(5));
  EXPECT_TRUE(wait.isNull() || !wait->isVisible());
  EXPECT_EQ(window->ShownGameWindow(), nullptr);
  EXPECT_TRUE(dialogs.shown().empty());

  // Usable again: a quick preparation starts the game.
  mode->setCurrentIndex(0);
  QSignalSpy shown(window.get(), &StartWindow::gameWindowShown);
  Press(ToolButton::Start);
  ASSERT_TRUE(shown.count() > 0 || shown.wait(120000));
  EXPECT_EQ(Order(), (std::vector<std::string>{"Anna", "The Machine"}));
}

// Shanghai keeps no long-term value: its game starts from 0 whatever was shown before.
TEST_F(GameStartWindowTest, AShanghaiGameStartsWithReferenceValueZero) {
  const auto anna = AddPlayer("Anna", "Anna");
  AddGame(anna, "const501dout", {"T20 T20 T20", "T19 T19 T19"});
  Open();
  window->SetGame(FindCatalogEntry(4));
  Tick(0);
  ASSERT_GT(Model().Rows()[0].referenceAverage, 0);
  window->SetGame(FindCatalogEntry(9));
  Press(ToolButton::Start);
  ASSERT_NE(window->ShownGameWindow(), nullptr);
  EXPECT_EQ(window->ShownGameWindow()->Started().PlayedGame().players.At(0).referenceAverage, 0);
}

// When the game screen ends with its games stored, the figures follow; the
// rows, their order and their ticks stay.
TEST_F(GameStartWindowTest, AStoredGameRefreshesTheFiguresWhenTheGameScreenEnds) {
  OpenWithPlayers({"Anna", "Ben"});
  Tick(1);
  window->SetGame(FindCatalogEntry(4));
  Press(ToolButton::Start);
  ASSERT_NE(window->ShownGameWindow(), nullptr);
  EXPECT_FALSE(window->ToolBar().Action(ToolButton::Start).isEnabled());
  AddGame(ids[1], "const501dout", {"T20 T20 T20"});
  emit window->ShownGameWindow()->finished(SessionResult::OK);
  EXPECT_EQ(Column(1), (std::vector<QString>{"0", "1"}));
  EXPECT_TRUE(Model().Rows()[1].ticked);
  window->ShownGameWindow()->deleteLater();
  QApplication::processEvents();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(window->ShownGameWindow(), nullptr);
  EXPECT_TRUE(window->ToolBar().Action(ToolButton::Start).isEnabled());
}

// A series stores each game as it ends: the figures show them however the
// game screen ends, also when the next game is given up without saving.
TEST_F(GameStartWindowTest, TheGamesOfASeriesShowWhenItsNextGameIsGivenUp) {
  OpenWithPlayers({"Anna"});
  Tick(0);
  window->SetGame(FindCatalogEntry(4));
  Press(ToolButton::Start);
  QPointer<GameWindow> game = window->ShownGameWindow();
  ASSERT_NE(game, nullptr);
  game->Started().PlayedGame().players.At(0).turns.score = 40;
  continueSeries = true;
  auto& board = game->Board();
  QTest::mouseClick(&board, Qt::LeftButton, {},
                    board.WidgetPosition(QPoint(AimPointFor("D20")->x, AimPointFor("D20")->y)));
  for (int i = 0; i < 20 && game->Session().StepPending(); ++i) {
    QTest::qWait(5);
  }
  ASSERT_EQ(game->Session().PlayedGame().players.At(0).turns.score, 501);  // the next game runs
  dialogs.Answer(DialogAnswer::No);  // given up without saving
  game->close();
  QApplication::processEvents();
  EXPECT_EQ(Column(1), (std::vector<QString>{"1"}));
}

TEST_F(GameStartWindowTest, OwnScatterIsOfferedForTheLastTickedPlayerWithAimedDarts) {
  ids.push_back(AddPlayer("Anna", "Anna"));
  ids.push_back(AddPlayer("Ben", "Ben"));
  auto recorder = MakeRecorder();
  AppendAimedGame(recorder, ids[0], {"constpractice_self", DateTimeNow() - 1, "T20", 40});
  Open();
  auto& box = window->Pages().OwnScatter();
  window->SetGame(FindCatalogEntry(14));  // 501 gegen eigenen Schnitt
  EXPECT_FALSE(box.isEnabled());
  EXPECT_EQ(box.toolTip(), "Bitte zuerst einen Spieler auswählen.");
  Tick(1);  // Ben
  EXPECT_EQ(box.toolTip(), "Zu wenige Würfe mit Ziel: 0 von 100");
  Tick(0);  // Anna, ticked last, is not the last row: Ben still plays
  EXPECT_FALSE(box.isEnabled());
  Tick(1);
  EXPECT_TRUE(box.isEnabled());
  EXPECT_EQ(box.toolTip(), "");
  QTest::mouseClick(&box, Qt::LeftButton);
  EXPECT_TRUE(window->Pages().ComputerChoices().scatterFromOwnDarts);

  window->SetGame(FindCatalogEntry(12));  // 501 gegen Computer
  EXPECT_FALSE(box.isEnabled());
  EXPECT_EQ(box.toolTip(), "Nur für \"501 gegen eigenen Schnitt\".");
  EXPECT_FALSE(window->Pages().ComputerChoices().scatterFromOwnDarts);
}

}  // namespace
}  // namespace korvanti::testing
