#include "ui/common/Dialogs.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

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

// The message box that is open now, if any.
QMessageBox* OpenBox() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* box = qobject_cast<QMessageBox*>(widget);
    if (box && box->isVisible()) {
      return box;
    }
  }
  return nullptr;
}

// Boxes delete themselves once answered.
bool NoBoxLeft() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return OpenBox() == nullptr;
}

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
    std::vector<DialogAnswer> answers;
    dialogs.YesNoCancel(QStringLiteral("Spiel Abbrechen.\n\rNein für Abruch"),
                        [&](DialogAnswer answer) { answers.push_back(answer); });
    // The question returns at once; the answer comes with the click.
    EXPECT_TRUE(answers.empty()) << c.name;
    QMessageBox* box = OpenBox();
    ASSERT_NE(box, nullptr) << c.name;
    EXPECT_EQ(ButtonTexts(*box), (QStringList{"Abbrechen", "Ja", "Nein"})) << c.name;
    // The old line break "\n\r" shows as one break, not as a stray character.
    EXPECT_EQ(box->text(), QStringLiteral("Spiel Abbrechen.\nNein für Abruch")) << c.name;
    c.act(*box);
    EXPECT_EQ(answers, std::vector<DialogAnswer>{c.expected}) << c.name;
    EXPECT_TRUE(NoBoxLeft()) << c.name;
  }
}

TEST(MessageBoxDialogsTest, TwoWayQuestionIsTrueOnlyForJa) {
  const QuestionCase cases[] = {{"Ja", Click("Ja"), DialogAnswer::Yes},
                                {"Nein", Click("Nein"), DialogAnswer::No},
                                {"Esc", PressEscape(), DialogAnswer::No}};
  for (const auto& c : cases) {
    MessageBoxDialogs dialogs;
    std::vector<bool> answers;
    dialogs.YesNo(QStringLiteral("Spiel fortsetzten?"), [&](bool yes) { answers.push_back(yes); });
    QMessageBox* box = OpenBox();
    ASSERT_NE(box, nullptr) << c.name;
    EXPECT_EQ(ButtonTexts(*box), (QStringList{"Ja", "Nein"})) << c.name;
    c.act(*box);
    EXPECT_EQ(answers, std::vector<bool>{c.expected == DialogAnswer::Yes}) << c.name;
    EXPECT_TRUE(NoBoxLeft()) << c.name;
  }
}

TEST(MessageBoxDialogsTest, ErrorAndInformationShowTheirTextWithOkWithoutWaiting) {
  MessageBoxDialogs dialogs;
  dialogs.Error(QStringLiteral("Spieler <b>Anna</b> fehlt"));
  QMessageBox* box = OpenBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(ButtonTexts(*box), QStringList{"OK"});
  // A name typed by a player is shown as typed, never read as markup.
  EXPECT_EQ(box->text(), QStringLiteral("Spieler <b>Anna</b> fehlt"));
  EXPECT_EQ(box->textFormat(), Qt::PlainText);
  Click("OK")(*box);
  EXPECT_TRUE(NoBoxLeft());

  dialogs.Information(QStringLiteral("Gespeichert"));
  box = OpenBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->text(), QStringLiteral("Gespeichert"));
  Click("OK")(*box);
  EXPECT_TRUE(NoBoxLeft());
}

TEST(ScriptedDialogsTest, AnswersInOrderAndRecordsEveryText) {
  ScriptedDialogs dialogs;
  dialogs.Answer(DialogAnswer::No);
  dialogs.Answer(DialogAnswer::Yes);
  dialogs.Answer(DialogAnswer::Yes);

  std::vector<DialogAnswer> answers;
  const auto keep = [&](DialogAnswer answer) { answers.push_back(answer); };
  dialogs.YesNoCancel("Abbrechen?", keep);
  dialogs.Error("kaputt");
  dialogs.YesNoCancel("Abbrechen?", keep);
  dialogs.YesNo("Weiter?", [&](bool yes) { keep(yes ? DialogAnswer::Yes : DialogAnswer::No); });
  dialogs.Information("gut");

  EXPECT_EQ(answers, (std::vector{DialogAnswer::No, DialogAnswer::Yes, DialogAnswer::Yes}));
  ASSERT_EQ(dialogs.shown().size(), 5u);
  EXPECT_EQ(dialogs.shown()[1].kind, ScriptedDialogs::Kind::Error);
  EXPECT_EQ(dialogs.shown()[1].text, "kaputt");
  EXPECT_EQ(dialogs.shown()[3].kind, ScriptedDialogs::Kind::YesNo);
  EXPECT_EQ(dialogs.shown()[4].text, "gut");
  EXPECT_EQ(dialogs.unanswered(), 0);
}

TEST(ScriptedDialogsTest, UnscriptedQuestionsChangeNothingAndAreCounted) {
  ScriptedDialogs dialogs;
  std::vector<DialogAnswer> answers;
  dialogs.YesNoCancel("Abbrechen?", [&](DialogAnswer answer) { answers.push_back(answer); });
  dialogs.YesNo("Weiter?",
                [&](bool yes) { answers.push_back(yes ? DialogAnswer::Yes : DialogAnswer::No); });
  EXPECT_EQ(answers, (std::vector{DialogAnswer::Cancel, DialogAnswer::No}));
  EXPECT_EQ(dialogs.unanswered(), 2);
}

TEST(ScriptedDialogsTest, HeldQuestionsWaitForTheirAnswerInOrder) {
  ScriptedDialogs dialogs;
  dialogs.HoldAnswers();
  std::vector<std::string> answers;
  dialogs.YesNoCancel("Abbrechen?", [&](DialogAnswer answer) {
    answers.push_back(answer == DialogAnswer::Cancel ? "Abbrechen" : "anders");
  });
  dialogs.YesNo("Weiter?", [&](bool yes) { answers.push_back(yes ? "Ja" : "Nein"); });
  EXPECT_TRUE(answers.empty());
  EXPECT_EQ(dialogs.held(), 2);
  EXPECT_TRUE(dialogs.AnswerHeld(DialogAnswer::Cancel));
  EXPECT_TRUE(dialogs.AnswerHeld(DialogAnswer::Yes));
  EXPECT_FALSE(dialogs.AnswerHeld(DialogAnswer::Yes));
  EXPECT_EQ(answers, (std::vector<std::string>{"Abbrechen", "Ja"}));
}

}  // namespace
}  // namespace korvanti
