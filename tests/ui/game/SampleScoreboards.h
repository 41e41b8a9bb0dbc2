#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <cstdlib>
#include <string>
#include <vector>

#include "play/Scoreboard.h"

namespace korvanti {

// Scoreboards filled by hand, as the loop of play would hand them over.

// Anna's ninth turn, 2 darts thrown, a proposal for the rest; seven older turns.
inline Scoreboard CountDownBoard() {
  Scoreboard board;
  board.panel = ModePanel::CountDown;
  board.nickname = "Anna";
  auto& panel = board.countDown;
  panel.olderTurns = {{"...", "...", "..."}, "141"};
  panel.lastTurns = {TurnRow{{"S20", "T20", "S5"}, "85"}, TurnRow{{"T19", "S19", "S3"}, "79"},
                     TurnRow{{"S20", "S1", "S20"}, "41"}, TurnRow{{"T20", "T20", "T20"}, "180"},
                     TurnRow{{"S5", "S20", "S1"}, "26"},  TurnRow{{"T20", "S20", "S20"}, "100"}};
  panel.turnPoints = "60";
  panel.remaining = "82";
  panel.remainingPaint = Paint::Green;
  panel.remainingCaption = "Übrig:";
  board.proposalFields = {"", "T14", "D20"};
  board.runningValue = "72.45";
  board.players.columns = {{"Player", 150}, {"Points left", 150}, {"Avg.", 100}};
  board.players.rows = {{{"Anna", "142", "72.45"}, {}, Paint::Green, true},
                        {{"Bernd", "301", "50.00"}, {}, Paint::Black, false}};
  return board;
}

// Rows 15..bull in all four tile states and every mark picture.
inline Scoreboard CricketBoard() {
  Scoreboard board;
  board.panel = ModePanel::Cricket;
  board.nickname = "Bernd";
  const int numbers[] = {15, 16, 17, 18, 19, 20, 25};
  const int marks[] = {3, 3, 1, 2, 0, 1, 3};
  const CricketTile tiles[] = {CricketTile::Black,         CricketTile::Green,
                               CricketTile::RedGreenFrame, CricketTile::RedBlackFrame,
                               CricketTile::RedGreenFrame, CricketTile::RedBlackFrame,
                               CricketTile::Green};
  for (std::size_t i = 0; i < 7; ++i) {
    board.cricket.rows[i] = {numbers[i], marks[i], tiles[i]};
  }
  board.players.columns = {{"Player", 100}, {"15", 35}, {"16", 35}, {"17", 35}, {"18", 35},
                           {"19", 35},      {"20", 36}, {"B", 35},  {"P", 50}};
  board.players.rows = {{{"Anna", "3", "1", "0", "2", "3", "3", "0", "40"},
                         {3, 1, 0, 2, 3, 3, 0},
                         Paint::Green,
                         false},
                        {{"Bernd", "3", "3", "1", "2", "0", "1", "3", "25"},
                         {3, 3, 1, 2, 0, 1, 3},
                         Paint::Black,
                         true}};
  return board;
}

inline Scoreboard TargetBoard() {
  Scoreboard board;
  board.panel = ModePanel::Target;
  board.nextTargets = {"LS20", "D20", ""};
  board.players.columns = {{"Player", 100}, {"Last hit", 200}};
  board.players.rows = {{{"Anna", "4"}, {}, Paint::Green, true}};
  return board;
}

// Pixels of the image inside the rectangle whose colour is within a small distance.
inline int CountColor(const QImage& image, const QRect& area, const QColor& color,
                      int tolerance = 40) {
  int count = 0;
  const QRect inside = area.intersected(image.rect());
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      if (std::abs(pixel.red() - color.red()) + std::abs(pixel.green() - color.green()) +
              std::abs(pixel.blue() - color.blue()) <=
          tolerance) {
        ++count;
      }
    }
  }
  return count;
}

inline int CountDark(const QImage& image, const QRect& area) {
  return CountColor(image, area, Qt::black, 150);
}

}  // namespace korvanti
