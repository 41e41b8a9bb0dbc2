// "Spiele übernehmen…": the games of another board's database file come into
// the program's own, on a worker, and the overview shows them at once.
#include "StartWindowFixture.h"
#include "platform/FileIo.h"
#include "ui/game/WaitDialog.h"

namespace korvanti::testing {
namespace {

class MergeGamesTest : public StartWindowFixture {
 protected:
  // Another board's file: Ben with two games of the window's 301.
  std::filesystem::path OtherBoard() {
    const auto path = root / "brett2.mdb";
    const auto other = Database::OpenFile(path);
    Recorder recorder(*other);
    const auto ben = recorder.AppendPlayer("Benedikt", "Brandt", "Ben");
    StoreGame(recorder, ben, "const301dout", {"T20 T20 T20"});
    StoreGame(recorder, ben, "const301dout", {"T20 S20 D16"}, false);
    return path;
  }

  // Takes the games of `file` over; the window waits for the worker under
  // its wait dialog. Returns the box that tells the outcome.
  ScriptedDialogs::Shown Merge(const std::filesystem::path& file) {
    mergeFile = file;
    const auto before = dialogs.shown().size();
    Press(ToolButton::MergeGames);
    // The click has returned; the merge goes on elsewhere.
    EXPECT_NE(qobject_cast<WaitDialog*>(QApplication::activeModalWidget()), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialogs.shown().size() > before; }, 30000));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    return dialogs.shown().empty() ? ScriptedDialogs::Shown{} : dialogs.shown().back();
  }
};

TEST_F(MergeGamesTest, TakesAnotherBoardsGamesOverOnceAndShowsTheirPlayerAtOnce) {
  AddGame(AddPlayer("Anna", "Anna"), "const301dout", {"T20 T20 T20"});
  Open();
  const auto other = OtherBoard();

  const auto first = Merge(other);
  EXPECT_EQ(first.kind, ScriptedDialogs::Kind::Information);
  EXPECT_EQ(first.text, "2 Spiele von 1 Spieler übernommen, 0 schon vorhanden");
  // In nickname order, with the figures of his games.
  EXPECT_EQ(Column(0), (std::vector<QString>{"Anna \"Anna\" ", "Benedikt \"Ben\" Brandt"}));
  EXPECT_EQ(Column(1), (std::vector<QString>{"1", "2"}));

  const auto again = Merge(other);
  EXPECT_EQ(again.kind, ScriptedDialogs::Kind::Information);
  EXPECT_EQ(again.text, "0 Spiele von 0 Spielern übernommen, 2 schon vorhanden");
  EXPECT_EQ(Column(1), (std::vector<QString>{"1", "2"}));
}

TEST_F(MergeGamesTest, AFileOfAnotherKindIsRefusedAndNothingChanges) {
  AddGame(AddPlayer("Anna", "Anna"), "const301dout", {"T20 T20 T20"});
  Open();
  const auto notes = root / "notizen.txt";
  WriteFileDurably(notes, "Anna wirft heute gut.\n");

  const auto refused = Merge(notes);
  EXPECT_EQ(refused.kind, ScriptedDialogs::Kind::Error);
  EXPECT_TRUE(refused.text.contains("notizen.txt\" ist keine Datenbank"))
      << refused.text.toStdString();
  ASSERT_EQ(Model().rowCount(), 1);
  EXPECT_EQ(Cell(0, 1), "1");

  // No file chosen: nothing opens, nothing is said.
  mergeFile.clear();
  Press(ToolButton::MergeGames);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(dialogs.shown().size(), 1u);
}

}  // namespace
}  // namespace korvanti::testing
