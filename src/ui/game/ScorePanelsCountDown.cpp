#include <QLabel>

#include "ui/common/KorvantiLook.h"
#include "ui/game/ScorePanels.h"
#include "ui/game/ScorePanelsPicture.h"

namespace korvanti {
namespace {

// The code columns line up with the darts of the turn in progress, which the
// game screen lays over this panel just below the last turn.
constexpr int kCodeLeft = 1;
constexpr int kCodePitch = 63;
constexpr int kCodeWidth = 62;
constexpr QRect kPointsColumn{190, 0, 30, 0};
constexpr int kRowPitch = 33;
constexpr int kRowHeight = 31;
constexpr int kRowPixels = 18;

constexpr QRect kPicture{221, 0, 128, 119};
constexpr QRect kTurnPoints{222, 196, 134, 80};
constexpr QRect kLine{0, 281, 359, 3};
constexpr QRect kRemainingCaption{4, 318, 112, 40};
constexpr QRect kRemaining{116, 286, 240, 104};
constexpr QRect kCheckoutCaption{4, 398, 120, 40};
constexpr int kCheckoutLeft = 126;
constexpr int kCheckoutPitch = 76;
constexpr QRect kCheckoutBox{0, 398, 72, 40};

constexpr int kTurnPointsPixels = 60;
constexpr int kRemainingPixels = 93;
constexpr int kCaptionPixels = 27;
constexpr int kCheckoutCaptionPixels = 22;
constexpr int kCheckoutPixels = 26;

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

QFont CaptionFont() {
  return TextFont(12, true);
}

}  // namespace

CountDownPanelView::CountDownPanelView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("pnlGameDown"));
  resize(kDesignSize);

  // The older turns on top, then the last six with the most recent lowest.
  olderTurns_ =
      MakeRow(QStringLiteral("lblLastPointsAll%1"), QStringLiteral("lblLastPointsAll"), 0);
  for (int r = 1; r <= kTurnRows; ++r) {
    lastTurns_[static_cast<std::size_t>(r - 1)] =
        MakeRow(QStringLiteral("pnlLast%1_").arg(r) + QStringLiteral("%1"),
                QStringLiteral("lblPointsLast%1").arg(r), (kTurnRows + 1 - r) * kRowPitch);
  }

  picture_ = new PlayerPictureBox(this);
  picture_->setObjectName(QStringLiteral("imgplayerdown"));
  layout_.Place(picture_, kPicture);

  turnPoints_ =
      MakePanelLabel(this, QStringLiteral("lbltotalPoints"), FiguresFont(kTurnPointsPixels, true),
                     Qt::AlignRight | Qt::AlignVCenter);
  SetLabelColors(turnPoints_, PanelColor(Paint::Green));
  layout_.Place(turnPoints_, kTurnPoints, kTurnPointsPixels);

  auto* line = new QWidget(this);
  line->setObjectName(QStringLiteral("shpTurnLine"));
  line->setAutoFillBackground(true);
  line->setBackgroundRole(QPalette::WindowText);
  layout_.Place(line, kLine);

  remainingCaption_ = MakePanelLabel(this, QStringLiteral("lbllblLeft"), CaptionFont(),
                                     Qt::AlignLeft | Qt::AlignVCenter);
  remainingCaption_->setText(QStringLiteral("Übrig:"));
  layout_.Place(remainingCaption_, kRemainingCaption, kCaptionPixels);
  remaining_ =
      MakePanelLabel(this, QStringLiteral("lblcurrentpoints"), FiguresFont(kRemainingPixels, true),
                     Qt::AlignRight | Qt::AlignVCenter);
  SetLabelColors(remaining_, PanelColor(Paint::Green));
  layout_.Place(remaining_, kRemaining, kRemainingPixels);

  checkoutCaption_ = MakePanelLabel(this, QStringLiteral("lbllblcheckout"), CaptionFont(),
                                    Qt::AlignLeft | Qt::AlignVCenter);
  checkoutCaption_->setText(QStringLiteral("Checkout:"));
  checkoutCaption_->hide();
  layout_.Place(checkoutCaption_, kCheckoutCaption, kCheckoutCaptionPixels);
  for (int n = 0; n < 3; ++n) {
    auto* field = MakePanelLabel(this, QStringLiteral("lblCheckout%1").arg(n + 1),
                                 FiguresFont(kCheckoutPixels, true));
    layout_.Place(field, kCheckoutBox.translated(kCheckoutLeft + n * kCheckoutPitch, 0),
                  kCheckoutPixels);
    checkout_[static_cast<std::size_t>(n)] = field;
  }
}

CountDownPanelView::RowLabels CountDownPanelView::MakeRow(const QString& codeName,
                                                          const QString& pointsName, int top) {
  RowLabels row;
  for (int n = 0; n < 3; ++n) {
    auto* code = MakePanelLabel(this, codeName.arg(n + 1), FiguresFont(kRowPixels, true));
    code->setAutoFillBackground(true);
    code->setBackgroundRole(QPalette::Base);
    code->setForegroundRole(QPalette::Text);
    code->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    layout_.Place(code, {kCodeLeft + n * kCodePitch, top, kCodeWidth, kRowHeight}, kRowPixels);
    row.codes[static_cast<std::size_t>(n)] = code;
  }
  row.points = MakePanelLabel(this, pointsName, FiguresFont(kRowPixels, true),
                              Qt::AlignRight | Qt::AlignVCenter);
  layout_.Place(row.points, {kPointsColumn.left(), top, kPointsColumn.width(), kRowHeight},
                kRowPixels);
  return row;
}

void CountDownPanelView::Show(const Scoreboard& board) {
  const auto& panel = board.countDown;
  const auto showRow = [](const RowLabels& labels, const TurnRow& row) {
    for (std::size_t n = 0; n < 3; ++n) {
      labels.codes[n]->setText(Text(row.codes[n]));
    }
    labels.points->setText(Text(row.points));
  };
  showRow(olderTurns_, panel.olderTurns);
  for (std::size_t r = 0; r < lastTurns_.size(); ++r) {
    showRow(lastTurns_[r], panel.lastTurns[r]);
  }
  picture_->ShowPicture(board.picture);
  turnPoints_->setText(Text(panel.turnPoints));
  if (!panel.remainingCaption.empty()) {
    remainingCaption_->setText(Text(panel.remainingCaption));
  }
  SetLabelColors(remainingCaption_, TextColor(panel.remainingCaptionPaint, palette()));
  remaining_->setText(Text(panel.remaining));
  SetLabelColors(remaining_, TextColor(panel.remainingPaint, palette()));

  bool proposal = false;
  for (std::size_t n = 0; n < 3; ++n) {
    checkout_[n]->setText(Text(board.proposalFields[n]));
    proposal = proposal || !board.proposalFields[n].empty();
  }
  checkoutCaption_->setVisible(proposal);
  layout_.FitTexts();
}

void CountDownPanelView::SetScale(double scale) {
  layout_.SetScale(scale);
}

}  // namespace korvanti
