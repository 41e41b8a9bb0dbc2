#pragma once

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <cmath>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "AimedGame.h"
#include "StatisticsFixture.h"
#include "engine/AimPoints.h"
#include "engine/GameCatalog.h"
#include "engine/HitMap.h"
#include "engine/Turn.h"
#include "platform/Guid.h"
#include "ui/board/BoardWidget.h"
#include "ui/common/ScriptedDialogs.h"
#include "ui/stats/StatisticsWindow.h"

namespace korvanti::testing {

// A day a few days back at a time of day: inside the window's first period
// (the last month up to now).
inline double DaysAgo(int days, int hour, int minute = 0) {
  return DateOf(IncDay(DateTimeNow(), -days)) + (hour * 60 + minute) / 1440.0;
}

inline QString Cell(const QTableWidget& table, int row, int column) {
  const auto* item = table.item(row, column);
  return item ? item->text() : QString();
}

inline QStringList Captions(const QTableWidget& table) {
  QStringList captions;
  for (int c = 0; c < table.columnCount(); ++c) {
    captions << table.horizontalHeaderItem(c)->text();
  }
  return captions;
}

// The statistics window on a small database of games written turn by turn,
// questions answered by the test, colours and export file chosen by it.
class StatsWindow : public ::testing::Test {
 protected:
  // Opens on the player (none for an empty id) and the type (null: "Alle").
  std::unique_ptr<StatisticsWindow> Open(const std::string& playerId,
                                         const GameCatalogEntry* type = nullptr,
                                         int intervalEntry = 0) {
    StatisticsWindowSetup setup;
    setup.programFolder = data.folder.Path();
    setup.gameType = type;
    setup.intervalEntry = intervalEntry;
    setup.playerId = playerId;
    setup.dialogs = &dialogs;
    setup.chooseColour = [this](QWidget*, QColor current, std::function<void(QColor)> chosen) {
      offeredColours.push_back(current);
      if (nextColour) {
        chosen(*nextColour);
      }
    };
    setup.chooseExportFile = [this](QWidget*, std::function<void(const QString&)> chosen) {
      if (exportFile) {
        chosen(*exportFile);
      }
    };
    auto window = std::make_unique<StatisticsWindow>(*data.database, setup);
    QSignalSpy spy(window.get(), &StatisticsWindow::refreshed);
    window->show();
    if (!playerId.empty()) {
      EXPECT_TRUE(spy.wait(10000)) << "no refresh at opening";
    }
    return window;
  }

  // Runs the action and waits until the window shows the refresh it started.
  template <class Action>
  void Refreshed(StatisticsWindow& window, Action action, int milliseconds = 10000) {
    QSignalSpy spy(&window, &StatisticsWindow::refreshed);
    action();
    ASSERT_TRUE(spy.wait(milliseconds)) << "no refresh";
  }

  template <class Widget>
  static Widget& Find(QWidget& window, const char* name) {
    auto* widget = window.findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return *widget;
  }

  // A pixel of the hit map `margin` pixels inside a field, so that a click
  // lands in it at any scale.
  static QPoint PixelOf(const std::string& code, int margin = 2) {
    static const HitMap map;
    for (int y = margin; y < 650 - margin; ++y) {
      for (int x = margin; x < 659 - margin; ++x) {
        bool inside = true;
        for (int dy = -margin; dy <= margin && inside; ++dy)
          for (int dx = -margin; dx <= margin && inside; ++dx)
            inside = map.FieldAt(x + dx, y + dy) == code;
        if (inside)
          return {x, y};
      }
    }
    ADD_FAILURE() << "no pixel of " << code;
    return {};
  }

  static void ClickBoard(StatisticsWindow& window, const std::string& code,
                         Qt::MouseButton button) {
    auto& board = window.AimBoard().Board();
    QTest::mouseClick(&board, button, {}, board.WidgetPosition(PixelOf(code)));
  }

  // A game of `turns` turns whose darts were all aimed at `aim`'s aim point
  // and landed around it moved by (biasX, biasY) with a round normal scatter
  // of `sigma` hit-map pixels; the same darts on every run.
  std::string AddAimedGame(const std::string& playerId, double when, const std::string& aim,
                           int turns, double sigma, double biasX = 0, double biasY = 0) {
    return AppendAimedGame(data.recorder, playerId,
                           {"const501dout", when, aim, turns, sigma, biasX, biasY});
  }

  StatisticsFixture data;
  std::string anna = data.AddPlayer("Anna");
  std::string ben = data.AddPlayer("Ben");
  ScriptedDialogs dialogs;
  std::vector<QColor> offeredColours;
  std::optional<QColor> nextColour;
  std::optional<QString> exportFile;
};

}  // namespace korvanti::testing
