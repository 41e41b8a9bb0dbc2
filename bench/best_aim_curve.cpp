// The best aim point against the spread of a round, unbiased thrower, from
// 5 to 60 mm: writes best-aim-curve.csv and best-aim-curve.svg (the path of
// the best point drawn over the board's rings) into the given folder. Fails
// when the curve leaves its known shape: T20 for a small spread, T19 at
// 20 mm, nearer the bull again for a wide spread.
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "analysis/ExpectedPoints.h"
#include "engine/BoardGeometry.h"

int main(int argc, char** argv) {
  using namespace korvanti;
  const std::filesystem::path folder = argc > 1 ? argv[1] : ".";
  const HitMap hitMap;
  const BoardValues board(hitMap);
  std::ofstream csv(folder / "best-aim-curve.csv");
  std::ofstream svg(folder / "best-aim-curve.svg");
  csv << "spread_mm,best_x,best_y,field,points,t20,t19,bull\n";
  svg << "<svg xmlns='http://www.w3.org/2000/svg' width='659' height='650' "
         "font-family='sans-serif' font-size='11'>\n<rect width='659' height='650' "
         "fill='white'/>\n";
  for (const double radius : {board::kBullsEye, board::kOuterBull, board::kSmallSingle,
                              board::kTreble, board::kLargeSingle, board::kDouble}) {
    svg << "<circle cx='" << board::kRingX << "' cy='" << board::kRingY << "' r='" << radius
        << "' fill='none' stroke='#999'/>\n";
  }
  for (int k = 0; k < 20; ++k) {
    const double angle = (k * 18.0 - 99.0) * M_PI / 180;
    svg << "<line x1='" << board::kBullX + board::kOuterBull * std::cos(angle) << "' y1='"
        << board::kBullY + board::kOuterBull * std::sin(angle) << "' x2='"
        << board::kBullX + board::kDouble * std::cos(angle) << "' y2='"
        << board::kBullY + board::kDouble * std::sin(angle) << "' stroke='#ccc'/>\n";
    const double middle = (k * 18.0 - 90.0) * M_PI / 180;
    svg << "<text x='" << board::kBullX + 255 * std::cos(middle) - 6 << "' y='"
        << board::kBullY + 255 * std::sin(middle) + 4 << "'>" << board::kSegmentOrder[k]
        << "</text>\n";
  }
  svg << "<polyline fill='none' stroke='#c00' stroke-width='2' points='";
  std::string marks;
  std::string fieldAt5;
  std::string fieldAt20;
  double bullDistanceAt20 = 0;
  double bullDistanceAt60 = 0;
  for (int mm = 5; mm <= 60; ++mm) {
    const ExpectedPointsMap map(board, Scatter::Round(mm / kMillimetresPerPixel));
    const auto best = map.Best();
    const double bullDistance = std::hypot(best.x - board::kBullX, best.y - board::kBullY);
    if (mm == 5) {
      fieldAt5 = hitMap.FieldAt(best.x, best.y);
    } else if (mm == 20) {
      fieldAt20 = hitMap.FieldAt(best.x, best.y);
      bullDistanceAt20 = bullDistance;
    } else if (mm == 60) {
      bullDistanceAt60 = bullDistance;
    }
    const auto at = [&](int x, int y) { return map.At(x, y); };
    csv << mm << ',' << best.x << ',' << best.y << ',' << hitMap.FieldAt(best.x, best.y) << ','
        << map.At(best) << ',' << at(332, 172) << ',' << at(285, 456) << ',' << at(332, 317)
        << '\n';
    svg << best.x << ',' << best.y << ' ';
    if (mm % 5 == 0) {
      marks += "<circle cx='" + std::to_string(best.x) + "' cy='" + std::to_string(best.y) +
               "' r='3' fill='#c00'/><text x='" + std::to_string(best.x + 5) + "' y='" +
               std::to_string(best.y - 4) + "'>" + std::to_string(mm) + " mm</text>\n";
    }
  }
  svg << "'/>\n" << marks << "</svg>\n";
  std::cout << "written: " << (folder / "best-aim-curve.csv").string() << ", "
            << (folder / "best-aim-curve.svg").string() << '\n';
  if (!csv || !svg || fieldAt5 != "T20" || fieldAt20 != "T19" ||
      bullDistanceAt60 >= bullDistanceAt20) {
    std::cerr << "unexpected curve or unwritten files: 5 mm " << fieldAt5 << ", 20 mm " << fieldAt20
              << ", bull distance at 20 mm " << bullDistanceAt20 << " px, at 60 mm "
              << bullDistanceAt60 << " px\n";
    return 1;
  }
  return 0;
}
