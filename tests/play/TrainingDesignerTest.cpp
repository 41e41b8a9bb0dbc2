#include "play/TrainingDesigner.h"

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "engine/TrainingFiles.h"
#include "platform/FileIo.h"

namespace korvanti {
namespace {

std::string FileText(const std::filesystem::path& path) {
  return ReadWholeFile(path).value_or("");
}

void WriteText(const std::filesystem::path& path, const std::string& text) {
  WriteFileDurably(path, text);
}

struct Boxes {
  bool ignoreMisses;
  bool closeInOne;
  bool closeAll;
  bool operator==(const Boxes&) const = default;
};

Boxes BoxesOf(const DesignerForm& form) {
  return {form.ignoreMisses, form.closeInOne, form.closeAll};
}

TEST(DesignerRules, ABoxChangeSetsTheBoxesThatFollowFromIt) {
  struct Case {
    Boxes before;
    DesignerRule rule;
    bool on;
    Boxes after;
  };
  const Case cases[] = {
      {{true, false, false}, DesignerRule::CloseInOne, true, {false, true, true}},
      {{true, true, true}, DesignerRule::CloseAll, false, {false, false, false}},
      {{false, true, true}, DesignerRule::IgnoreMisses, true, {true, false, true}},
      // Unchanged boxes set nothing off.
      {{true, false, false}, DesignerRule::CloseAll, false, {true, false, false}},
      {{false, true, true}, DesignerRule::CloseInOne, true, {false, true, true}},
      // Switching off the other two sets nothing.
      {{true, false, true}, DesignerRule::IgnoreMisses, false, {false, false, true}},
      {{false, true, true}, DesignerRule::CloseInOne, false, {false, false, true}},
  };
  for (const auto& c : cases) {
    DesignerForm form;
    form.ignoreMisses = c.before.ignoreMisses;
    form.closeInOne = c.before.closeInOne;
    form.closeAll = c.before.closeAll;
    SetRule(form, c.rule, c.on);
    EXPECT_EQ(BoxesOf(form), c.after) << static_cast<int>(c.rule) << " " << c.on;
  }
}

TEST(DesignerGrid, ClicksFillTheEmptyRowAppendAndRemoveKeepingOneRow) {
  DesignerForm form;
  RemoveLastTarget(form);
  EXPECT_EQ(form.rows, (std::vector<DesignerRow>{{"", 3}}));
  EXPECT_FALSE(AddTarget(form, "00", 3));  // a wire
  EXPECT_FALSE(AddTarget(form, "0", 3));   // beside the board
  EXPECT_EQ(form.rows.size(), 1u);
  EXPECT_TRUE(AddTarget(form, "T20", 2));
  EXPECT_TRUE(AddTarget(form, "D25", 5));
  EXPECT_EQ(form.rows, (std::vector<DesignerRow>{{"T20", 2}, {"D25", 5}}));
  RemoveLastTarget(form);
  RemoveLastTarget(form);
  EXPECT_EQ(form.rows, (std::vector<DesignerRow>{{"", 3}}));
  // A row without code (a blank row) is left out of the definition.
  form.rows = {{"D20", 3}, {"", 3}, {"D16", 2}};
  EXPECT_EQ(DesignerDefinition(form), "D20=3,D16=2");
}

class FreeDesigner : public ::testing::Test {
 protected:
  std::filesystem::path Settings() const { return folder_ / std::string(kSettingsFile); }
  TempFolder folder_;
};

TEST_F(FreeDesigner, SavingANewTrainingWritesItsSectionAndReadsBack) {
  TrainingDesigner designer(DesignerMode::FreeTrainings, folder_.Path());
  EXPECT_TRUE(designer.Names().empty());
  DesignerForm form;
  AddTarget(form, "D20", 3);
  AddTarget(form, "D16", 2);
  EXPECT_EQ(designer.Save("Doppel", form), std::nullopt);
  EXPECT_EQ(FileText(Settings()),
            "[Doppel]\ndef='D20=3,D16=2'\ncloseall=1\nignoremisshits=0\ncloseinone=0\nrounds=1\n");
  EXPECT_EQ(ReadFreeTraining(IniFile(Settings()), "Doppel").rules.definition, "D20=3,D16=2");
  EXPECT_EQ(designer.Load("Doppel"), form);
  EXPECT_EQ(designer.Names(), std::vector<std::string>{"Doppel"});
}

TEST_F(FreeDesigner, SavingOverATrainingReplacesItsKeysInPlace) {
  WriteText(Settings(),
            "[Erste]\ndef='T20=3'\n\n[Doppel]\ndef='D1=1'\nextra=7\n; note\nrounds=4\n\n"
            "[Letzte]\ndef='S1=1'\n[DOPPEL]\ndef='T1=1'\n");
  TrainingDesigner designer(DesignerMode::FreeTrainings, folder_.Path());
  auto form = designer.Load("doppel");
  EXPECT_EQ(form.rounds, 4);
  // The rules it has no keys for read as at game start: all on, of which the boxes keep two.
  EXPECT_EQ(BoxesOf(form), (Boxes{false, true, true}));
  form.rows = {{"D20", 3}};
  form.rounds = 2;
  EXPECT_EQ(designer.Save(" doppel ", form), std::nullopt);
  EXPECT_EQ(FileText(Settings()),
            "[Erste]\ndef='T20=3'\n\n[Doppel]\n; note\ndef='D20=3'\ncloseall=1\n"
            "ignoremisshits=0\ncloseinone=1\nrounds=2\n\n[Letzte]\ndef='S1=1'\n");
  EXPECT_EQ(designer.Names(), (std::vector<std::string>{"Erste", "Doppel", "Letzte"}));
}

TEST_F(FreeDesigner, LoadingUsesTheGameStartDefaultsAndTheBoxRulesInFileOrder) {
  WriteText(Settings(),
            "[Beide]\ndef='T20=3'\ncloseinone=1\nignoremisshits=1\n"
            "[Leer]\n"
            "[Kaputt]\ndef='T20=0,XY=2,D3=500'\nrounds=abc\n");
  TrainingDesigner designer(DesignerMode::FreeTrainings, folder_.Path());
  // closeAll (missing: on), then ignoremisshits on, then closeInOne on takes it off again.
  EXPECT_EQ(BoxesOf(designer.Load("Beide")), (Boxes{false, true, true}));
  const auto empty = designer.Load("Leer");
  EXPECT_EQ(empty.rows, (std::vector<DesignerRow>{{"", 3}}));
  EXPECT_EQ(empty.rounds, 1);
  // Counts outside the spin boxes' range are brought into it; codes stay as written.
  EXPECT_EQ(designer.Load("Kaputt").rows,
            (std::vector<DesignerRow>{{"T20", 1}, {"XY", 2}, {"D3", 100}}));
}

TEST_F(FreeDesigner, RefusedSavesLeaveTheFileByteForByte) {
  const std::string original = "[Doppel]\r\ndef='D20=3'\r\nrounds=2\r\n";
  WriteText(Settings(), original);
  TrainingDesigner designer(DesignerMode::FreeTrainings, folder_.Path());
  DesignerForm targets;
  AddTarget(targets, "T19", 3);
  auto noTargets = DesignerForm{};
  auto tooManyRounds = targets;
  tooManyRounds.rounds = 101;
  auto tooManyDarts = targets;
  tooManyDarts.rows.front().darts = 101;
  auto unknownField = targets;
  unknownField.rows.front().code = "XY";
  const std::string badName =
      "Der Name eines Trainings darf keine eckigen Klammern, kein \";\", kein \"=\" und keinen "
      "Zeilenumbruch enthalten.";
  struct Case {
    std::string name;
    DesignerForm form;
    std::string message;
  };
  const Case cases[] = {
      {"", targets, "Please first enter a name for the training"},
      {"  ", targets, "Please first enter a name for the training"},
      {"[Neu]", targets, badName},
      {"a;b", targets, badName},
      {"a=b", targets, badName},
      {"zwei\nZeilen", targets, badName},
      {"Neu", noTargets, "Das Training \"Neu\" hat keine Ziele."},
      {"Neu", tooManyRounds, "Die Anzahl der Runden muss zwischen 1 und 100 liegen."},
      {"Neu", tooManyDarts, "Die Anzahl der Darts pro Ziel muss zwischen 1 und 100 liegen."},
      {"Doppel", unknownField, "Unbekanntes Feld \"XY\" im Training \"Doppel\"."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(designer.Save(c.name, c.form), c.message) << c.name;
    EXPECT_EQ(FileText(Settings()), original) << c.name;
  }
}

TEST(FreeDesignerFileErrors, AreReportedNotThrownAndNothingIsOverwritten) {
  TempFolder folder;
  DesignerForm form;
  AddTarget(form, "T20", 3);
  // A program folder that is a file cannot take SETTINGS.ini.
  WriteText(folder / "kein-ordner", "");
  TrainingDesigner unwritable(DesignerMode::FreeTrainings, folder / "kein-ordner");
  // SETTINGS.ini that is there but cannot be read is never taken for empty.
  std::filesystem::create_directory(folder / std::string(kSettingsFile));
  TrainingDesigner unreadable(DesignerMode::FreeTrainings, folder.Path());
  for (auto* designer : {&unwritable, &unreadable}) {
    const auto refusal = designer->Save("Doppel", form);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_TRUE(refusal->starts_with("Das Training konnte nicht gespeichert werden: Die Datei "))
        << *refusal;
  }
  EXPECT_TRUE(std::filesystem::is_directory(folder / std::string(kSettingsFile)));
}

TEST(LevelDesigner, TheFirstOpeningWritesTheLevelsAndTheSecondNothing) {
  TempFolder folder;
  const auto levels = folder / std::string(kLevelFile);
  WriteText(levels, "[color]\n1=clRed\n");
  TrainingDesigner first(DesignerMode::PirmelLevels, folder.Path());
  const auto written = FileText(levels);
  EXPECT_NE(written.find("[pirmel]\n1=LS1=3,LS2=3,"), std::string::npos);
  EXPECT_NE(written.find("8=T1=1,"), std::string::npos);
  EXPECT_NE(written.find("1IgnoreMissHits=1\n1Closeinone=0\n1CloseAll=0\n"), std::string::npos);
  EXPECT_EQ(first.Names(), (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8"}));

  IniFile(levels).WriteString("pirmel", "3", "D20=2");
  const auto changed = FileText(levels);
  TrainingDesigner second(DesignerMode::PirmelLevels, folder.Path());
  EXPECT_EQ(FileText(levels), changed);
  EXPECT_EQ(second.Load("3").rows, (std::vector<DesignerRow>{{"D20", 2}}));
}

TEST(LevelDesigner, RestoreDefaultAndSaveOfALevel) {
  TempFolder folder;
  TrainingDesigner designer(DesignerMode::PirmelLevels, folder.Path());
  const auto seven = designer.DefaultLevel("7");
  ASSERT_TRUE(seven.has_value());
  EXPECT_EQ(BoxesOf(*seven), (Boxes{false, true, true}));
  EXPECT_EQ(seven->rows.size(), 21u);
  EXPECT_EQ(BoxesOf(designer.Load("1")), (Boxes{true, false, false}));

  DesignerForm form;
  AddTarget(form, "T20", 1);
  SetRule(form, DesignerRule::IgnoreMisses, true);
  EXPECT_EQ(designer.Save("2", form), std::nullopt);
  EXPECT_EQ(designer.Load("2"), (DesignerForm{{{"T20", 1}}, 1, true, false, true}));
  EXPECT_EQ(ReadPirmelLevel(designer.File(), 2)->definition, "T20=1");
  // Level 1 is untouched.
  EXPECT_EQ(designer.Load("1"), *designer.DefaultLevel("1"));
  const auto before = FileText(designer.File().Path());
  EXPECT_EQ(designer.Save("9", form), "Es gibt nur die Stufen 1 bis 8.");
  EXPECT_EQ(designer.Save("3", DesignerForm{}), "Das Training \"Stufe 3\" hat keine Ziele.");
  EXPECT_EQ(FileText(designer.File().Path()), before);
}

}  // namespace
}  // namespace korvanti
