#pragma once

#include <utility>

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "engine/HitMap.h"
#include "engine/ProgramFolderSetup.h"
#include "engine/Turn.h"
#include "platform/Guid.h"
#include "platform/IniFile.h"
#include "platform/Random.h"
#include "store/Database.h"
#include "store/Recorder.h"
#include "ui/common/ScriptedDialogs.h"
#include "ui/start/GamePages.h"
#include "ui/start/OverviewView.h"
#include "ui/start/PlayerOverviewModel.h"
#include "ui/start/StartToolBar.h"
#include "ui/start/StartWindow.h"

namespace korvanti::testing {

inline const HitMap& StartHitMap() {
  static const HitMap hitMap;
  return hitMap;
}

// The start window as the program opens it, on a program folder of its own
// that does not exist before the first start. Games are stored beforehand.
class StartWindowFixture : public ::testing::Test {
 protected:
  ~StartWindowFixture() override {
    window.reset();
    QApplication::processEvents();
  }

  // The program folder as the program sets it up.
  void EnterFolder() {
    if (!entered_) {
      SetUpProgramFolder(folder);
      entered_ = true;
    }
  }

  Recorder MakeRecorder() {
    EnterFolder();
    if (!seed_) {
      seed_ = Database::OpenFile(folder / "dart.mdb");
      // The overview counts from long before the stored games.
      if (chooseStartDate) {
        IniFile(folder / "options.ini").WriteString("settings", "startdate", "01.01.2020 00:00:00");
      }
    }
    return Recorder(*seed_);
  }

  std::string AddPlayer(const std::string& first, const std::string& nickname,
                        const std::string& last = "") {
    return MakeRecorder().AppendPlayer(first, last, nickname);
  }

  // A game of the player under the key, one turn per text ("T20 T20 T20"),
  // won with its last turn when `won`; played `daysAgo` days ago.
  void AddGame(const std::string& playerId, const std::string& key,
               const std::vector<std::string>& turns, bool won = true, double daysAgo = 1) {
    auto recorder = MakeRecorder();
    StoreGame(recorder, playerId, key, turns, won, daysAgo);
  }

  // The same in the database of `recorder`.
  static void StoreGame(Recorder& recorder, const std::string& playerId, const std::string& key,
                        const std::vector<std::string>& turns, bool won = true,
                        double daysAgo = 1) {
    const auto gameId = NewGuidString();
    std::string last;
    for (const auto& text : turns) {
      Turn turn;
      turn.turnId = NewGuidString();
      turn.counts = true;
      std::istringstream darts(text);
      for (int n = 1; n <= 3; ++n) {
        auto& dart = turn.Hit(n);
        if (!(darts >> dart.hit)) {
          dart.hit = "na";
        }
        dart.aim = dart.hit;
      }
      recorder.AppendThrow(turn, gameId, playerId);
      last = turn.turnId;
    }
    recorder.AppendGame(gameId, key, DateTimeNow() - daysAgo, won ? last : NewGuidString());
  }

  void Open() {
    EnterFolder();
    seed_.reset();
    StartWindowSetup setup{folder, StartHitMap(), random, true, {}, {}};
    setup.askSummary = [this](const Summary&) {
      return std::exchange(continueSeries, false) ? DialogAnswer::Yes : DialogAnswer::No;
    };
    setup.chooseMergeFile = [this](QWidget*,
                                   std::function<void(const std::filesystem::path&)> chosen) {
      if (!mergeFile.empty()) {
        chosen(mergeFile);
      }
    };
    setup.database = runDatabase;
    window = std::make_unique<StartWindow>(std::move(setup), dialogs);
    window->FormCreate();
    window->ShowCentred();
    QApplication::processEvents();
  }

  // Closes the window as the program ends, then starts it again.
  void Reopen() {
    window.reset();
    Open();
  }

  void Press(ToolButton button) {
    auto* widget = window->ToolBar().Button(button);
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton);
  }

  // Runs `open`, which opens a dialog of type D over the window and returns at
  // once, then `act` on that dialog.
  template <typename D>
  void WithModal(const std::function<void()>& open, const std::function<void(D&)>& act) {
    open();
    auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    act(*dialog);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  PlayerOverviewModel& Model() const { return window->Overview(); }
  OverviewView& Table() const { return window->Table(); }

  QString Cell(int row, int column) const {
    return Model().data(Model().index(row, column), Qt::DisplayRole).toString();
  }
  std::vector<QString> Column(int column) const {
    std::vector<QString> texts;
    for (int row = 0; row < Model().rowCount(); ++row) {
      texts.push_back(Cell(row, column));
    }
    return texts;
  }
  QString Header(int column) const {
    return Model().headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
  }

  void ClickHeader(int column) {
    auto* header = Table().horizontalHeader();
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                    header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
  }

  QPoint RowCentre(int row, int column = 1) const {
    return Table().visualRect(Model().index(row, column)).center();
  }
  void ClickRow(int row) {
    QTest::mouseClick(Table().viewport(), Qt::LeftButton, {}, RowCentre(row));
  }
  void DoubleClickRow(int row) {
    ClickRow(row);
    QTest::mouseDClick(Table().viewport(), Qt::LeftButton, {}, RowCentre(row));
  }
  void Tick(int row) {
    ClickRow(row);
    const auto box = Table().visualRect(Model().index(row, 0));
    QTest::mouseClick(Table().viewport(), Qt::LeftButton, {},
                      QPoint(box.left() + 10, box.center().y()));
  }

  // Drags the selected row onto the point of the overview, as a drag ends there.
  void DropSelectedRowAt(QPoint at) {
    QMimeData data;
    data.setData(PlayerOverviewModel::kRowMimeType, QByteArray::number(Table().SelectedRow()));
    auto* viewport = Table().viewport();
    QDragEnterEvent enter(at, Qt::MoveAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(viewport, &enter);
    QDragMoveEvent move(at, Qt::MoveAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(viewport, &move);
    QDropEvent drop(at, Qt::MoveAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(viewport, &drop);
  }

  std::vector<QString> Shown() const { return dialogs.texts(); }

  TempFolder root;
  std::filesystem::path folder = root / "Korvanti";
  // Whether the stored games come with a start date the user chose.
  bool chooseStartDate = true;
  UniformRandom random{5};
  ScriptedDialogs dialogs;
  // The file "Spiele übernehmen…" is given; none: the user cancels.
  std::filesystem::path mergeFile;
  // The summary at the end of the next game asks for one more game.
  bool continueSeries = false;
  // The database of the run, as --db gives it; none: the settings' choice.
  std::optional<DatabaseAddress> runDatabase;
  std::unique_ptr<StartWindow> window;

 private:
  bool entered_ = false;
  std::unique_ptr<Database> seed_;
};

}  // namespace korvanti::testing
