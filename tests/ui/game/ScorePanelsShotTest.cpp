#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>
#include <QPalette>
#include <filesystem>

#include "SampleScoreboards.h"
#include "ShotChecks.h"
#include "TempFolder.h"
#include "ui/common/KorvantiLook.h"
#include "ui/game/ScorePanels.h"

namespace korvanti {
namespace {

// Pictures of each panel on the game screen's background, at the design's
// size and enlarged, for a person to look at.
class ScorePanelsShotTest : public ::testing::TestWithParam<double> {
 protected:
  void SetUp() override {
    InstallFontSubstitutions();
    auto palette = host.palette();
    palette.setColor(QPalette::Window, QColor(212, 212, 225));
    host.setPalette(palette);
    host.setAutoFillBackground(true);
  }

  template <typename Panel>
  void Shoot(Panel& panel, const Scoreboard& board, const QString& name) {
    const double scale = GetParam();
    host.resize(Panel::kDesignSize * scale + QSize(8, 8));
    panel.setGeometry(QRect(QPoint(4, 4), Panel::kDesignSize * scale));
    panel.SetScale(scale);
    panel.Show(board);
    host.show();
    const QString file =
        QDir(KORVANTI_GAME_SHOTS).filePath(QString("%1-%2.png").arg(name).arg(scale * 100));
    ASSERT_TRUE(host.grab().save(file)) << file.toStdString();
    testing::ExpectLabelsFit(panel);
  }

  QWidget host;
};

// A stand-in for a player's photo: a head and shoulders on a light ground.
std::filesystem::path DrawPlayerPicture(const TempFolder& folder) {
  QImage image(256, 238, QImage::Format_RGB32);
  image.fill(QColor(236, 228, 210));
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(70, 90, 130));
  painter.drawEllipse(QRectF(48, 150, 160, 150));
  painter.setBrush(QColor(222, 184, 150));
  painter.drawEllipse(QRectF(88, 40, 80, 100));
  painter.end();
  const auto file = folder / "Anna.jpg";
  image.save(QString::fromStdString(file.string()));
  return file;
}

TEST_P(ScorePanelsShotTest, CountDown) {
  TempFolder folder;
  auto board = CountDownBoard();
  board.picture = DrawPlayerPicture(folder);
  CountDownPanelView panel(&host);
  Shoot(panel, board, "panel-countdown");
  EXPECT_TRUE(panel.findChild<QWidget*>("imgplayerdown")->isVisible());
}

TEST_P(ScorePanelsShotTest, Cricket) {
  CricketPanelView panel(&host);
  Shoot(panel, CricketBoard(), "panel-cricket");
}

TEST_P(ScorePanelsShotTest, Target) {
  TargetPanelView panel(&host);
  Shoot(panel, TargetBoard(), "panel-target");
}

struct ListShot {
  static constexpr QSize kDesignSize{408, 172};
};

TEST_P(ScorePanelsShotTest, PlayerTable) {
  for (const auto& [name, board] :
       {std::pair{"list-countdown", CountDownBoard()}, std::pair{"list-cricket", CricketBoard()}}) {
    PlayerListView list(&host);
    list.setGeometry(QRect(QPoint(4, 4), ListShot::kDesignSize * GetParam()));
    list.SetScale(GetParam());
    list.Show(board);
    list.show();
    host.resize(ListShot::kDesignSize * GetParam() + QSize(8, 8));
    host.show();
    const QString file =
        QDir(KORVANTI_GAME_SHOTS).filePath(QString("%1-%2.png").arg(name).arg(GetParam() * 100));
    ASSERT_TRUE(host.grab().save(file)) << file.toStdString();
    // Every name and figure of the table has room in its cell.
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
      const auto* item = list.topLevelItem(row);
      for (int column = 0; column < list.columnCount(); ++column) {
        const QFontMetrics metrics(item->font(column));
        EXPECT_LE(metrics.horizontalAdvance(item->text(column)), list.columnWidth(column))
            << name << " " << row << "/" << column;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Scales, ScorePanelsShotTest, ::testing::Values(1.0, 1.5),
                         [](const auto& info) {
                           return info.param == 1.0 ? "Design" : "Enlarged";
                         });

}  // namespace
}  // namespace korvanti
