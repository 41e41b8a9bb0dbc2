#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "DartText.h"
#include "TempFolder.h"
#include "engine/CheckoutRoutes.h"
#include "engine/CheckoutTable.h"
#include "engine/Elimination.h"
#include "engine/FieldCode.h"
#include "engine/PlayerTurns.h"
#include "engine/ProgramFolderSetup.h"
#include "engine/ShippedFiles.h"
#include "platform/FileIo.h"
#include "platform/IniDocument.h"
#include "platform/Notice.h"

namespace korvanti {
namespace {

using testing::EnterDarts;

std::vector<std::string> ProposedCodes(const Turn& proposal) {
  return {proposal.Hit(1).hit, proposal.Hit(2).hit, proposal.Hit(3).hit};
}

class CheckoutAdvisor : public ::testing::Test {
 protected:
  CheckoutAdvisor() : table(folder / "checkout.ini") {
    WriteTable("[DO3]\n100=T20,LS20,D10\n60=LS20\n[DO2]\n60=LS20,D20\n[SO3]\n100=T20,T10,LS10\n");
  }
  void WriteTable(const std::string& text) { std::ofstream(table.Path()) << text; }
  std::vector<std::string> Proposal(int score, const std::string& darts, bool doubleOut = true) {
    list.score = score;
    list.current.Clear();
    EnterDarts(list.current, darts);
    return ProposedCodes(list.GetCheckOutThrow(doubleOut, table));
  }

  TempFolder folder;
  CheckoutTable table;
  PlayerTurns list;
};

TEST_F(CheckoutAdvisor, ProposesForTheDartsLeft) {
  using Codes = std::vector<std::string>;
  EXPECT_EQ(Proposal(100, ""), (Codes{"T20", "LS20", "D10"}));
  // No DO2 entry for 100: the first codes of the three-dart entry fill darts 2 and 3.
  EXPECT_EQ(Proposal(160, "T20"), (Codes{"", "T20", "LS20"}));
  EXPECT_EQ(Proposal(120, "T20"), (Codes{"", "LS20", "D20"}));
  EXPECT_EQ(Proposal(60, ""), (Codes{"LS20", "", ""}));
  EXPECT_EQ(Proposal(160, "T20 T20 T20"), (Codes{"", "", ""}));
  EXPECT_EQ(Proposal(100, "", false), (Codes{"T20", "T10", "LS10"}));
  EXPECT_EQ(Proposal(160, "T20", false), (Codes{"", "T20", "T10"}));  // SO sections only
  EXPECT_EQ(Proposal(120, "T20", false), (Codes{"", "", ""}));
  EXPECT_EQ(Proposal(99, ""), (Codes{"", "", ""}));
  // The darts of a bust count too: 40 - 60 leaves nothing to look up.
  EXPECT_EQ(Proposal(40, "T20"), (Codes{"", "", ""}));
}

TEST_F(CheckoutAdvisor, MissingFileGivesNoProposalAndNoNotice) {
  std::vector<std::string> notices;
  ScopedNoticeReceiver collect([&](std::string_view text) { notices.emplace_back(text); });
  list.proposal.Hit(1).hit = "old";
  std::filesystem::remove(table.Path());
  EXPECT_EQ(Proposal(100, ""), (std::vector<std::string>{"", "", ""}));
  EXPECT_TRUE(notices.empty());
}

TEST_F(CheckoutAdvisor, AnEditedTableCountsFromTheNextLookup) {
  EXPECT_EQ(Proposal(100, "")[0], "T20");
  WriteTable("[DO3]\n100=T19,LS11,D16\n");
  // Same second, maybe: the size tells the change as well, but make the time differ too.
  std::filesystem::last_write_time(
      table.Path(), std::filesystem::file_time_type::clock::now() + std::chrono::seconds(5));
  EXPECT_EQ(Proposal(100, "")[0], "T19");
}

TEST_F(CheckoutAdvisor, CountUpGamesLookUpThePointsMissing) {
  Elimination game;
  game.doubleOut = true;
  game.AddPlayer(std::make_unique<Player>());
  game.InitGameType();
  game.NewGame();
  game.checkoutTable = CheckoutTable(table.Path());
  game.CurrentTurns().score = 181;  // 301 - 181 - 60 = 60 missing
  EnterDarts(game.CurrentTurns().current, "T20");
  const Game& asked = game;
  EXPECT_EQ(ProposedCodes(asked.CheckoutProposal()), (std::vector<std::string>{"", "LS20", "D20"}));
  EXPECT_EQ(ProposedCodes(asked.CurrentTurns().proposal), (std::vector<std::string>{"", "", ""}));
  // The table edited meanwhile counts for the next question.
  WriteTable("[DO2]\n60=T10,D15\n");
  std::filesystem::last_write_time(
      table.Path(), std::filesystem::file_time_type::clock::now() + std::chrono::seconds(5));
  EXPECT_EQ(ProposedCodes(asked.CheckoutProposal()), (std::vector<std::string>{"", "T10", "D15"}));
}

// Every way to finish a score with at most three darts, found the plain way.
std::set<int> Finishable(int darts, bool doubleOut) {
  std::vector<int> values{0};
  std::vector<int> finishing;
  for (int n = 1; n <= 20; ++n) {
    values.insert(values.end(), {n, 2 * n, 3 * n});
    finishing.insert(finishing.end(), doubleOut ? std::initializer_list<int>{2 * n}
                                                : std::initializer_list<int>{n, 2 * n, 3 * n});
  }
  values.insert(values.end(), {25, 50});
  finishing.push_back(50);
  if (!doubleOut)
    finishing.push_back(25);
  std::set<int> scores;
  for (int a : values) {
    for (int b : values) {
      for (int last : finishing) {
        if ((darts >= 3 || b == 0) && (darts >= 2 || a == 0))
          scores.insert(a + b + last);
      }
    }
  }
  return scores;
}

TEST(ShippedCheckoutTable, IsTheGeneratorsOutput) {
  const auto shipped =
      ReadWholeFile(std::filesystem::path(KORVANTI_SOURCE_DIR) / "data/checkout.ini");
  ASSERT_TRUE(shipped);
  EXPECT_EQ(*shipped, CheckoutTableText());
}

TEST(ShippedCheckoutTable, ListsEveryFinishAndOnlyValidRoutes) {
  const auto table = IniDocument::Parse(CheckoutTableText());
  struct Section {
    const char* name;
    int darts;
    bool doubleOut;
    int highest;
  };
  const Section sections[] = {{"DO1", 1, true, 50},   {"DO2", 2, true, 110},
                              {"DO3", 3, true, 170},  {"SO1", 1, false, 60},
                              {"SO2", 2, false, 120}, {"SO3", 3, false, 180}};
  for (const auto& section : sections) {
    std::set<int> listed;
    for (const auto& [key, value] : table.SectionEntries(section.name)) {
      const int score = *ParseDecimalInteger(key);
      listed.insert(score);
      std::vector<std::string> codes;
      std::istringstream parts(value);
      for (std::string code; std::getline(parts, code, ',');)
        codes.push_back(code);
      EXPECT_LE(codes.size(), static_cast<std::size_t>(section.darts))
          << section.name << " " << key;
      EXPECT_TRUE(FinishesScore(codes, score, section.doubleOut)) << section.name << " " << key;
    }
    std::set<int> expected;
    for (int score : Finishable(section.darts, section.doubleOut)) {
      if (score >= 1 && score <= section.highest)
        expected.insert(score);
    }
    EXPECT_EQ(listed, expected) << section.name;
  }
  for (int impossible : {169, 168, 166, 165, 163, 162, 159}) {
    EXPECT_FALSE(table.Value("DO3", std::to_string(impossible))) << impossible;
  }
}

TEST(ShippedCheckoutTable, RoutesFollowTheConventions) {
  struct Case {
    int score;
    int darts;
    const char* route;
  };
  const Case cases[] = {
      {170, 3, "T20,T20,D25"}, {167, 3, "T20,T19,D25"}, {160, 3, "T20,T20,D20"},
      {100, 3, "T20,D20"},     {40, 3, "D20"},          {32, 2, "D16"},
      {50, 1, "D25"},          {50, 3, "LS18,D16"},     {120, 3, "T20,LS20,D20"},
  };
  for (const auto& c : cases) {
    const auto route = BestCheckoutRoute(c.score, c.darts, true);
    std::string joined;
    for (const auto& code : route)
      joined += (joined.empty() ? "" : ",") + code;
    EXPECT_EQ(joined, c.route) << c.score;
  }
  EXPECT_TRUE(BestCheckoutRoute(169, 3, true).empty());
  EXPECT_TRUE(BestCheckoutRoute(1, 3, true).empty());
}

// Each shipped file is installed whenever it is missing, also into a folder
// that exists but lacks it, and a file that is there is never replaced.
TEST(ShippedFiles, AreInstalledWhenMissingAndNeverOverwritten) {
  TempFolder folder;
  const auto before = std::filesystem::current_path();
  const auto home = folder / "korvanti";
  std::filesystem::create_directories(home);  // exists, empty
  SetUpProgramFolder(home);
  EXPECT_EQ(ReadWholeFile(home / "checkout.ini"), CheckoutTableText());
  EXPECT_EQ(ReadWholeFile(home / "ki.ini"), std::string(ShippedStrengthTable()));
  std::filesystem::remove(home / "ki.ini");
  WriteFileDurably(home / "checkout.ini", "[own]\n");
  SetUpProgramFolder(home);
  EXPECT_EQ(ReadWholeFile(home / "ki.ini"), std::string(ShippedStrengthTable()));
  EXPECT_EQ(ReadWholeFile(home / "checkout.ini"), "[own]\n");
  std::filesystem::current_path(before);
}

}  // namespace
}  // namespace korvanti
