#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <map>

#include "StartWindowFixture.h"
#include "platform/FileIo.h"
#include "platform/IniFile.h"
#include "play/ProgramOptions.h"
#include "ui/common/InfoImage.h"
#include "ui/common/QtDateTime.h"
#include "ui/start/GameList.h"
#include "ui/start/SettingsDialog.h"
#include "ui/stats/StatisticsWindow.h"

namespace korvanti::testing {
namespace {

using StartWindowTest = StartWindowFixture;

int SelectedIndex(const StartWindow& window) {
  const auto* game = window.SelectedGame();
  return game != nullptr ? game->index : -1;
}

void Choose(GamePages& pages, int gameIndex) {
  const auto& entry = *FindCatalogEntry(gameIndex);
  pages.setCurrentWidget(pages.List(entry.page).parentWidget());
  pages.List(entry.page).Select(entry);
}

TEST_F(StartWindowTest, FirstStartOnAnEmptyFolder) {
  ASSERT_FALSE(std::filesystem::exists(folder));
  Open();
  EXPECT_TRUE(std::filesystem::exists(folder / "dart.mdb"));
  EXPECT_TRUE(std::filesystem::exists(folder / "checkout.ini"));
  EXPECT_TRUE(std::filesystem::exists(folder / "ki.ini"));
  EXPECT_TRUE(std::filesystem::is_directory(folder / "sounds"));
  EXPECT_TRUE(std::filesystem::is_directory(folder / "pictures"));
  EXPECT_TRUE(dialogs.shown().empty());

  EXPECT_EQ(SelectedIndex(*window), 3);
  EXPECT_EQ(window->Pages().currentIndex(), 0);
  EXPECT_EQ(window->Pages().List(GamePage::Games).currentItem()->text(), "301 double out");
  EXPECT_EQ(Model().rowCount(), 0);
  EXPECT_EQ(Header(1), "Spiele");
  EXPECT_EQ(Header(7), "Doppelrate");
  EXPECT_FALSE(window->AimInput().isChecked());
  EXPECT_TRUE(window->findChild<QCheckBox*>("chkQuickCheckIn")->isChecked());
  EXPECT_EQ(window->Options().board, 0);
  EXPECT_EQ(window->findChild<QSpinBox*>("spnRounds")->value(), 50);
  EXPECT_EQ(window->findChild<QSpinBox*>("spnComputerAverage")->value(), 50);
  EXPECT_EQ(window->findChild<QComboBox*>("cmbDouble")->currentText(), "D20");
  for (auto button :
       {ToolButton::Start, ToolButton::NewPlayer, ToolButton::DeletePlayer, ToolButton::Statistics,
        ToolButton::MergeGames, ToolButton::Settings, ToolButton::Instructions}) {
    EXPECT_TRUE(window->ToolBar().Button(button)->isVisible());
  }
  EXPECT_EQ(window->findChildren<InfoImage*>().size(), 7);

  window.reset();
  const IniFile options(folder / "options.ini");
  EXPECT_EQ(options.ReadString("settings", "gameindex", ""), "3");
  EXPECT_EQ(options.ReadString("settings", "startdate", "none"), "none");  // nobody chose one
}

// Stored games that nobody has looked at yet: the overview counts from the
// day of the oldest, at most a year back, until the user picks a date, which
// then stays.
TEST_F(StartWindowTest, TheOverviewStartsAtTheOldestGameUntilTheUserChoosesADate) {
  chooseStartDate = false;
  const auto anna = AddPlayer("Anna", "Anna");
  AddGame(anna, "const301dout", {"T20 T20 T20"}, true, 30.5);
  AddGame(anna, "const301dout", {"T20 T20 T20"}, true, 2);
  Open();
  const auto oldestDay = ToQDateTime(DateOf(DateTimeNow() - 30.5));
  EXPECT_EQ(window->StartDate().dateTime(), oldestDay);
  EXPECT_EQ(Cell(0, 1), "2");

  // A game older than a year counts no more; the start has not been stored.
  Reopen();
  AddGame(anna, "const301dout", {"T20 T20 T20"}, true, 400);
  Reopen();
  EXPECT_EQ(window->StartDate().dateTime(), ToQDateTime(DateOf(IncMonth(DateTimeNow(), -12))));
  EXPECT_EQ(Cell(0, 1), "2");

  const QDateTime chosen(QDate::currentDate().addDays(-10), QTime(0, 0));
  window->StartDate().setDateTime(chosen);
  Reopen();
  EXPECT_EQ(window->StartDate().dateTime(), chosen);
  EXPECT_EQ(Cell(0, 1), "1");
}

// Each catalog entry stands on its page's list, below the entries of that page
// with a lower position.
TEST_F(StartWindowTest, EveryCatalogEntryIsListedOnItsPage) {
  Open();
  auto& pages = window->Pages();
  int rows = 0;
  for (const auto page : {GamePage::Games, GamePage::TrainingGames, GamePage::SpecialTrainings}) {
    rows += pages.List(page).count();
  }
  EXPECT_EQ(rows, static_cast<int>(GameCatalog().size()));
  for (const auto& entry : GameCatalog()) {
    window->SetGame(&entry);
    EXPECT_EQ(pages.tabText(pages.currentIndex()).toStdString(), GamePageLabel(entry.page))
        << entry.index;
    const auto& list = pages.List(entry.page);
    ASSERT_NE(list.currentItem(), nullptr) << entry.index;
    EXPECT_EQ(list.currentItem()->text().toStdString(), entry.label) << entry.index;
    const auto above = std::ranges::count_if(GameCatalog(), [&](const GameCatalogEntry& other) {
      return other.page == entry.page && other.position < entry.position;
    });
    EXPECT_EQ(list.currentRow(), above) << entry.index;
    EXPECT_EQ(window->SelectedGame(), &entry);
  }
}

TEST_F(StartWindowTest, TheSelectionAndStartDateComeBackAtTheNextStart) {
  Open();
  Choose(window->Pages(), 24);  // Double training*
  window->StartDate().setDateTime(QDateTime(QDate(2024, 3, 1), QTime(8, 30)));
  Reopen();
  EXPECT_EQ(SelectedIndex(*window), 24);
  EXPECT_EQ(window->Pages().currentIndex(), 2);
  EXPECT_EQ(window->StartDate().dateTime(), QDateTime(QDate(2024, 3, 1), QTime(8, 30)));
}

// The stored entry picks page and entry; an index outside leaves the page of
// the training games with the first entry of every list.
TEST_F(StartWindowTest, StoredEntriesSelectTheirPage) {
  const struct {
    int stored;
    int page;
    int selected;
  } cases[] = {{3, 0, 3}, {30, 0, 30}, {17, 1, 17}, {0, 1, 12}, {29, 2, 29}};
  for (const auto& c : cases) {
    EnterFolder();
    IniFile(folder / "options.ini").WriteInteger("settings", "gameindex", c.stored);
    Open();
    EXPECT_EQ(window->Pages().currentIndex(), c.page) << c.stored;
    EXPECT_EQ(SelectedIndex(*window), c.selected) << c.stored;
    window.reset();
  }
}

TEST_F(StartWindowTest, SelectingAnEntrySetsAimInputUnlessTheSettingsSayNot) {
  Open();
  Choose(window->Pages(), 10);  // Round the Board single Segmente
  EXPECT_TRUE(window->AimInput().isChecked());
  Choose(window->Pages(), 9);  // Shanghai
  EXPECT_FALSE(window->AimInput().isChecked());
  EXPECT_EQ(Header(3), "%");
  EXPECT_EQ(Header(4), "Trainings");  // then the personal bests
  EXPECT_EQ(Model().columnCount(), 8);

  IniFile(folder / "options.ini").WriteBool("settings", "noautomatic", true);
  Reopen();
  window->Pages().setCurrentIndex(2);
  EXPECT_FALSE(window->AimInput().isChecked());
}

// The window follows the entry under the mouse, not the one clicked before:
// the mouse moves the current row before it moves the selection.
TEST_F(StartWindowTest, AClickedEntryDecidesTheFiguresAndTheAimInput) {
  const auto anna = AddPlayer("Anna", "Anna");
  AddGame(anna, "const501dout", {"T20 T20 T20", "T20 T20 T20", "T20 T20 T20", "T19 D12 na"});
  Open();
  auto& pages = window->Pages();
  const auto click = [&](int gameIndex) {
    const auto& entry = *FindCatalogEntry(gameIndex);
    auto& list = pages.List(entry.page);
    pages.setCurrentWidget(list.parentWidget());
    const auto* item = list.findItems(
        QString::fromUtf8(entry.label.data(), static_cast<qsizetype>(entry.label.size())),
        Qt::MatchExactly)[0];
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(item).center());
  };
  const struct {
    int clicked;
    QString lastHeader;
    QString games;
    bool aimInput;
  } cases[] = {
      {4, "180er", "1", false},       // 501 double out
      {3, "180er", "0", false},       // 301 double out
      {5, "MPR", "0", false},         // Cricket
      {10, "Bester Tag", "0", true},  // Round the Board single Segmente
      {4, "180er", "1", false},
  };
  for (const auto& c : cases) {
    click(c.clicked);
    EXPECT_EQ(SelectedIndex(*window), c.clicked);
    EXPECT_EQ(Header(Model().columnCount() - 1), c.lastHeader) << c.clicked;
    EXPECT_EQ(Cell(0, 1), c.games) << c.clicked;
    EXPECT_EQ(window->AimInput().isChecked(), c.aimInput) << c.clicked;
  }

  // The trainings' "Treffer" say which hits they count.
  click(18);  // Segment 20 training
  EXPECT_TRUE(Model()
                  .headerData(2, Qt::Horizontal, Qt::ToolTipRole)
                  .toString()
                  .startsWith("Treffer genau im Zielfeld"));

  // "Streuung aus meinen Würfen" speaks of the clicked entry too.
  Tick(0);
  const QString otherEntry = "Nur für \"501 gegen eigenen Schnitt\".";
  click(12);  // 501 gegen Computer
  click(14);  // 501 gegen eigenen Schnitt
  EXPECT_NE(pages.OwnScatter().toolTip(), otherEntry);
  click(13);  // 501 double out training solo
  EXPECT_EQ(pages.OwnScatter().toolTip(), otherEntry);
}

TEST_F(StartWindowTest, OptionRangesKeepTheGameSound) {
  Open();
  auto* start = window->findChild<QSpinBox*>("spnStartLevel");
  auto* highest = window->findChild<QSpinBox*>("spnMaxLevel");
  highest->setValue(5);
  start->setValue(7);
  EXPECT_EQ(start->value(), 5);
  start->setValue(3);
  highest->setValue(1);
  EXPECT_EQ(highest->value(), 3);
  auto* checkout = window->findChild<QSpinBox*>("spnCheckoutStart");
  EXPECT_EQ(checkout->minimum(), 2);
  EXPECT_EQ(checkout->maximum(), 170);
  EXPECT_EQ(checkout->toolTip(), "Startwert");
}

// The entries of each list stand in their columns row under row, each
// selection bar as high as its row, all of them in sight.
TEST_F(StartWindowTest, GameListsHaveNoGapsBetweenTheirRows) {
  Open();
  auto& pages = window->Pages();
  const struct {
    GamePage page;
    int columns;
  } cases[] = {{GamePage::Games, 3}, {GamePage::TrainingGames, 2}, {GamePage::SpecialTrainings, 3}};
  for (const auto& c : cases) {
    auto& list = pages.List(c.page);
    pages.setCurrentWidget(list.parentWidget());
    QApplication::processEvents();
    std::map<int, std::vector<QRect>> columns;
    for (int row = 0; row < list.count(); ++row) {
      const QRect rect = list.visualItemRect(list.item(row));
      EXPECT_TRUE(list.viewport()->rect().contains(rect)) << list.objectName().toStdString() << row;
      columns[rect.left()].push_back(rect);
    }
    // As many columns as the width allows, filled from the top.
    ASSERT_LE(columns.size(), static_cast<std::size_t>(c.columns));
    const auto rows =
        (static_cast<std::size_t>(list.count()) + columns.size() - 1) / columns.size();
    EXPECT_EQ(columns.begin()->second.size(), rows) << list.objectName().toStdString();
    for (const auto& [left, rects] : columns) {
      EXPECT_EQ(rects.front().top(), 0) << list.objectName().toStdString();
      for (std::size_t n = 1; n < rects.size(); ++n) {
        EXPECT_EQ(rects[n].top(), rects[n - 1].bottom() + 1)
            << list.objectName().toStdString() << " column at " << left << ", row " << n;
        EXPECT_EQ(rects[n].height(), rects[0].height());
      }
    }
  }
}

// The checkout game raises its value after a finish within three darts and
// lowers it otherwise; the fields say so.
TEST_F(StartWindowTest, TheCheckoutStepsSayWhenTheyApply) {
  Open();
  EXPECT_EQ(window->findChild<QSpinBox*>("spnStepUp")->toolTip(),
            "Wert um den der Checkout hochgesetzt wird wenn mit 3 Darts ausgecheckt wurde");
  EXPECT_EQ(window->findChild<QSpinBox*>("spnStepDown")->toolTip(),
            "Wert um den der Checkout runtergesetzt wird wenn nicht mit 3 Darts ausgecheckt wurde");
}

// The hint on cricket master scoring stands beside the name of the game it
// explains, not under the options of the elimination game.
TEST_F(StartWindowTest, TheCricketHintStandsBesideCricketMaster) {
  Open();
  auto* page = window->Pages().List(GamePage::Games).parentWidget();
  window->Pages().setCurrentWidget(page);
  QApplication::processEvents();
  const InfoImage* hint = nullptr;
  for (const auto* image : page->findChildren<InfoImage*>()) {
    if (image->Hint().startsWith("Punkte nur wenn")) {
      hint = image;
    }
  }
  ASSERT_NE(hint, nullptr);
  const QLabel* caption = nullptr;
  for (const auto* label : page->findChildren<QLabel*>()) {
    if (label->text() == "Cricket Master") {
      caption = label;
    }
  }
  ASSERT_NE(caption, nullptr);
  const QRect hintRect(hint->mapTo(page, QPoint()), hint->size());
  const QRect captionRect(caption->mapTo(page, QPoint()), caption->size());
  EXPECT_GT(hintRect.left(), captionRect.left());
  EXPECT_TRUE(hintRect.contains(hintRect.left() + 1, captionRect.center().y()))
      << "caption at " << captionRect.center().y() << ", hint from " << hintRect.top() << " to "
      << hintRect.bottom();
}

TEST_F(StartWindowTest, SettingsRoundTripKeepsTheOverviewDate) {
  Open();
  const QDateTime date(QDate(2023, 5, 6), QTime(7, 8));
  window->StartDate().setDateTime(date);
  WithModal<SettingsDialog>([&] { Press(ToolButton::Settings); },
                            [](SettingsDialog& dialog) {
                              dialog.findChild<QComboBox*>("cbBoard")->setCurrentIndex(2);
                              dialog.findChild<QCheckBox*>("chkMasterOut")->click();
                              QTest::mouseClick(dialog.findChild<QPushButton*>("btnOk"),
                                                Qt::LeftButton);
                            });
  EXPECT_EQ(window->Options().board, 2);
  EXPECT_TRUE(window->Options().masterOut);
  EXPECT_EQ(window->StartDate().dateTime(), date);
  EXPECT_EQ(IniFile(folder / "options.ini").ReadString("settings", "Board", ""), "2");
}

// "Statistik ansehen" opens the statistics window on the selected row's
// player, and its interval and type come back at the next opening.
TEST_F(StartWindowTest, StatisticsOpenOnTheSelectedPlayer) {
  AddPlayer("Anna", "Anna");
  const auto ben = AddPlayer("Ben", "Ben");
  AddGame(ben, "const501dout", {"T20 T20 T20"});
  Open();
  Table().SelectRow(1);
  WithModal<StatisticsWindow>(
      [&] { Press(ToolButton::Statistics); },
      [](StatisticsWindow& stats) {
        EXPECT_EQ(stats.findChild<QComboBox*>("cmbPlayer")->currentText(), "Ben");
        auto& types = *stats.findChild<QComboBox*>("cmbStatsType");
        types.setCurrentIndex(types.findText(QStringLiteral("Training (selbst def.)")));
        stats.reject();
      });
  EXPECT_EQ(IniFile(folder / "options.ini").ReadString("settings", "statsgametype", ""), "28");
  EXPECT_EQ(window->Options().statisticsGameType, 28);
  WithModal<StatisticsWindow>([&] { Press(ToolButton::Statistics); },
                              [](StatisticsWindow& stats) {
                                EXPECT_EQ(
                                    stats.findChild<QComboBox*>("cmbStatsType")->currentText(),
                                    "Training (selbst def.)");
                                stats.reject();
                              });
}

// Each of the two free trainings shows the figures of its own games.
TEST_F(StartWindowTest, EntriesTwentyEightAndTwentyNineShowTheirOwnFigures) {
  const auto anna = AddPlayer("Anna", "Anna");
  AddGame(anna, "constpractice_self", {"S1 S1 S1"});
  AddGame(anna, "constpractice_free1", {"S1 S2 S3", "S4 S5 S6"});
  Open();
  window->SetGame(FindCatalogEntry(28));
  EXPECT_EQ(Header(1), "Würfe");
  EXPECT_EQ(Cell(0, 1), "3");
  window->SetGame(FindCatalogEntry(29));
  EXPECT_EQ(Cell(0, 1), "6");
}

TEST_F(StartWindowTest, AnUnreadableDatabaseIsReportedAndTheWindowStillShows) {
  EnterFolder();
  WriteFileDurably(folder / "dart.mdb", "not a database");
  Open();
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].kind, ScriptedDialogs::Kind::Error);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(SelectedIndex(*window), 3);
  EXPECT_EQ(Model().rowCount(), 0);
}

// A 1366 x 768 laptop, and a 1080p screen at 150 % (1280 x 720), less the
// title bar and the panel.
TEST_F(StartWindowTest, FitsSmallScreens) {
  Open();
  const auto least = window->minimumSizeHint();
  EXPECT_LE(least.width(), 1280 - 16);
  EXPECT_LE(least.height(), 720 - 48);
  window->resize(1280 - 16, 720 - 48);
  QApplication::processEvents();
  EXPECT_GE(Table().height(), 120);
  EXPECT_TRUE(window->ToolBar().Button(ToolButton::Instructions)->isVisible());
}

}  // namespace
}  // namespace korvanti::testing
