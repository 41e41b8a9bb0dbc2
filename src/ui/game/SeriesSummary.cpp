#include "ui/game/SeriesSummary.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <algorithm>

#include "ui/common/KorvantiLook.h"

namespace korvanti {
namespace {

constexpr QSize kClientSize{984, 462};
constexpr QRect kListRect{0, 0, 984, 410};
// With a match: the series above, the match's result and figures below.
constexpr QRect kSeriesRect{0, 0, 984, 150};
constexpr QRect kMatchResultRect{16, 156, 952, 28};
constexpr QRect kMatchTableRect{0, 188, 984, 222};
constexpr QRect kMessageRect{16, 424, 617, 30};
// With "Zurücknehmen" the message leaves it room.
constexpr QRect kShortMessageRect{16, 424, 457, 30};
constexpr QRect kTakeBackRect{488, 424, 152, 30};
constexpr QRect kContinueRect{648, 424, 160, 30};
constexpr QRect kEndRect{816, 424, 152, 30};
constexpr int kColumnWidths[] = {150, 350, 470};
constexpr int kListPixelSize = 16;
constexpr int kMessagePointSize = 12;

constexpr int kCountWidth = 64;

// Legs and sets won: a narrow column.
bool IsCountColumn(const QString& caption) {
  return caption == QStringLiteral("Legs") || caption == QStringLiteral("Sätze");
}

QString FromUtf8(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

SeriesSummary::SeriesSummary(QWidget* parent)
    : QDialog(parent),
      list_(new QTreeWidget(this)),
      matchResult_(new QLabel(this)),
      matchTable_(new QTreeWidget(this)),
      gameOverMessage_(new QLabel(this)),
      continueButton_(new QPushButton(QStringLiteral("&weiteres Spiel"), this)),
      endButton_(new QPushButton(QStringLiteral("&Beenden"), this)),
      takeBackButton_(new QPushButton(QStringLiteral("&Zurücknehmen"), this)) {
  setObjectName(QStringLiteral("frmsummary"));
  setWindowTitle(QStringLiteral("Zusammenfassung"));
  setFixedSize(kClientSize);

  list_->setObjectName(QStringLiteral("lstSummary"));
  list_->setGeometry(kListRect);
  list_->setRootIsDecorated(false);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setHeaderLabels({QStringLiteral("Spieler (Siege)"),
                          QStringLiteral("Schnitt gesamt, (einzelne Spiele)"),
                          QStringLiteral("Doppelqoute gesamt, (einzelne Spiele)")});
  // Averages and rates are figures: a face whose digits line up.
  list_->setFont(FiguresFont(kListPixelSize));
  for (int column = 0; column < 3; ++column) {
    list_->setColumnWidth(column, kColumnWidths[column]);
  }

  matchResult_->setObjectName(QStringLiteral("lblMatchResult"));
  matchResult_->setGeometry(kMatchResultRect);
  matchResult_->setFont(TextFont(kMessagePointSize, true));
  matchResult_->setTextFormat(Qt::PlainText);
  matchResult_->hide();
  matchTable_->setObjectName(QStringLiteral("lstMatch"));
  matchTable_->setGeometry(kMatchTableRect);
  matchTable_->setRootIsDecorated(false);
  matchTable_->setSelectionMode(QAbstractItemView::NoSelection);
  matchTable_->setFont(FiguresFont(kListPixelSize));
  matchTable_->hide();

  gameOverMessage_->setObjectName(QStringLiteral("lblgameovermessage"));
  gameOverMessage_->setGeometry(kMessageRect);
  gameOverMessage_->setFont(TextFont(kMessagePointSize, true));
  gameOverMessage_->setTextFormat(Qt::PlainText);

  continueButton_->setObjectName(QStringLiteral("btnWeiter"));
  continueButton_->setGeometry(kContinueRect);
  continueButton_->setDefault(true);
  continueButton_->setAutoDefault(true);
  endButton_->setObjectName(QStringLiteral("btnBeenden"));
  endButton_->setGeometry(kEndRect);
  endButton_->setAutoDefault(false);
  connect(continueButton_, &QPushButton::clicked, this, &QDialog::accept);
  connect(endButton_, &QPushButton::clicked, this, &QDialog::reject);
  takeBackButton_->setObjectName(QStringLiteral("btnZuruecknehmen"));
  takeBackButton_->setGeometry(kTakeBackRect);
  takeBackButton_->setAutoDefault(false);
  takeBackButton_->setToolTip(
      QStringLiteral("Der letzte Dart war verklickt: das Spiel wird nicht gespeichert, und es "
                     "geht vor dem letzten Dart weiter"));
  takeBackButton_->hide();
  connect(takeBackButton_, &QPushButton::clicked, this, [this] { done(kTakeBackResult); });
}

void SeriesSummary::OfferTakeBack() {
  takeBackButton_->show();
  gameOverMessage_->setGeometry(kShortMessageRect);
  gameOverMessage_->setToolTip(gameOverMessage_->text());
}

void SeriesSummary::Fill(const Summary& summary) {
  setWindowTitle(FromUtf8(summary.caption));
  list_->clear();
  for (const SummaryRow& row : summary.rows) {
    AddRow(FromUtf8(row.player), FromUtf8(row.average), FromUtf8(row.doubles));
  }
  gameOverMessage_->setText(FromUtf8(summary.gameOverText));
  if (summary.match) {
    FillMatch(*summary.match);
  }
}

void SeriesSummary::FillMatch(const MatchSummary& match) {
  list_->setGeometry(kSeriesRect);
  matchResult_->setText(FromUtf8(match.result));
  matchResult_->show();
  QStringList columns;
  for (const auto& column : match.columns) {
    columns << FromUtf8(column);
  }
  matchTable_->clear();
  matchTable_->setHeaderLabels(columns);
  for (const auto& row : match.rows) {
    QStringList cells;
    for (const auto& cell : row) {
      cells << FromUtf8(cell);
    }
    auto* item = new QTreeWidgetItem(matchTable_, cells);  // the table owns it
    for (int column = 1; column < item->columnCount(); ++column) {
      item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
  }
  // The player's column as wide as the series' one, the counts of legs and
  // sets narrow, the figures sharing the rest; figures read from the right.
  auto* header = matchTable_->headerItem();
  int counts = 0;
  for (int column = 1; column < matchTable_->columnCount(); ++column) {
    header->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    counts += IsCountColumn(header->text(column)) ? 1 : 0;
  }
  const int figures = std::max(1, matchTable_->columnCount() - 1 - counts);
  const int figureWidth =
      (kMatchTableRect.width() - kColumnWidths[0] - counts * kCountWidth - 4) / figures;
  matchTable_->header()->setStretchLastSection(false);
  matchTable_->setColumnWidth(0, kColumnWidths[0]);
  for (int column = 1; column < matchTable_->columnCount(); ++column) {
    matchTable_->setColumnWidth(column,
                                IsCountColumn(header->text(column)) ? kCountWidth : figureWidth);
  }
  matchTable_->show();
}

void SeriesSummary::AddRow(const QString& player, const QString& average, const QString& doubles) {
  auto* item = new QTreeWidgetItem(list_, {player, average, doubles});  // the list owns it
  for (int column = 0; column < 3; ++column) {
    item->setToolTip(column, item->text(column));  // long series outgrow the column
  }
}

void OpenSummary(QWidget* parent, const Summary& summary, bool offerTakeBack,
                 std::function<void(DialogAnswer)> answered) {
  auto* dialog = new SeriesSummary(parent);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->Fill(summary);
  if (offerTakeBack) {
    dialog->OfferTakeBack();
  }
  // The title-bar close box and Esc reject: the series ends, as with "&Beenden".
  QObject::connect(dialog, &QDialog::finished, dialog,
                   [answered = std::move(answered)](int result) {
                     answered(result == QDialog::Accepted                ? DialogAnswer::Yes
                              : result == SeriesSummary::kTakeBackResult ? DialogAnswer::Cancel
                                                                         : DialogAnswer::No);
                   });
  dialog->open();
}

}  // namespace korvanti
