#include "ui/start/InstructionsWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace korvanti {
namespace {

TEST(InstructionsWindowTest, CoversTheTopicsInTheirOrder) {
  const InstructionsWindow window;
  const QString text = window.TextField().toPlainText();
  // One word or name from each topic, in the order the text must bring them.
  const QStringList marks = {
      "Das Wichtigste",
      "ziehen",
      "nächsten Spiel als letzter",
      "pictures",
      ".jpg",
      "linke Maustaste",
      "Letzten Wurf zurücknehmen",
      "Zieleingabe aktivieren",
      "Einstellungen",
      "Erstellen...",
      "Statistik ansehen",
      "rechten Maustaste",
      "Aktualisieren",
      "Doppelstatistik",
      "501 gegen eigenes Topspiel",
      "1000 Spiele",
      "180.mp3",
      "Gewonnen.mp3",
      "Zusammenfassung",
      "BULL",
      "Legs",
      "Millimetern",
      "Neue Bestleistung",
      "Winmau",
      "Einstellungen",
      "Versionen",
      "Ausbullen",
      "Turniermodus",
  };
  qsizetype from = 0;
  for (const QString& mark : marks) {
    const qsizetype at = text.indexOf(mark, from, Qt::CaseSensitive);
    ASSERT_GE(at, 0) << mark.toStdString() << " missing after position " << from;
    from = at + mark.size();
  }
  EXPECT_TRUE(text.contains("Korvanti"));
  EXPECT_FALSE(text.contains("gewonnen.mp3"));  // file names are case-sensitive here
}

TEST(InstructionsWindowTest, EditsInTheFieldAreNeverKept) {
  QString shown;
  {
    InstructionsWindow window;
    EXPECT_EQ(window.windowTitle(), "Information");
    EXPECT_FALSE(window.TextField().isReadOnly());
    EXPECT_EQ(window.TextField().verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    shown = window.TextField().toPlainText();
    window.show();
    window.TextField().setFocus();
    QTest::keyClicks(&window.TextField(), "Meine Notiz");
    EXPECT_NE(window.TextField().toPlainText(), shown);
  }
  const InstructionsWindow again;
  EXPECT_EQ(again.TextField().toPlainText(), shown);
}

TEST(InstructionsWindowTest, SizeShrinksOnlyWhereTheScreenIsSmaller) {
  struct Case {
    QSize available;
    QSize expected;
  };
  for (const Case& c : {Case{{1920, 1040}, {984, 662}}, Case{{1366, 728}, {984, 662}},
                        Case{{1024, 700}, {984, 652}}, Case{{800, 560}, {784, 512}}}) {
    EXPECT_EQ(InstructionsWindowSize(c.available), c.expected) << c.available.width();
  }
}

TEST(InstructionsWindowTest, ShowInstructionsOpensItModallyWithinTheScreen) {
  ShowInstructions(nullptr);
  QWidget* modal = QApplication::activeModalWidget();
  ASSERT_NE(modal, nullptr);
  EXPECT_EQ(modal->windowTitle(), "Information");
  EXPECT_TRUE(modal->screen()->availableGeometry().contains(modal->geometry()));
  modal->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace korvanti
