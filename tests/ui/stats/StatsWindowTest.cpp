#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "RawDatabase.h"
#include "StatsWindowFixture.h"
#include "engine/GameCatalog.h"
#include "report/StatisticsRows.h"
#include "ui/stats/TrendChart.h"

namespace korvanti {
namespace {

using testing::Captions;
using testing::Cell;
using testing::DaysAgo;
using testing::StatsWindow;

QStringList Expected(StatisticsTableKind kind) {
  QStringList captions;
  for (const auto& caption : TableColumns(kind)) {
    captions << QString::fromStdString(caption);
  }
  return captions;
}

QAbstractButton& Radio(QWidget& window, const QString& caption) {
  for (auto* button : window.findChildren<QRadioButton*>()) {
    if (button->text() == caption)
      return *button;
  }
  ADD_FAILURE() << caption.toStdString();
  throw std::runtime_error("no radio button");
}

void Trigger(QWidget& window, const char* action) {
  auto* found = window.findChild<QAction*>(action);
  ASSERT_NE(found, nullptr) << action;
  found->trigger();
}

// Every kind of table, picked in the type list, shows its captions and the
// row of the one game of its type.
TEST_F(StatsWindow, EachTableShowsItsCaptionsAndRows) {
  const std::vector<std::pair<QString, std::string>> types{
      {"301 SO", "const301sout"},
      {"Cricket", "constcricket"},
      {"Shanghai", "constshanghai"},
      {"Seg. 20", "constpractice_segment_20"},
      {"Seg. 19", "constpractice_segment_19"},
      {"T20", "constpractice_segment_treble_20"},
      {"T19", "constpractice_segment_treble_19"},
      {"Bullseye Training", "constpractice_segment_bulls"},
      {"Double 20/16/10/...", "constpractice_dout_segments"},
      {"Double Training", "constpractice_double"},
      {"Freies Training", "constpractice_self"},
  };
  for (const auto& [label, key] : types) {
    data.AddGame(anna, key, DaysAgo(2, 20), {{"D20 D16 T20", "D20 D16 D20"}});
  }
  auto window = Open(anna, FindCatalogEntry(1));
  Refreshed(*window, [&] { Radio(*window, "Detailiert").click(); });
  for (const auto& [label, key] : types) {
    const auto entry = label.toStdString();
    auto& list = Find<QComboBox>(*window, "cmbStatsType");
    if (list.currentText() != label) {
      Refreshed(*window, [&] { list.setCurrentIndex(list.findText(label)); });
    }
    auto& table = window->DetailTable();
    EXPECT_TRUE(table.isVisible()) << entry;
    EXPECT_EQ(Captions(table), Expected(TableForType(key))) << entry;
    ASSERT_EQ(table.rowCount(), 1) << entry;  // the game is the last one: its own row
    EXPECT_TRUE(Cell(table, 0, table.columnCount() - 2).startsWith("last game: ")) << entry;
    if (TableForType(key) != StatisticsTableKind::SegmentsDouble) {
      EXPECT_EQ(Cell(table, 0, 0), "3") << entry;
    } else {
      EXPECT_EQ(Cell(table, 0, 0), "100,00") << entry;  // D20 aimed and hit
    }
  }
}

TEST_F(StatsWindow, TheExtraRowHoldsTheLastGameAlone) {
  data.AddGame(anna, "const301sout", DaysAgo(2, 18), {{"T20 T20 T20"}});
  data.AddGame(anna, "const301sout", DaysAgo(2, 19), {{"LS1 LS1 LS1"}});
  auto window = Open(anna, FindCatalogEntry(1));
  Refreshed(*window, [&] { Radio(*window, "Detailiert").click(); });
  auto& table = window->DetailTable();
  ASSERT_EQ(table.rowCount(), 2);
  EXPECT_EQ(Cell(table, 0, 3), "180");
  EXPECT_EQ(Cell(table, 1, 3), "3");
  EXPECT_TRUE(Cell(table, 1, table.columnCount() - 2).startsWith("last game: "));
  Refreshed(*window, [&] { Find<QCheckBox>(*window, "chklastentry").click(); });
  ASSERT_EQ(table.rowCount(), 1);
  EXPECT_EQ(Cell(table, 0, 0), "6");
  EXPECT_FALSE(Cell(table, 0, table.columnCount() - 2).startsWith("last game: "));
}

TEST_F(StatsWindow, AllTypesGoWithTheAimViewAndDetailsWithAType) {
  data.AddGame(anna, "const301sout", DaysAgo(2, 18), {{"T20 T20 T20", "T20 T20 T20"}});
  auto window = Open(anna, FindCatalogEntry(1));
  auto& types = Find<QComboBox>(*window, "cmbStatsType");
  Refreshed(*window, [&] { Radio(*window, "Detailiert").click(); });
  EXPECT_TRUE(window->DetailTable().isVisible());
  EXPECT_FALSE(window->AimTable().isVisible());
  Refreshed(*window, [&] { types.setCurrentIndex(0); });  // "Alle"
  EXPECT_TRUE(Radio(*window, "Ziel u. Treffer").isChecked());
  EXPECT_TRUE(window->AimTable().isVisible());
  EXPECT_FALSE(window->DetailTable().isVisible());
  EXPECT_EQ(Captions(window->AimTable()), Expected(StatisticsTableKind::AimAndHit));
  EXPECT_EQ(Cell(window->AimTable(), 0, 1), "na");
  Refreshed(*window, [&] { Radio(*window, "Detailiert").click(); });
  EXPECT_EQ(types.currentText(), "301 SO");
  EXPECT_EQ(Captions(window->DetailTable()), Expected(StatisticsTableKind::CountDown));
}

// "Doppel" shows its own table, one row per double, for a type and for "Alle".
TEST_F(StatsWindow, TheDoublesViewShowsADoubleARow) {
  data.AddGame(anna, "const301dout", DaysAgo(2, 18),
               {{"T20 T20 T20"}, {"T20 LS19 LS10"}, {"LS16 D8"}});
  auto window = Open(anna, FindCatalogEntry(3));
  Refreshed(*window, [&] { Radio(*window, "Doppel").click(); });
  auto& table = window->DoublesTable();
  EXPECT_TRUE(table.isVisible());
  EXPECT_FALSE(window->DetailTable().isVisible());
  EXPECT_FALSE(window->AimTable().isVisible());
  EXPECT_EQ(Captions(table), Expected(StatisticsTableKind::Doubles));
  const auto expectRows = [&] {
    ASSERT_EQ(table.rowCount(), 21);
    EXPECT_EQ(Cell(table, 7, 0), "D8");
    EXPECT_EQ(Cell(table, 7, 3), "100,00");
    EXPECT_EQ(Cell(table, 15, 1), "1");  // D16: one dart at 32 left, landed on its single
    EXPECT_EQ(Cell(table, 15, 2), "0");
    EXPECT_EQ(Cell(table, 20, 0), "Bull");
  };
  expectRows();
  Refreshed(*window, [&] { Find<QComboBox>(*window, "cmbStatsType").setCurrentIndex(0); });
  EXPECT_TRUE(Radio(*window, "Doppel").isChecked());
  expectRows();
}

// Choosing a player refreshes, the first of the list too; without one
// nothing is asked and nothing deleted.
TEST_F(StatsWindow, EveryPlayerChoiceRefreshes) {
  data.AddGame(anna, "const301sout", DaysAgo(2, 18), {{"T20 T20 T20"}});
  data.AddGame(ben, "const301sout", DaysAgo(2, 18), {{"T20 T20 T20"}, {"T20"}});
  auto window = Open("");
  auto& players = Find<QComboBox>(*window, "cmbPlayer");
  EXPECT_EQ(players.currentIndex(), -1);
  EXPECT_EQ(window->AimTable().rowCount(), 0);
  Trigger(*window, "btnDelete");
  EXPECT_TRUE(dialogs.shown().empty());
  Refreshed(*window, [&] { players.setCurrentIndex(0); });
  EXPECT_EQ(Cell(window->AimTable(), 0, 0), "3");
  Refreshed(*window, [&] { players.setCurrentIndex(1); });
  EXPECT_EQ(Cell(window->AimTable(), 0, 0), "4");
}

// The board click cases of the field selection.
TEST_F(StatsWindow, BoardClicksSelectAField) {
  data.AddGame(anna, "const301sout", DaysAgo(2, 18), {{"T20 T20 LS20", "T20 20 T20"}});
  auto window = Open(anna);
  auto& board = window->AimBoard();
  struct Case {
    const char* code;
    Qt::MouseButton button;
    QString selection;
  };
  const std::vector<Case> cases{
      {"T20", Qt::LeftButton, "20"},     {"T20", Qt::RightButton, "T20"},
      {"SS25", Qt::RightButton, "SS25"}, {"SS25", Qt::LeftButton, "25"},
      {"D25", Qt::RightButton, "D25"},
  };
  for (const auto& c : cases) {
    Refreshed(*window, [&] { ClickBoard(*window, c.code, c.button); });
    EXPECT_EQ(board.Selection(), c.selection) << c.code;
  }
  // The same field again, and a left click on a wire, change nothing.
  QSignalSpy changes(&board, &AimBoardPanel::selectionChanged);
  ClickBoard(*window, "D25", Qt::RightButton);
  emit board.Board().pressed(Qt::LeftButton, PixelOf("00", 0), "00");
  EXPECT_EQ(changes.count(), 0);
  EXPECT_EQ(board.Selection(), "D25");
  // Outside the board: no entry, every dart.
  Refreshed(*window, [&] { ClickBoard(*window, "0", Qt::RightButton); });
  EXPECT_EQ(board.Selection(), "");
  EXPECT_EQ(Cell(window->AimTable(), 0, 0), "3");
}

TEST_F(StatsWindow, TheFieldListTakesOnlyListedCodes) {
  data.AddGame(anna, "const301sout", DaysAgo(2, 18), {{"T20 T20 LS20", "T20 20 T20"}});
  auto window = Open(anna);
  auto& field = Find<QComboBox>(*window, "cmbAim_and_Hit");
  field.lineEdit()->selectAll();
  QTest::keyClicks(field.lineEdit(), "X");
  EXPECT_EQ(field.currentText(), "Alle");
  field.lineEdit()->selectAll();
  Refreshed(*window, [&] { QTest::keyClicks(field.lineEdit(), "T20"); });
  EXPECT_EQ(field.currentText(), "T20");
  ASSERT_EQ(window->AimTable().rowCount(), 1);
  EXPECT_EQ(Cell(window->AimTable(), 0, 0), "2");  // the darts in T20
}

TEST_F(StatsWindow, DartBoxesChooseTheDotsDrawn) {
  data.AddGame(anna, "const301sout", DaysAgo(2, 18), {{"T20 T20 LS20"}, {"T20 T20 T20"}});
  auto window = Open(anna);
  const auto& dots = window->AimBoard().Board();
  EXPECT_EQ(dots.Dots().size(), 6u);
  const auto colours = window->AimBoard().Colours();
  Find<QCheckBox>(*window, "chk2Dart").click();
  ASSERT_EQ(dots.Dots().size(), 4u);
  for (const auto& dot : dots.Dots()) {
    EXPECT_NE(dot.color, QColor(colours.darts[1].r, colours.darts[1].g, colours.darts[1].b));
    EXPECT_EQ(dot.radius, 3);
  }
  Find<QCheckBox>(*window, "chk1dart").click();
  Find<QCheckBox>(*window, "chk3dart").click();
  EXPECT_TRUE(dots.Dots().empty());
}

// "Löschen" asks what goes, removes exactly the shown selection and shows
// the table again.
TEST_F(StatsWindow, DeletionRemovesWhatIsShownAndRebuilds) {
  data.AddGame(anna, "const301sout", DaysAgo(2, 18), {{"T20 T20 T20"}});
  data.AddGame(anna, "constcricket", DaysAgo(2, 19), {{"T20 T20 T20"}});
  data.AddGame(anna, "const301sout", DaysAgo(60, 19), {{"T20 T20 T20"}});  // before the period
  data.AddGame(ben, "const301sout", DaysAgo(2, 18), {{"T20 T20 T20"}});
  auto window = Open(anna, FindCatalogEntry(1));
  ASSERT_EQ(window->AimTable().rowCount(), 1);
  // Without the extra row, whose last game may lie before the period.
  Refreshed(*window, [&] { Find<QCheckBox>(*window, "chklastentry").click(); });
  ASSERT_EQ(window->AimTable().rowCount(), 1);
  dialogs.Answer(DialogAnswer::Yes);
  Refreshed(*window, [&] { Trigger(*window, "btnDelete"); });
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_TRUE(dialogs.shown()[0].text.startsWith(
      "Wollen sie wirklich die ausgewählten Statistiken löschen?"));
  EXPECT_TRUE(dialogs.shown()[0].text.contains("Anna"));
  EXPECT_EQ(window->AimTable().rowCount(), 0);
  testing::RawDatabase raw(data.folder / "dart.mdb");
  const auto left = raw.Rows(
      "SELECT player.nickname, game.gametypesid FROM throw JOIN game ON game.gameid = "
      "throw.gameid JOIN player ON player.playerid = throw.playerid ORDER BY game.datetime");
  ASSERT_EQ(left.size(), 3u);
  EXPECT_EQ(left[0][1].toString(), "const301sout");  // Anna's older game
  EXPECT_EQ(left[1][0].toString(), "Ben");
  EXPECT_EQ(left[2][1].toString(), "constcricket");
}

TEST_F(StatsWindow, ColoursSurviveReopening) {
  {
    auto window = Open("");
    nextColour = QColor(1, 2, 3);
    Find<QPushButton>(*window, "pnl2").click();
    ASSERT_EQ(offeredColours.size(), 1u);
    EXPECT_EQ(offeredColours[0], QColor(Qt::yellow));  // the dialog opens at the current colour
    nextColour.reset();
    Find<QPushButton>(*window, "pnl3").click();  // cancelled: stays
    window->close();
  }
  auto window = Open("");
  const auto colours = window->AimBoard().Colours();
  EXPECT_EQ(colours.darts[1], (Rgb{1, 2, 3}));
  EXPECT_EQ(colours.darts[2], (Rgb{0, 255, 0}));
}

TEST_F(StatsWindow, TheChartShowsTheTablesMainColumn) {
  data.AddGame(anna, "const301sout", DaysAgo(5, 18), {{"T20 T20 T20"}});
  data.AddGame(anna, "const301sout", DaysAgo(3, 18), {{"LS20 LS20 LS20"}, {"T20 LS1 LS1"}});
  data.AddGame(anna, "const301sout", DaysAgo(2, 18), {{"LS1 LS1 LS1"}});
  auto window = Open(anna, FindCatalogEntry(1));
  Refreshed(*window, [&] { Radio(*window, "Detailiert").click(); });
  auto& table = window->DetailTable();
  const auto points = window->Trend().PeriodPoints();
  ASSERT_EQ(table.rowCount(), 3);
  ASSERT_EQ(points.size(), 3);
  for (int row = 0; row < 3; ++row) {
    const auto average = Cell(table, row, 1).section('/', 0, 0).replace(',', '.').toDouble();
    EXPECT_NEAR(points[row].y(), average, 0.005) << row;
  }
  const auto overall = window->Trend().OverallPoints();
  ASSERT_EQ(overall.size(), 2);
  EXPECT_NEAR(overall[0].y(), (180 + 60 + 62 + 3) / 4.0, 1e-9);
  EXPECT_EQ(overall[1].y(), overall[0].y());
}

// A period without a figure draws no axes (they would count from 1970) but says so.
TEST_F(StatsWindow, TheChartSaysWhenThePeriodHoldsNoFigure) {
  data.AddGame(anna, "const301sout", DaysAgo(3, 18), {{"T20 T20 T20"}});
  auto window = Open(anna, FindCatalogEntry(4));  // 501 DO: nothing played
  Refreshed(*window, [&] { Radio(*window, "Detailiert").click(); });
  auto& chart = window->Trend();
  auto& view = *chart.findChild<QChartView*>();
  auto& empty = Find<QLabel>(chart, "lblTrendEmpty");
  EXPECT_EQ(window->DetailTable().rowCount(), 0);
  EXPECT_TRUE(empty.isVisible());
  EXPECT_EQ(empty.text(), "Keine Daten im Zeitraum");
  EXPECT_FALSE(view.isVisible());
  auto& types = Find<QComboBox>(*window, "cmbStatsType");
  Refreshed(*window, [&] { types.setCurrentIndex(types.findText("301 SO")); });
  EXPECT_EQ(chart.PeriodPoints().size(), 1);
  EXPECT_TRUE(view.isVisible());
  EXPECT_FALSE(empty.isVisible());
}

// The file names the selection before the table; a name typed without an
// extension gets ".csv"; the window says where the file went.
TEST_F(StatsWindow, ExportWritesTheShownTable) {
  data.AddGame(anna, "const301sout", DaysAgo(3, 18), {{"T20 T20 T20"}});
  data.AddGame(anna, "const301sout", DaysAgo(2, 18), {{"LS1 LS1 LS1"}});
  auto window = Open(anna, FindCatalogEntry(1));
  const auto written = QString::fromStdString((data.folder / "anna \"stats\".csv").string());
  exportFile = written.chopped(4);
  Trigger(*window, "btnExport");
  QFile file(written);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const auto lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 8);
  EXPECT_EQ(lines.mid(0, 4), (QStringList{"Spieler,Anna", "Spiel/Training,301 SO",
                                          "Feldauswahl,Alle", "Intervall,täglich"}));
  EXPECT_TRUE(lines[4].startsWith("Zeitraum,")) << lines[4].toStdString();
  EXPECT_EQ(lines[5], "Darts,% Treffer Zahl,% Treffer Exakt,von,bis");
  EXPECT_TRUE(lines[7].startsWith("3,na,")) << lines[7].toStdString();
  EXPECT_TRUE(lines[7].contains(",last game: "));
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].kind, ScriptedDialogs::Kind::Information);
  EXPECT_TRUE(dialogs.shown()[0].text.contains(written)) << dialogs.shown()[0].text.toStdString();

  exportFile = QString::fromStdString((data.folder / "missing" / "x.csv").string());
  Trigger(*window, "btnExport");
  ASSERT_EQ(dialogs.shown().size(), 2u);
  EXPECT_EQ(dialogs.shown()[1].kind, ScriptedDialogs::Kind::Error);
  EXPECT_FALSE(QFile::exists(*exportFile));
}

// The hourglass shows while the worker builds the rows; a newer request
// replaces an older one, whose rows never appear.
TEST_F(StatsWindow, RefreshRunsBehindTheHourglassAndTheNewestWins) {
  data.AddGame(anna, "const301sout", DaysAgo(2, 18), {{"T20 T20 T20"}});
  data.AddGame(ben, "const301sout", DaysAgo(2, 18), {{"T20 T20 T20"}, {"T20"}});
  auto window = Open(anna);
  QSignalSpy spy(window.get(), &StatisticsWindow::refreshed);
  Find<QComboBox>(*window, "cmbPlayer").setCurrentIndex(1);
  Trigger(*window, "btnRefresh");
  Trigger(*window, "btnRefresh");
  EXPECT_TRUE(window->Refreshing());
  EXPECT_EQ(window->cursor().shape(), Qt::WaitCursor);
  ASSERT_TRUE(spy.wait(10000));
  // The worker runs the requests in order: a dropped result would have been
  // delivered before the newest one.
  EXPECT_EQ(spy.count(), 1);
  EXPECT_FALSE(window->Refreshing());
  EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(Cell(window->AimTable(), 0, 0), "4");
}

}  // namespace
}  // namespace korvanti
