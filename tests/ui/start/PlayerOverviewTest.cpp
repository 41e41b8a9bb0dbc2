#include <QDateTimeEdit>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>

#include "StartWindowFixture.h"
#include "platform/FileIo.h"
#include "store/StatisticsQuery.h"
#include "ui/start/NewPlayerDialog.h"

namespace korvanti::testing {
namespace {

using PlayerOverviewTest = StartWindowFixture;

void Type(NewPlayerDialog& dialog, const char* field, const QString& text) {
  auto* edit = dialog.findChild<QLineEdit*>(field);
  ASSERT_NE(edit, nullptr) << field;
  edit->setText(text);
}

void PressOk(NewPlayerDialog& dialog) {
  QTest::mouseClick(dialog.findChild<QPushButton*>("btnOk"), Qt::LeftButton);
}

TEST_F(PlayerOverviewTest, CancellingTheNewPlayerStoresNothingAndSaysNothing) {
  Open();
  WithModal<NewPlayerDialog>([&] { Press(ToolButton::NewPlayer); },
                             [](NewPlayerDialog& dialog) { dialog.reject(); });
  EXPECT_EQ(Model().rowCount(), 0);
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(PlayerOverviewTest, AFirstNameAloneBecomesTheNicknameAndThePictureAJpeg) {
  AddPlayer("Anna", "Anna");
  Open();
  Tick(0);
  const auto png = (root / "bild.png").string();
  QImage picture(300, 150, QImage::Format_ARGB32);
  picture.fill(Qt::red);
  ASSERT_TRUE(picture.save(QString::fromStdString(png), "PNG"));
  WithModal<NewPlayerDialog>([&] { Press(ToolButton::NewPlayer); },
                             [&](NewPlayerDialog& dialog) {
                               Type(dialog, "edtVorname", "Bernd");
                               dialog.SetPicturePath(QString::fromStdString(png));
                               PressOk(dialog);
                             });
  EXPECT_TRUE(dialogs.shown().empty());
  ASSERT_EQ(Model().rowCount(), 2);
  EXPECT_EQ(Column(0), (std::vector<QString>{"Anna \"Anna\" ", "Bernd \"Bernd\" "}));
  // A full refill: no row is ticked any more, the new one is selected.
  EXPECT_FALSE(Model().Rows()[0].ticked);
  EXPECT_EQ(Table().SelectedRow(), 1);
  const auto written = ReadWholeFile(folder / "pictures" / "Bernd.jpg");
  ASSERT_TRUE(written && written->size() > 2);
  EXPECT_EQ(static_cast<unsigned char>((*written)[0]), 0xFF);
  EXPECT_EQ(static_cast<unsigned char>((*written)[1]), 0xD8);
}

TEST_F(PlayerOverviewTest, RefusedNicknamesAreReportedAndNotStored) {
  AddPlayer("Anna", "Anna");
  Open();
  for (const char* nickname : {"ANNA", "The Machine", "../x"}) {
    WithModal<NewPlayerDialog>([&] { Press(ToolButton::NewPlayer); },
                               [&](NewPlayerDialog& dialog) {
                                 Type(dialog, "edtVorname", "Eva");
                                 Type(dialog, "edtAnzeigename", nickname);
                                 PressOk(dialog);
                                 EXPECT_TRUE(dialog.isVisible()) << nickname;
                                 dialog.reject();
                               });
  }
  EXPECT_EQ(Model().rowCount(), 1);
  ASSERT_EQ(dialogs.shown().size(), 3u);
  for (const auto& shown : dialogs.shown()) {
    EXPECT_EQ(shown.kind, ScriptedDialogs::Kind::Error);
  }
}

TEST_F(PlayerOverviewTest, DeletingAsksAndRemovesThePlayerWithHisTurns) {
  const auto anna = AddPlayer("Anna", "Anna");
  AddPlayer("Ben", "Ben");
  AddGame(anna, "const301dout", {"T20 T20 T20"});
  Open();
  Press(ToolButton::DeletePlayer);  // nothing selected: no question
  EXPECT_TRUE(dialogs.shown().empty());

  ClickRow(0);
  dialogs.Answer(DialogAnswer::No);
  Press(ToolButton::DeletePlayer);
  EXPECT_EQ(Model().rowCount(), 2);
  EXPECT_EQ(Shown(),
            (std::vector<QString>{"Soll der ausgewählte Spieler tatsächlich gelöscht werden?"}));

  ClickRow(0);
  dialogs.Answer(DialogAnswer::Yes);
  Press(ToolButton::DeletePlayer);
  ASSERT_EQ(Model().rowCount(), 1);
  EXPECT_EQ(Cell(0, 0), "Ben \"Ben\" ");
  StatisticsQuery query(*window->DatabaseOrNull());
  query.playerId = anna;
  query.allTypes = true;
  query.dateFrom = 0;
  query.dateTo = 999999;
  EXPECT_EQ(query.CountDarts(), 0);
}

TEST_F(PlayerOverviewTest, AHeaderSortsNumbersByValueAndASecondClickReverses) {
  const auto anna = AddPlayer("Anna", "Anna");
  const auto ben = AddPlayer("Ben", "Ben");
  const auto cleo = AddPlayer("Cleo", "Cleo");
  for (int i = 0; i < 10; ++i) {
    AddGame(anna, "const301dout", {"T20"});
  }
  for (int i = 0; i < 9; ++i) {
    AddGame(ben, "const301dout", {"T20"});
  }
  AddGame(cleo, "const301dout", {"T20"});
  Open();
  ClickHeader(1);  // "Spiele"
  EXPECT_EQ(Column(1), (std::vector<QString>{"1", "9", "10"}));
  ClickHeader(1);
  EXPECT_EQ(Column(1), (std::vector<QString>{"10", "9", "1"}));
  // The caption counts as clicked before: its first click sorts descending.
  ClickHeader(0);
  EXPECT_EQ(Column(0).front(), "Anna \"Anna\" ");
  ClickHeader(0);
  EXPECT_EQ(Column(0).front(), "Cleo \"Cleo\" ");
}

TEST_F(PlayerOverviewTest, DraggingRowsChangesTheOrderOfPlay) {
  for (const char* name : {"Anna", "Ben", "Cleo"}) {
    AddPlayer(name, name);
  }
  Open();
  Tick(0);
  Tick(2);
  ClickRow(2);
  DropSelectedRowAt(RowCentre(0));
  EXPECT_EQ(Column(0).front(), "Cleo \"Cleo\" ");
  EXPECT_TRUE(Model().Rows()[0].ticked);
  EXPECT_EQ(Table().SelectedRow(), 0);

  ClickRow(0);
  DropSelectedRowAt(RowCentre(2));  // the first row onto the third lands second
  EXPECT_EQ(Column(0)[1], "Cleo \"Cleo\" ");
  ClickRow(0);
  DropSelectedRowAt({5, Table().viewport()->height() - 3});  // below the rows: to the end
  EXPECT_EQ(Column(0).back(), "Anna \"Anna\" ");
}

TEST_F(PlayerOverviewTest, ADoubleClickTicksAndATickBoxClickToo) {
  AddPlayer("Anna", "Anna");
  Open();
  DoubleClickRow(0);
  EXPECT_TRUE(Model().Rows()[0].ticked);
  DoubleClickRow(0);
  EXPECT_FALSE(Model().Rows()[0].ticked);
  Tick(0);
  EXPECT_TRUE(Model().Rows()[0].ticked);
}

TEST_F(PlayerOverviewTest, TheDatePickerRefillsTheFigures) {
  const auto anna = AddPlayer("Anna", "Anna");
  AddGame(anna, "const301dout", {"T20 T20 T20"});
  Open();
  Tick(0);
  auto& date = window->StartDate();
  date.setDateTime(QDateTime::currentDateTime().addDays(-3));
  QTest::keyClick(&date, Qt::Key_Return);
  EXPECT_EQ(Cell(0, 1), "1");
  date.setDateTime(QDateTime::currentDateTime());
  QTest::keyClick(&date, Qt::Key_Return);
  EXPECT_EQ(Cell(0, 1), "0");
  EXPECT_TRUE(Model().Rows()[0].ticked);  // a partial refill keeps the ticks
}

}  // namespace
}  // namespace korvanti::testing
