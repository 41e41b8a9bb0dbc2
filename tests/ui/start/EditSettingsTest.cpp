#include <QApplication>
#include <QTimer>
#include <functional>

#include "SettingsFixture.h"
#include "ui/common/KorvantiLook.h"

namespace korvanti {
namespace {

class EditSettingsTest : public SettingsFixture {
 protected:
  void TearDown() override { ApplyLookScheme(LookScheme::Light); }

  // What the start window holds: a period start and a selection of its own.
  static ProgramOptions Current() {
    ProgramOptions current;
    current.startDate = 45000.5;
    current.gameIndex = 5;
    current.statisticsInterval = 1;
    current.statisticsGameType = 4;
    current.board = 1;
    return current;
  }

  // Opens the dialog as the start window does, acts on it and returns what
  // its closing hands back.
  ProgramOptions Edit(std::function<void(SettingsDialog&)> act) {
    std::optional<ProgramOptions> result;
    EditSettings(nullptr, OptionsPath(), dialogs_, Current(),
                 [&](ProgramOptions edited) { result = std::move(edited); });
    auto* dialog = qobject_cast<SettingsDialog*>(QApplication::activeModalWidget());
    EXPECT_NE(dialog, nullptr);
    if (dialog != nullptr) {
      EXPECT_FALSE(result);  // nothing until it closes
      act(*dialog);
    }
    EXPECT_TRUE(result);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result.value_or(ProgramOptions{});
  }

  static constexpr const char* kStored =
      "[settings]\nBoard=2\nsekforpoints=3\naktivecaller=1\n"
      "startdate=01.02.2024 10:11:12\ngameindex=12\nstatsintervall=3\n";
};

void ExpectStartWindowKeysOf(const ProgramOptions& result, const ProgramOptions& current) {
  EXPECT_EQ(result.startDate, current.startDate);
  EXPECT_EQ(result.gameIndex, current.gameIndex);
  EXPECT_EQ(result.statisticsInterval, current.statisticsInterval);
  EXPECT_EQ(result.statisticsGameType, current.statisticsGameType);
}

TEST_F(EditSettingsTest, OkReturnsTheNewSettingsAndKeepsTheStartWindowsState) {
  WriteOptions(kStored);
  const auto result = Edit([](SettingsDialog& dialog) {
    ChooseBoard(dialog, 0);
    Click(*Find<QCheckBox>(dialog, "chkMasterOut"));
    ClickOk(dialog);
  });
  EXPECT_EQ(result.board, 0);
  EXPECT_TRUE(result.masterOut);
  EXPECT_EQ(result.secondsForPoints, 3);
  EXPECT_TRUE(result.announcePoints);
  ExpectStartWindowKeysOf(result, Current());
  EXPECT_EQ(Stored("gameindex"), "12");
}

// Closing re-reads the file too, so settings written elsewhere meanwhile show.
TEST_F(EditSettingsTest, ClosingReturnsTheStoredSettingsAndKeepsTheStartWindowsState) {
  WriteOptions(kStored);
  const auto result = Edit([](SettingsDialog& dialog) {
    Click(*Find<QCheckBox>(dialog, "chkSound"));
    dialog.close();
  });
  EXPECT_EQ(result.board, 2);
  EXPECT_FALSE(result.playSounds);
  EXPECT_EQ(result.secondsForPoints, 3);
  EXPECT_TRUE(result.announcePoints);
  ExpectStartWindowKeysOf(result, Current());
  EXPECT_EQ(FileText(), kStored);
}

// "Dunkel" confirmed turns the application and a window already open dark at
// once, its own surface included; "Hell" turns them back.
TEST_F(EditSettingsTest, AConfirmedColourSchemeTurnsOpenWindowsAtOnce) {
  QWidget open;
  KeepScreenSurface(open);
  open.show();
  const auto chooseAndConfirm = [](int entry) {
    return [entry](SettingsDialog& dialog) {
      Choose(dialog, "cbFarbschema", entry);
      ClickOk(dialog);
    };
  };
  EXPECT_EQ(Edit(chooseAndConfirm(1)).colourScheme, ColourScheme::Dark);
  QApplication::processEvents();  // the windows hear of the change through the event loop
  EXPECT_TRUE(IsDarkPalette(QApplication::palette()));
  EXPECT_TRUE(IsDarkPalette(open.palette()));
  EXPECT_EQ(open.palette().color(QPalette::Window), ScreenSurface(QApplication::palette()));
  EXPECT_EQ(open.palette().color(QPalette::WindowText),
            QApplication::palette().color(QPalette::WindowText));

  EXPECT_EQ(Edit(chooseAndConfirm(0)).colourScheme, ColourScheme::Light);
  QApplication::processEvents();
  EXPECT_FALSE(IsDarkPalette(QApplication::palette()));
  EXPECT_FALSE(IsDarkPalette(open.palette()));
  EXPECT_EQ(open.palette().color(QPalette::Window), ScreenSurface(QApplication::palette()));
}

TEST(WithDialogSettingsTest, TakesExactlyTheDialogsKeys) {
  ProgramOptions current;
  current.startDate = 45000.5;
  current.gameIndex = 7;
  current.statisticsInterval = 2;
  current.statisticsGameType = 9;
  ProgramOptions stored;
  stored.board = 2;
  stored.playSounds = true;
  stored.showPoints = false;
  stored.showSummary = false;
  stored.masterOut = true;
  stored.secondsForPoints = 5;
  stored.noAutoAimInput = true;
  stored.announcePoints = true;
  stored.colourScheme = ColourScheme::Dark;
  stored.fullScreen = true;
  stored.startDate = 1.0;
  stored.gameIndex = 1;
  stored.statisticsInterval = 3;
  stored.statisticsGameType = 1;

  const auto merged = WithDialogSettings(current, stored);
  EXPECT_EQ(merged.board, 2);
  EXPECT_TRUE(merged.playSounds);
  EXPECT_FALSE(merged.showPoints);
  EXPECT_FALSE(merged.showSummary);
  EXPECT_TRUE(merged.masterOut);
  EXPECT_EQ(merged.secondsForPoints, 5);
  EXPECT_TRUE(merged.noAutoAimInput);
  EXPECT_TRUE(merged.announcePoints);
  EXPECT_EQ(merged.colourScheme, ColourScheme::Dark);
  EXPECT_TRUE(merged.fullScreen);
  ExpectStartWindowKeysOf(merged, current);
}

}  // namespace
}  // namespace korvanti
