#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QTextDocument>
#include <QWidget>
#include <cstdlib>
#include <set>

namespace korvanti::testing {

// Every shown one-line caption under `root` has room for its whole text.
inline void ExpectLabelsFit(const QWidget& root) {
  for (const auto* label : root.findChildren<QLabel*>()) {
    if (!label->isVisibleTo(&root) || label->wordWrap() || label->text().isEmpty() ||
        Qt::mightBeRichText(label->text())) {
      continue;
    }
    const int width = label->fontMetrics().horizontalAdvance(label->text());
    EXPECT_LE(width, label->contentsRect().width())
        << label->objectName().toStdString() << ": " << label->text().toStdString();
  }
}

// Alike up to the blending of anti-aliased edges.
inline bool NearColour(const QColor& a, const QColor& b, int tolerance = 12) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

// The colours of every fourth pixel of the area: one or two for an empty area.
inline std::size_t SampledColours(const QImage& image, const QRect& area) {
  std::set<QRgb> colours;
  const auto inside = area.intersected(image.rect());
  for (int y = inside.top(); y <= inside.bottom(); y += 4) {
    for (int x = inside.left(); x <= inside.right(); x += 4) {
      colours.insert(image.pixel(x, y));
    }
  }
  return colours.size();
}

}  // namespace korvanti::testing
