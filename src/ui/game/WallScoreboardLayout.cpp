#include "ui/game/WallScoreboardLayout.h"

#include <QFontMetrics>
#include <QStringList>
#include <QStyle>
#include <algorithm>
#include <cmath>

namespace korvanti {
namespace {

// Shares of the window's height.
constexpr double kCaptionHeight = 0.07;
constexpr double kBottomHeight = 0.17;
constexpr double kMostNameHeight = 0.12;
// Share of a player's cell taken by his name line.
constexpr double kNameLine = 0.2;
constexpr double kNameWidth = 0.6;  // beside the legs and sets of a match
// A figure is never fitted for fewer digits than these, so that the digits
// keep their size while the points go down from 100 to 99.
const QString kNarrowestFigure = QStringLiteral("888");
// The lines below the players are fitted for a proposal of three darts at least.
const QString kShortestLine = QStringLiteral("Checkout: T20 T20 D20");

QFont Sized(const QFont& base, int pixels, bool bold) {
  QFont font(base);
  font.setPixelSize(std::max(pixels, 1));
  font.setBold(bold);
  return font;
}

QSize TextSize(const QFontMetrics& metrics, const QString& text) {
  // The ink of a glyph may reach beyond its advance; both must fit.
  const int width = std::max(metrics.horizontalAdvance(text), metrics.boundingRect(text).width());
  return {width, metrics.height()};
}

bool FitsAt(const QFont& base, bool bold, const QStringList& texts, QSize box, int pixels) {
  const QFontMetrics metrics(Sized(base, pixels, bold));
  return std::all_of(texts.begin(), texts.end(), [&](const QString& text) {
    const auto size = TextSize(metrics, text);
    return size.width() <= box.width() && size.height() <= box.height();
  });
}

// The biggest font in which every text fits the box.
QFont Fitted(const QFont& base, bool bold, const QStringList& texts, QSize box) {
  int low = 1;
  int high = std::max(box.height(), 1);
  while (low < high) {
    const int middle = (low + high + 1) / 2;
    if (FitsAt(base, bold, texts, box, middle)) {
      low = middle;
    } else {
      high = middle - 1;
    }
  }
  return Sized(base, low, bold);
}

int Share(int whole, double share) {
  return static_cast<int>(std::lround(whole * share));
}

// The boxes inside one player's cell.
struct CellBoxes {
  QRect bar;  // the name line, marked for the player on turn
  QRect name;
  QRect match;  // empty outside a match
  QRect figure;
};

CellBoxes BoxesIn(const QRect& cell, int frame, bool match, int windowHeight) {
  const int pad = frame;
  const QRect inner = cell.adjusted(frame, frame, -frame, -frame);
  CellBoxes boxes;
  const int barHeight =
      std::min(Share(inner.height(), kNameLine), Share(windowHeight, kMostNameHeight));
  boxes.bar = QRect(inner.left(), inner.top(), inner.width(), barHeight);
  const QRect line = boxes.bar.adjusted(pad, 0, -pad, 0);
  if (match) {
    const int nameWidth = Share(line.width(), kNameWidth);
    boxes.name = QRect(line.left(), line.top(), nameWidth - pad, line.height());
    boxes.match =
        QRect(line.left() + nameWidth, line.top(), line.width() - nameWidth, line.height());
  } else {
    boxes.name = line;
  }
  boxes.figure = QRect(inner.left() + pad, boxes.bar.bottom() + 1 + pad, inner.width() - 2 * pad,
                       inner.bottom() - boxes.bar.bottom() - 2 * pad);
  return boxes;
}

struct Grid {
  int columns = 1;
  int rows = 1;
};

QRect CellOf(const QRect& area, const Grid& grid, int count, int index) {
  const int width = area.width() / grid.columns;
  const int height = area.height() / grid.rows;
  const int row = index / grid.columns;
  // The last row, when not full, sits in the middle.
  const int inRow = std::min(grid.columns, count - row * grid.columns);
  const int offset = (grid.columns - inRow) * width / 2;
  return {area.left() + offset + (index % grid.columns) * width, area.top() + row * height, width,
          height};
}

QString MatchText(const WallPlayer& player) {
  QString text;
  if (player.sets) {
    text = QStringLiteral("Sätze %1 · ").arg(*player.sets);
  }
  return text + QStringLiteral("Legs %1").arg(player.legs.value_or(0));
}

QRect Placed(const QFont& font, const QString& text, const QRect& box, Qt::Alignment alignment) {
  return QStyle::alignedRect(Qt::LeftToRight, alignment, TextSize(QFontMetrics(font), text), box);
}

class Builder {
 public:
  Builder(const WallDisplay& display, QSize size, const QFont& base)
      : display_(display), size_(size), base_(base) {
    layout_.frame = std::max(2, Share(std::min(size.width(), size.height()), 0.008));
  }

  WallLayout Build() {
    const int margin = 2 * layout_.frame;
    const int captionHeight = Share(size_.height(), kCaptionHeight);
    const int bottomHeight = Share(size_.height(), kBottomHeight);
    const QRect caption(margin, 0, size_.width() - 2 * margin, captionHeight);
    const QRect players(margin, captionHeight, size_.width() - 2 * margin,
                        size_.height() - captionHeight - bottomHeight);
    const QRect bottom(margin, size_.height() - bottomHeight, size_.width() - 2 * margin,
                       bottomHeight - margin);
    AddCaption(caption);
    AddPlayers(players);
    AddBottom(bottom);
    return std::move(layout_);
  }

 private:
  bool IsMatch() const {
    return std::any_of(display_.players.begin(), display_.players.end(),
                       [](const auto& player) { return player.legs.has_value(); });
  }

  QStringList Figures() const {
    QStringList figures{kNarrowestFigure};
    for (const auto& player : display_.players) {
      figures << QString::fromStdString(player.figure);
    }
    return figures;
  }

  void Add(WallPart part, int player, const QString& text, const QRect& box, const QFont& font,
           Qt::Alignment alignment) {
    if (text.isEmpty()) {
      return;
    }
    layout_.texts.push_back({part, player, text, box, font, Placed(font, text, box, alignment)});
  }

  void AddCaption(const QRect& box) {
    const auto text = QString::fromStdString(display_.caption);
    const QRect inner = box.adjusted(0, box.height() / 8, 0, -box.height() / 8);
    Add(WallPart::Caption, -1, text, inner, Fitted(base_, false, {text}, inner.size()),
        Qt::AlignCenter);
  }

  // The grid whose cells give the figures the biggest font.
  Grid BestGrid(const QRect& area, int count, bool match) const {
    Grid best;
    int bestPixels = 0;
    const auto figures = Figures();
    for (int columns = 1; columns <= count; ++columns) {
      const Grid grid{columns, (count + columns - 1) / columns};
      const auto boxes =
          BoxesIn(CellOf(area, grid, count, 0), layout_.frame, match, size_.height());
      const int pixels = Fitted(base_, true, figures, boxes.figure.size()).pixelSize();
      if (pixels > bestPixels) {
        best = grid;
        bestPixels = pixels;
      }
    }
    return best;
  }

  void AddPlayers(const QRect& area) {
    const int count = static_cast<int>(display_.players.size());
    if (count == 0) {
      return;
    }
    const bool match = IsMatch();
    const auto grid = BestGrid(area, count, match);
    std::vector<CellBoxes> boxes;
    QStringList names;
    QStringList scores;
    for (int i = 0; i < count; ++i) {
      const QRect cell = CellOf(area, grid, count, i);
      layout_.cells.push_back(
          {cell, QRect(), display_.players[static_cast<std::size_t>(i)].onTurn});
      boxes.push_back(BoxesIn(cell, layout_.frame, match, size_.height()));
      names << QString::fromStdString(display_.players[static_cast<std::size_t>(i)].nickname);
      scores << MatchText(display_.players[static_cast<std::size_t>(i)]);
    }
    // Every cell has the same boxes, so one font each serves all players alike.
    const auto& first = boxes.front();
    const QFont nameFont = Fitted(base_, true, names, first.name.size());
    const QFont scoreFont = Fitted(base_, false, scores, first.match.size());
    const QFont figureFont = Fitted(base_, true, Figures(), first.figure.size());
    for (int i = 0; i < count; ++i) {
      const auto& player = display_.players[static_cast<std::size_t>(i)];
      const auto& box = boxes[static_cast<std::size_t>(i)];
      layout_.cells[static_cast<std::size_t>(i)].bar = box.bar;
      Add(WallPart::Name, i, names[i], box.name, nameFont,
          match ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
      if (match) {
        Add(WallPart::Match, i, scores[i], box.match, scoreFont, Qt::AlignRight | Qt::AlignVCenter);
      }
      Add(WallPart::Figure, i, QString::fromStdString(player.figure), box.figure, figureFont,
          Qt::AlignCenter);
    }
  }

  void AddBottom(const QRect& band) {
    const auto lastTurn = QString::fromStdString(display_.lastTurn);
    auto proposal = QString::fromStdString(display_.proposal);
    if (!display_.proposalCaption.empty()) {
      proposal = QString::fromStdString(display_.proposalCaption) + QStringLiteral(": ") + proposal;
    }
    const int gap = 2 * layout_.frame;
    const int half = (band.width() - gap) / 2;
    const QRect left(band.left(), band.top(), half, band.height());
    const QRect right(band.right() + 1 - half, band.top(), half, band.height());
    // One size for both, so that neither looks more important.
    const QFont font = Fitted(base_, true, {lastTurn, proposal, kShortestLine}, left.size());
    Add(WallPart::LastTurn, -1, lastTurn, left, font, Qt::AlignCenter);
    Add(WallPart::Proposal, -1, proposal, right, font, Qt::AlignCenter);
  }

  const WallDisplay& display_;
  QSize size_;
  QFont base_;
  WallLayout layout_;
};

}  // namespace

WallLayout LayOutWall(const WallDisplay& display, QSize size, const QFont& base) {
  return Builder(display, size, base).Build();
}

}  // namespace korvanti
