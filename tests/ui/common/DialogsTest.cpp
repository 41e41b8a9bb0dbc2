#include "ui/common/Dialogs.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

#include "ui/common/ScriptedDialogs.h"

namespace korvanti {
namespace {

QStringList ButtonTexts(const QMessageBox& box) {
  QStringList texts;
  for (const QAbstractButton* button : box.buttons()) {
    texts << button->text().remove(QLatin1Char('&'));
  }
  texts.sort();
  return texts;
}

// Runs `act` on the message box as soon as it shows; the box runs its own
// modal loop meanwhile.
class BoxDriver {
 public:
  explicit BoxDriver(std::function<void(QMessageBox&)> act) : act_(std::move(act)) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box && box->isVisible()) {
          timer_.stop();
          text = box->text();
          buttons = ButtonTexts(*box);
          format = box->textFormat();
          act_(*box);
          return;
        }
      }
    });
    timer_.start();
  }
  QString text;
  QStringList buttons;
  Qt::TextFormat format = Qt::AutoText;

 private:
  std::function<void(QMessageBox&)> act_;
  QTimer timer_;
};

std::function<void(QMessageBox&)> Click(const QString& label) {
  return [label](QMessageBox& box) {
    for (QAbstractButton* button : box.buttons()) {
      if (button->text().remove(QLatin1Char('&')) == label) {
        button->click();
        return;
      }
    }
    ADD_FAILURE() << "no button " << label.toStdString();
  };
}

std::function<void(QMessageBox&)> PressEscape() {
  return [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); };
}

struct QuestionCase {
  const char* name;
  std::function<void(QMessageBox&)> act;
  DialogAnswer expected;
};

TEST(MessageBoxDialogsTest, ThreeWayQuestionSaysJaNeinAbbrechenAndEscapeCancels) {
  const QuestionCase cases[] = {{"Ja", Click("Ja"), DialogAnswer::Yes},
                                {"Nein", Click("Nein"), DialogAnswer::No},
                                {"Abbrechen", Click("Abbrechen"), DialogAnswer::Cancel},
                                {"Esc", PressEscape(), DialogAnswer::Cancel}};
  for (const auto& c : cases) {
    MessageBoxDialogs dialogs;
    BoxDriver driver(c.act);
    EXPECT_EQ(dialogs.YesNoCancel(QStringLiteral("Spiel Abbrechen.\n\rNein für Abruch")),
              c.expected)
        << c.name;
    EXPECT_EQ(driver.buttons, (QStringList{"Abbrechen", "Ja", "Nein"})) << c.name;
    // The old line break "\n\r" shows as one break, not as a stray character.
    EXPECT_EQ(driver.text, QStringLiteral("Spiel Abbrechen.\nNein für Abruch")) << c.name;
  }
}

TEST(MessageBoxDialogsTest, TwoWayQuestionIsTrueOnlyForJa) {
  const QuestionCase cases[] = {{"Ja", Click("Ja"), DialogAnswer::Yes},
                                {"Nein", Click("Nein"), DialogAnswer::No},
                                {"Esc", PressEscape(), DialogAnswer::No}};
  for (const auto& c : cases) {
    MessageBoxDialogs dialogs;
    BoxDriver driver(c.act);
    EXPECT_EQ(dialogs.YesNo(QStringLiteral("Spiel fortsetzten?")), c.expected == DialogAnswer::Yes)
        << c.name;
    EXPECT_EQ(driver.buttons, (QStringList{"Ja", "Nein"})) << c.name;
  }
}

TEST(MessageBoxDialogsTest, ErrorAndInformationShowTheirTextWithOk) {
  MessageBoxDialogs dialogs;
  {
    BoxDriver driver(Click("OK"));
    dialogs.Error(QStringLiteral("Spieler <b>Anna</b> fehlt"));
    EXPECT_EQ(driver.buttons, QStringList{"OK"});
    // A name typed by a player is shown as typed, never read as markup.
    EXPECT_EQ(driver.text, QStringLiteral("Spieler <b>Anna</b> fehlt"));
    EXPECT_EQ(driver.format, Qt::PlainText);
  }
  {
    BoxDriver driver(Click("OK"));
    dialogs.Information(QStringLiteral("Gespeichert"));
    EXPECT_EQ(driver.text, QStringLiteral("Gespeichert"));
  }
}

TEST(ScriptedDialogsTest, AnswersInOrderAndRecordsEveryText) {
  ScriptedDialogs dialogs;
  dialogs.Answer(DialogAnswer::No);
  dialogs.Answer(DialogAnswer::Yes);
  dialogs.Answer(DialogAnswer::Yes);

  EXPECT_EQ(dialogs.YesNoCancel("Abbrechen?"), DialogAnswer::No);
  dialogs.Error("kaputt");
  EXPECT_EQ(dialogs.YesNoCancel("Abbrechen?"), DialogAnswer::Yes);
  EXPECT_TRUE(dialogs.YesNo("Weiter?"));
  dialogs.Information("gut");

  ASSERT_EQ(dialogs.shown().size(), 5u);
  EXPECT_EQ(dialogs.shown()[1].kind, ScriptedDialogs::Kind::Error);
  EXPECT_EQ(dialogs.shown()[1].text, "kaputt");
  EXPECT_EQ(dialogs.shown()[3].kind, ScriptedDialogs::Kind::YesNo);
  EXPECT_EQ(dialogs.shown()[4].text, "gut");
  EXPECT_EQ(dialogs.unanswered(), 0);
}

TEST(ScriptedDialogsTest, UnscriptedQuestionsChangeNothingAndAreCounted) {
  ScriptedDialogs dialogs;
  EXPECT_EQ(dialogs.YesNoCancel("Abbrechen?"), DialogAnswer::Cancel);
  EXPECT_FALSE(dialogs.YesNo("Weiter?"));
  EXPECT_EQ(dialogs.unanswered(), 2);
}

}  // namespace
}  // namespace korvanti
