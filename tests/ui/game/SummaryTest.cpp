#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <vector>

#include "ui/game/SeriesSummary.h"

namespace korvanti {
namespace {

Summary TwoGames() {
  Summary summary;
  summary.caption = "2 Spiele durchgeführt";
  summary.rows = {{"Anna (1)", "48,1 (45,2 / 51,0)", "33% 3/1 (33% 3/1, 0% 0/0)"},
                  {"Bernd (1)", "40,5 (41,0 / 40,0)", "-"}};
  summary.gameOverText = "Bernd hat gewonnen";
  return summary;
}

QStringList Row(const QTreeWidget& list, int row) {
  QStringList texts;
  for (int column = 0; column < list.columnCount(); ++column) {
    texts << list.topLevelItem(row)->text(column);
  }
  return texts;
}

TEST(SeriesSummaryTest, ShowsCaptionColumnsRowsAndGameOverText) {
  SeriesSummary dialog;
  dialog.Fill(TwoGames());
  EXPECT_EQ(dialog.windowTitle(), "2 Spiele durchgeführt");
  auto* list = dialog.findChild<QTreeWidget*>("lstSummary");
  ASSERT_NE(list, nullptr);
  const QTreeWidgetItem* header = list->headerItem();
  EXPECT_EQ(header->text(0), "Spieler (Siege)");
  EXPECT_EQ(header->text(1), "Schnitt gesamt, (einzelne Spiele)");
  EXPECT_EQ(header->text(2), "Doppelqoute gesamt, (einzelne Spiele)");
  ASSERT_EQ(list->topLevelItemCount(), 2);
  EXPECT_EQ(Row(*list, 0),
            (QStringList{"Anna (1)", "48,1 (45,2 / 51,0)", "33% 3/1 (33% 3/1, 0% 0/0)"}));
  EXPECT_EQ(Row(*list, 1), (QStringList{"Bernd (1)", "40,5 (41,0 / 40,0)", "-"}));
  EXPECT_EQ(dialog.findChild<QLabel*>("lblgameovermessage")->text(), "Bernd hat gewonnen");

  auto* more = dialog.findChild<QPushButton*>("btnWeiter");
  auto* end = dialog.findChild<QPushButton*>("btnBeenden");
  ASSERT_NE(more, nullptr);
  ASSERT_NE(end, nullptr);
  EXPECT_EQ(more->text(), "&weiteres Spiel");
  EXPECT_EQ(end->text(), "&Beenden");
  EXPECT_TRUE(more->isDefault());
}

TEST(SeriesSummaryTest, FillingAgainReplacesTheRows) {
  SeriesSummary dialog;
  dialog.Fill(TwoGames());
  Summary three = TwoGames();
  three.caption = "3 Spiele durchgeführt";
  three.rows.pop_back();
  dialog.Fill(three);
  EXPECT_EQ(dialog.windowTitle(), "3 Spiele durchgeführt");
  EXPECT_EQ(dialog.findChild<QTreeWidget*>("lstSummary")->topLevelItemCount(), 1);
}

// Acts on the summary once its modal loop runs.
// The summary that is open now, if any.
SeriesSummary* OpenSummaryWindow() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* found = qobject_cast<SeriesSummary*>(widget); found && found->isVisible()) {
      return found;
    }
  }
  return nullptr;
}

struct AnswerCase {
  const char* name;
  std::function<void(SeriesSummary&)> act;
  DialogAnswer answer;
};

TEST(OpenSummaryTest, OnlyWeiteresSpielContinuesZuruecknehmenTakesBackClosingEndsTheSeries) {
  const auto click = [](const char* name) {
    return [name](SeriesSummary& d) { d.findChild<QPushButton*>(name)->click(); };
  };
  const AnswerCase cases[] = {
      {"weiteres Spiel", click("btnWeiter"), DialogAnswer::Yes},
      {"Enter", [](SeriesSummary& d) { QTest::keyClick(&d, Qt::Key_Return); }, DialogAnswer::Yes},
      {"Beenden", click("btnBeenden"), DialogAnswer::No},
      {"Zurücknehmen", click("btnZuruecknehmen"), DialogAnswer::Cancel},
      {"Esc", [](SeriesSummary& d) { QTest::keyClick(&d, Qt::Key_Escape); }, DialogAnswer::No},
      {"close box", [](SeriesSummary& d) { d.close(); }, DialogAnswer::No}};
  for (const auto& c : cases) {
    std::vector<DialogAnswer> answers;
    OpenSummary(nullptr, TwoGames(), true, [&](DialogAnswer answer) { answers.push_back(answer); });
    EXPECT_TRUE(answers.empty()) << c.name;  // it returns at once
    SeriesSummary* dialog = OpenSummaryWindow();
    ASSERT_NE(dialog, nullptr) << c.name;
    c.act(*dialog);
    EXPECT_EQ(answers, std::vector<DialogAnswer>{c.answer}) << c.name;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(OpenSummaryWindow(), nullptr) << c.name;
  }
}

}  // namespace
}  // namespace korvanti
