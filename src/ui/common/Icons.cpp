#include "ui/common/Icons.h"

#include <QApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStyle>
#include <QStyleOption>
#include <cstdlib>
#include <memory>

namespace korvanti {

namespace {

// The ink the pictures are drawn in ("ColorScheme-Text" of the SVG files).
constexpr QRgb kPictureInk = qRgb(0x23, 0x26, 0x29);

bool IsInk(QRgb pixel) {
  return std::abs(qRed(pixel) - qRed(kPictureInk)) <= 8 &&
         std::abs(qGreen(pixel) - qGreen(kPictureInk)) <= 8 &&
         std::abs(qBlue(pixel) - qBlue(kPictureInk)) <= 8;
}

// Draws the pictures' dark ink in the palette's button text, so that they
// stay visible under a dark palette; coloured parts keep their colour. It
// asks the application's palette at every paint and so follows a change at once.
class InkIconEngine final : public QIconEngine {
 public:
  explicit InkIconEngine(QIcon source) : source_(std::move(source)) {}

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    QImage image =
        source_.pixmap(size, QIcon::Normal, state).toImage().convertToFormat(QImage::Format_ARGB32);
    const QColor ink = QApplication::palette().color(QPalette::ButtonText);
    for (int y = 0; y < image.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < image.width(); ++x) {
        if (qAlpha(line[x]) != 0 && IsInk(line[x])) {
          line[x] = qRgba(ink.red(), ink.green(), ink.blue(), qAlpha(line[x]));
        }
      }
    }
    QPixmap drawn = QPixmap::fromImage(image);
    if (mode == QIcon::Disabled || mode == QIcon::Selected) {
      QStyleOption option;
      option.palette = QApplication::palette();
      drawn = QApplication::style()->generatedIconPixmap(mode, drawn, &option);
    }
    return drawn;
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal ratio = painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap drawn = pixmap(rect.size() * ratio, mode, state);
    drawn.setDevicePixelRatio(ratio);
    painter->drawPixmap(rect, drawn);
  }

  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return source_.actualSize(size, mode, state);
  }

  QIconEngine* clone() const override { return new InkIconEngine(source_); }

 private:
  QIcon source_;
};

const char* ResourceName(IconRole role) {
  switch (role) {
    case IconRole::StartGame:
      return "start-game";
    case IconRole::NewPlayer:
      return "new-player";
    case IconRole::DeletePlayer:
      return "delete-player";
    case IconRole::Statistics:
      return "statistics";
    case IconRole::MergeGames:
      return "merge-games";
    case IconRole::Settings:
      return "settings";
    case IconRole::Instructions:
      return "instructions";
    case IconRole::CheckIn:
      return "check-in";
    case IconRole::Undo:
      return "undo";
    case IconRole::AbortGame:
      return "abort-game";
    case IconRole::Close:
      return "close";
    case IconRole::Refresh:
      return "refresh";
    case IconRole::Delete:
      return "delete";
    case IconRole::Save:
      return "save";
    case IconRole::Info:
      return "info";
  }
  return "info";
}

}  // namespace

QIcon KorvantiIcon(IconRole role) {
  QIcon picture(
      QStringLiteral(":/korvanti/icons/%1.svg").arg(QString::fromLatin1(ResourceName(role))));
  return QIcon(new InkIconEngine(std::move(picture)));  // the icon owns its engine
}

QIcon ApplicationIcon() {
  return QIcon(QStringLiteral(":/korvanti/icons/korvanti.svg"));
}

}  // namespace korvanti
