#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include "ShotChecks.h"
#include "StartWindowFixture.h"
#include "engine/AimPoints.h"
#include "engine/Game.h"
#include "engine/TrainingFiles.h"
#include "platform/FileIo.h"
#include "ui/board/BoardWidget.h"
#include "ui/start/TrainingDesignerDialog.h"

namespace korvanti::testing {
namespace {

std::string FileText(const std::filesystem::path& path) {
  return ReadWholeFile(path).value_or("");
}

void WriteText(const std::filesystem::path& path, const std::string& text) {
  WriteFileDurably(path, text);
}

// A pixel of the hit map that lies on a wire.
QPoint WirePixel(const BoardWidget& board) {
  for (int x = 330; x < 659; ++x) {
    if (board.FieldCodeAt({x, 325}) == "00") {
      return {x, 325};
    }
  }
  return {};
}

void ClickBoard(BoardWidget& board, QPoint hitMapPosition, Qt::MouseButton button) {
  QTest::mouseClick(&board, button, {}, board.WidgetPosition(hitMapPosition));
}

void ClickField(BoardWidget& board, const char* code, Qt::MouseButton button = Qt::LeftButton) {
  const auto point = AimPointFor(code);
  ASSERT_TRUE(point.has_value()) << code;
  ClickBoard(board, {point->x, point->y}, button);
}

std::vector<std::pair<QString, int>> GridRows(const TrainingDesignerDialog& window) {
  std::vector<std::pair<QString, int>> rows;
  auto& grid = window.Grid();
  for (int row = 0; row < grid.rowCount(); ++row) {
    rows.emplace_back(grid.item(row, 0)->text(), grid.item(row, 1)->data(Qt::EditRole).toInt());
  }
  return rows;
}

using Rows = std::vector<std::pair<QString, int>>;

class DesignerWindowTest : public ::testing::Test {
 protected:
  std::unique_ptr<TrainingDesignerDialog> Open(DesignerMode mode) {
    auto window =
        std::make_unique<TrainingDesignerDialog>(mode, folder.Path(), 0, StartHitMap(), dialogs);
    window->resize(TrainingDesignerDialog::kDesignSize);
    window->show();
    QApplication::processEvents();
    return window;
  }

  void TypeName(TrainingDesignerDialog& window, const QString& name) {
    auto* edit = window.TrainingList().lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, name);
  }

  std::filesystem::path Settings() const { return folder / std::string(kSettingsFile); }

  std::vector<QString> Shown() const { return dialogs.texts(); }

  TempFolder folder;
  ScriptedDialogs dialogs;
};

TEST_F(DesignerWindowTest, BoardClicksFillTheGridAndSaveWritesTheNewTraining) {
  auto window = Open(DesignerMode::FreeTrainings);
  EXPECT_EQ(window->TrainingList().count(), 0);
  EXPECT_EQ(GridRows(*window), (Rows{{"", 0}}));
  auto& board = window->Board();
  ClickBoard(board, WirePixel(board), Qt::LeftButton);
  ClickBoard(board, {2, 2}, Qt::LeftButton);  // beside the board
  ClickField(board, "T20", Qt::RightButton);  // one empty row stays
  EXPECT_EQ(GridRows(*window), (Rows{{"", 0}}));
  ClickField(board, "D20");
  window->DefaultDarts().setValue(2);
  ClickField(board, "D16");
  ClickField(board, "T5");
  EXPECT_EQ(GridRows(*window), (Rows{{"D20", 3}, {"D16", 2}, {"T5", 2}}));
  ClickField(board, "LS1", Qt::RightButton);
  EXPECT_EQ(GridRows(*window), (Rows{{"D20", 3}, {"D16", 2}}));

  TypeName(*window, "Doppel");
  QTest::mouseClick(&window->SaveButton(), Qt::LeftButton);
  EXPECT_TRUE(dialogs.shown().empty());
  EXPECT_EQ(FileText(Settings()),
            "[Doppel]\ndef='D20=3,D16=2'\ncloseall=1\nignoremisshits=0\ncloseinone=0\nrounds=1\n");
  EXPECT_EQ(window->TrainingList().count(), 1);
  EXPECT_EQ(window->TrainingList().currentText(), "Doppel");
}

TEST_F(DesignerWindowTest, RefusedSavesSayWhyAndLeaveTheFileAlone) {
  const std::string original = "[Doppel]\ndef='D20=3'\ncloseall=1\n";
  WriteText(Settings(), original);
  auto window = Open(DesignerMode::FreeTrainings);
  auto& list = window->TrainingList();
  list.lineEdit()->clear();
  QTest::mouseClick(&window->SaveButton(), Qt::LeftButton);
  EXPECT_TRUE(list.hasFocus() || list.lineEdit()->hasFocus());
  TypeName(*window, "Neu;alt");
  QTest::mouseClick(&window->SaveButton(), Qt::LeftButton);
  TypeName(*window, "Leer");
  ClickField(window->Board(), "D20", Qt::RightButton);
  QTest::mouseClick(&window->SaveButton(), Qt::LeftButton);
  EXPECT_EQ(Shown(), (std::vector<QString>{
                         "Please first enter a name for the training",
                         "Der Name eines Trainings darf keine eckigen Klammern, kein \";\", kein "
                         "\"=\" und keinen Zeilenumbruch enthalten.",
                         "Das Training \"Leer\" hat keine Ziele.",
                     }));
  EXPECT_EQ(FileText(Settings()), original);
  EXPECT_EQ(list.count(), 2);  // "Doppel" and "Leer"; the refused name never joined
}

TEST_F(DesignerWindowTest, DartsAndRoundsTypedIntoTheirSpinBoxesAreSaved) {
  auto window = Open(DesignerMode::FreeTrainings);
  ClickField(window->Board(), "T20");
  ClickField(window->Board(), "T19");
  auto& grid = window->Grid();
  const auto cell = grid.visualItemRect(grid.item(1, 1)).center();
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell);
  QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, cell);
  auto* editor = qobject_cast<QSpinBox*>(QApplication::focusWidget());
  ASSERT_NE(editor, nullptr);
  editor->selectAll();
  QTest::keyClicks(editor, "7");
  window->Rounds().selectAll();
  QTest::keyClicks(&window->Rounds(), "12");
  TypeName(*window, "Triple");
  QTest::mouseClick(&window->SaveButton(), Qt::LeftButton);  // the open spin box counts
  EXPECT_TRUE(dialogs.shown().empty());
  EXPECT_EQ(ReadFreeTraining(IniFile(Settings()), "Triple").rules.definition, "T20=3,T19=7");
  EXPECT_EQ(ReadFreeTraining(IniFile(Settings()), "Triple").rounds, 12);
}

TEST_F(DesignerWindowTest, ChangesSavedUnderAnotherTrainingsNameAskFirst) {
  const std::string original = "[Erste]\ndef='T20=3'\n\n[Zweite]\ndef='D16=2'\n";
  WriteText(Settings(), original);
  auto window = Open(DesignerMode::FreeTrainings);
  ClickField(window->Board(), "D25");
  TypeName(*window, "zweite");
  dialogs.Answer(DialogAnswer::No);
  QTest::mouseClick(&window->SaveButton(), Qt::LeftButton);
  EXPECT_EQ(Shown(),
            std::vector<QString>{
                "Das Training \"Zweite\" gibt es schon. Mit den Zielen hier überschreiben?"});
  EXPECT_EQ(FileText(Settings()), original);
  EXPECT_EQ(GridRows(*window), (Rows{{"T20", 3}, {"D25", 3}}));

  dialogs.Answer(DialogAnswer::Yes);
  QTest::mouseClick(&window->SaveButton(), Qt::LeftButton);
  EXPECT_EQ(window->TrainingList().currentText(), "Zweite");
  EXPECT_EQ(ReadFreeTraining(IniFile(Settings()), "Zweite").rules.definition, "T20=3,D25=3");
  EXPECT_EQ(ReadFreeTraining(IniFile(Settings()), "Erste").rules.definition, "T20=3");
}

TEST_F(DesignerWindowTest, KeyboardSelectionShowsTheTrainingSoSaveKeepsTheOtherOne) {
  const std::string first = "[Erste]\ndef='T20=3'\ncloseall=1\nignoremisshits=0\ncloseinone=0\n";
  const std::string second =
      "[Zweite]\ndef='D16=2,D8=1'\ncloseall=1\nignoremisshits=1\ncloseinone=0\nrounds=3\n";
  WriteText(Settings(), first + "rounds=1\n\n" + second);
  const auto before = FileText(Settings());
  auto window = Open(DesignerMode::FreeTrainings);
  EXPECT_EQ(GridRows(*window), (Rows{{"T20", 3}}));
  window->TrainingList().setFocus();
  QTest::keyClick(&window->TrainingList(), Qt::Key_Down);
  EXPECT_EQ(window->TrainingList().currentText(), "Zweite");
  EXPECT_EQ(GridRows(*window), (Rows{{"D16", 2}, {"D8", 1}}));
  EXPECT_EQ(window->Rounds().value(), 3);
  EXPECT_TRUE(window->Rule(DesignerRule::IgnoreMisses).isChecked());
  QTest::mouseClick(&window->SaveButton(), Qt::LeftButton);
  EXPECT_TRUE(dialogs.shown().empty());
  EXPECT_EQ(FileText(Settings()), before);

  // Typing the first one's name selects and shows it.
  TypeName(*window, "erste");
  QTest::keyClick(window->TrainingList().lineEdit(), Qt::Key_Return);
  EXPECT_EQ(window->TrainingList().currentIndex(), 0);
  EXPECT_EQ(GridRows(*window), (Rows{{"T20", 3}}));
}

TEST_F(DesignerWindowTest, TheBoxesFollowTheirRulesOnClicksAndOnLoading) {
  WriteText(Settings(), "[Beide]\ndef='T20=3'\ncloseinone=1\nignoremisshits=1\n");
  auto window = Open(DesignerMode::FreeTrainings);
  auto& ignore = window->Rule(DesignerRule::IgnoreMisses);
  auto& inOne = window->Rule(DesignerRule::CloseInOne);
  auto& all = window->Rule(DesignerRule::CloseAll);
  EXPECT_FALSE(ignore.isChecked());
  EXPECT_TRUE(inOne.isChecked());
  EXPECT_TRUE(all.isChecked());
  QTest::mouseClick(&ignore, Qt::LeftButton);
  EXPECT_TRUE(ignore.isChecked());
  EXPECT_FALSE(inOne.isChecked());
  QTest::mouseClick(&all, Qt::LeftButton);
  EXPECT_FALSE(all.isChecked());
  EXPECT_FALSE(ignore.isChecked());
  QTest::mouseClick(&inOne, Qt::LeftButton);
  EXPECT_TRUE(inOne.isChecked());
  EXPECT_TRUE(all.isChecked());
}

TEST_F(DesignerWindowTest, LevelsModeWritesTheLevelsOnceAndRestoresALevelsDefault) {
  auto window = Open(DesignerMode::PirmelLevels);
  const auto levels = folder / std::string(kLevelFile);
  const auto written = FileText(levels);
  EXPECT_NE(written.find("[pirmel]"), std::string::npos);
  EXPECT_FALSE(window->TrainingList().isEditable());
  EXPECT_EQ(window->TrainingList().count(), 8);
  EXPECT_FALSE(window->Rounds().isVisible());
  EXPECT_TRUE(window->RestoreDefault().isVisible());
  EXPECT_EQ(GridRows(*window).size(), 21u);

  window->TrainingList().setCurrentIndex(6);  // level 7
  ClickField(window->Board(), "T20");
  QTest::mouseClick(&window->Rule(DesignerRule::IgnoreMisses), Qt::LeftButton);
  QTest::mouseClick(&window->RestoreDefault(), Qt::LeftButton);
  EXPECT_EQ(GridRows(*window).size(), 21u);
  EXPECT_FALSE(window->Rule(DesignerRule::IgnoreMisses).isChecked());
  EXPECT_TRUE(window->Rule(DesignerRule::CloseInOne).isChecked());
  EXPECT_TRUE(window->Rule(DesignerRule::CloseAll).isChecked());
  EXPECT_EQ(FileText(levels), written);  // nothing until "Save"

  window.reset();
  window = Open(DesignerMode::PirmelLevels);
  EXPECT_EQ(FileText(levels), written);
}

// The designer with a training loaded, for looking at: designer.png in the
// test's build folder.
TEST_F(DesignerWindowTest, Screenshot) {
  WriteText(Settings(),
            "[Doppel-Runde]\ndef='D20=3,D16=3,D8=2,D4=2,D2=1,D1=1,D25=3'\ncloseall=1\n"
            "ignoremisshits=1\ncloseinone=0\nrounds=2\n\n[Triple]\ndef='T20=3,T19=3'\n");
  auto window = Open(DesignerMode::FreeTrainings);
  ASSERT_EQ(GridRows(*window).size(), 7u);
  // It shrinks to what a 1080p screen at 150 % leaves under a panel and the title bar.
  EXPECT_LE(window->minimumSizeHint().width(), 1280 - 16);
  EXPECT_LE(window->minimumSizeHint().height(), 720 - 40 - 48);
  const auto shot = window->grab();
  EXPECT_EQ(shot.size(), TrainingDesignerDialog::kDesignSize);
  EXPECT_TRUE(shot.save(QStringLiteral(KORVANTI_START_SHOTS "/designer.png")));
  ExpectLabelsFit(*window);
}

class DesignerFromStartWindowTest : public StartWindowFixture {};

TEST_F(DesignerFromStartWindowTest, ADesignedTrainingPlaysAndTheChoiceStays) {
  AddPlayer("Anna", "Anna");
  EnterFolder();
  WriteText(folder / std::string(kSettingsFile), "[Alt]\ndef='T20=3'\n\n[Zweite]\ndef='T19=3'\n");
  Open();
  auto* training = window->findChild<QComboBox*>("cmbTraining");
  ASSERT_NE(training, nullptr);
  training->setCurrentIndex(1);  // "Zweite"
  auto* create = window->findChild<QPushButton*>("btnCreateTraining");
  ASSERT_NE(create, nullptr);
  WithModal<TrainingDesignerDialog>([&] { QTest::mouseClick(create, Qt::LeftButton); },
                                    [&](TrainingDesignerDialog& designer) {
                                      auto* edit = designer.TrainingList().lineEdit();
                                      edit->selectAll();
                                      QTest::keyClicks(edit, "Bull");
                                      ClickField(designer.Board(), "T20", Qt::RightButton);
                                      ClickField(designer.Board(), "D25");
                                      QTest::mouseClick(&designer.SaveButton(), Qt::LeftButton);
                                      QTest::mouseClick(&designer.CloseButton(), Qt::LeftButton);
                                    });
  EXPECT_TRUE(dialogs.shown().empty());
  EXPECT_EQ(training->count(), 3);
  EXPECT_EQ(training->currentText(), "Zweite");

  training->setCurrentIndex(2);
  window->SetGame(FindCatalogEntry(29));
  Tick(0);
  Press(ToolButton::Start);
  ASSERT_NE(window->ShownGameWindow(), nullptr);
  EXPECT_EQ(window->ShownGameWindow()->Started().PlayedGame().CurrentTargets().Hit(1).aim, "D25");
}

}  // namespace
}  // namespace korvanti::testing
