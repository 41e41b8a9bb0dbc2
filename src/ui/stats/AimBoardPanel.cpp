#include "ui/stats/AimBoardPanel.h"
#include "ui/common/OpenDialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>

#include "report/AimDots.h"
#include "report/FieldSelection.h"
#include "ui/board/BoardWidget.h"
#include "ui/stats/HeatLegend.h"
#include "ui/stats/ThrowView.h"

namespace korvanti {
namespace {

// Only the listed codes are accepted; the beginning of one may be typed.
class FieldSelectionValidator : public QValidator {
 public:
  using QValidator::QValidator;

  State validate(QString& input, int& /*pos*/) const override {
    if (IsAcceptedSelection(input.toStdString())) {
      return Acceptable;
    }
    const auto typed = input.toUpper();
    for (const auto& entry : FieldSelectionEntries()) {
      if (QString::fromStdString(entry).toUpper().startsWith(typed)) {
        return Intermediate;
      }
    }
    return typed.isEmpty() || QStringLiteral("ALL").startsWith(typed) ? Intermediate : Invalid;
  }
};

QColor ToQColor(Rgb colour) {
  return QColor(colour.r, colour.g, colour.b);
}

Rgb ToRgb(const QColor& colour) {
  return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
          static_cast<std::uint8_t>(colour.blue())};
}

}  // namespace

ColourChooser ColourDialogChooser() {
  return [](QWidget* parent, QColor current, std::function<void(QColor)> chosen) {
    auto* dialog = new QColorDialog(current, parent);
    dialog->setWindowTitle(QStringLiteral("Farbe"));
    OpenDialog(dialog, [dialog, chosen = std::move(chosen)](int result) {
      if (result == QDialog::Accepted && dialog->selectedColor().isValid()) {
        chosen(dialog->selectedColor());
      }
    });
  };
}

AimBoardPanel::AimBoardPanel(const HitMap& hitMap, ColourChooser chooseColour, QWidget* parent)
    : QWidget(parent),
      chooseColour_(std::move(chooseColour)),
      field_(new QComboBox(this)),
      board_(new BoardWidget(hitMap, this)),
      heatMap_(new QCheckBox(QStringLiteral("Erwartete Punkte zeigen"), this)),
      legend_(new HeatLegend(this)),
      throwText_(new QLabel(this)) {
  field_->setObjectName("cmbAim_and_Hit");
  field_->setAccessibleName(QStringLiteral("Feld"));
  field_->setEditable(true);
  field_->setInsertPolicy(QComboBox::NoInsert);
  field_->setCompleter(nullptr);
  for (const auto& entry : FieldSelectionEntries()) {
    field_->addItem(QString::fromStdString(entry));
  }
  field_->setValidator(new FieldSelectionValidator(field_));
  field_->setCurrentIndex(0);
  connect(field_, &QComboBox::currentTextChanged, this, [this](const QString& text) {
    if (IsAcceptedSelection(text.toStdString())) {
      emit selectionChanged(text);
    }
  });

  auto* allHits = new QPushButton(QStringLiteral("Alle Treffer"), this);
  allHits->setObjectName("btnAllAim");
  allHits->setToolTip(
      QStringLiteral("Zeigt alle Treffer für alle Zahlen/Segmente gleichzeitig an"));
  connect(allHits, &QPushButton::clicked, this, [this] {
    SetSelectionQuietly(QString::fromUtf8(kAllFieldsEntry.data(), kAllFieldsEntry.size()));
    emit selectionChanged(field_->currentText());
  });

  board_->setObjectName("imgStatsAim_and_Hit");
  board_->setAccessibleName(QStringLiteral("Dartscheibe"));
  board_->SetHintEnabled(false);
  connect(board_, &BoardWidget::pressed, this, &AimBoardPanel::OnBoardPressed);

  auto* darts = new QGridLayout;
  const std::array<const char*, 3> names{"chk1dart", "chk2Dart", "chk3dart"};
  const std::array<const char*, 3> captions{"1st dart", "2nd dart", "3rd dart"};
  for (int dart = 0; dart < 3; ++dart) {
    const auto d = static_cast<std::size_t>(dart);
    shown_[d] = new QCheckBox(QString::fromLatin1(captions[d]), this);
    shown_[d]->setObjectName(names[d]);
    shown_[d]->setChecked(true);
    connect(shown_[d], &QCheckBox::clicked, this, &AimBoardPanel::Redraw);
    colourButtons_[d] = new QPushButton(QStringLiteral("..."), this);
    colourButtons_[d]->setObjectName(QStringLiteral("pnl%1").arg(dart + 1));
    colourButtons_[d]->setFixedWidth(40);
    connect(colourButtons_[d], &QPushButton::clicked, this, [this, dart] { ChooseColour(dart); });
    darts->addWidget(shown_[d], dart, 0);
    darts->addWidget(colourButtons_[d], dart, 1);
    PaintColourButton(dart);
  }

  heatMap_->setObjectName("chkHeatMap");
  heatMap_->setToolTip(QStringLiteral(
      "Färbt das Board nach den erwarteten Punkten je Dart, wenn man dorthin zielt"));
  heatMap_->setEnabled(false);
  connect(heatMap_, &QCheckBox::toggled, this, &AimBoardPanel::ShowHeatMap);
  legend_->setObjectName("pnlHeatLegend");
  auto keep = legend_->sizePolicy();
  keep.setRetainSizeWhenHidden(true);  // the board keeps its size
  legend_->setSizePolicy(keep);
  legend_->hide();
  throwText_->setObjectName("lblThrow");
  throwText_->setWordWrap(true);
  board_->SetLayer(BoardLayerPlace::UnderMarks, [this](QPainter& painter) {
    if (HeatMapShown()) {
      PaintHeatMap(painter, *throw_);
    }
  });
  board_->SetLayer(BoardLayerPlace::OverMarks, [this](QPainter& painter) {
    if (throw_) {
      PaintOutline(painter, *throw_);
    }
  });

  // Two rows keep the panel narrow: the table beside it needs the room for
  // its period columns on a 150 % laptop screen.
  auto* selection = new QHBoxLayout;
  selection->addWidget(field_);
  selection->addWidget(allHits);
  selection->addStretch();
  auto* controls = new QHBoxLayout;
  controls->addLayout(darts);
  // One block beside the darts, read after them.
  auto* heatBlock = new QWidget(this);
  heatBlock->setObjectName("pnlHeat");
  auto* heat = new QVBoxLayout(heatBlock);
  heat->setContentsMargins(0, 0, 0, 0);
  heat->addStretch();
  heat->addWidget(heatMap_);
  heat->addWidget(legend_);
  heat->addStretch();
  controls->addWidget(heatBlock);
  controls->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(selection);
  layout->addLayout(controls);
  layout->addWidget(board_, 1);
  layout->addWidget(throwText_);

  // Tab as the controls read: the field, its button, the darts, the heat map.
  QWidget* previous = allHits;
  setTabOrder(field_, allHits);
  for (std::size_t dart = 0; dart < shown_.size(); ++dart) {
    setTabOrder(previous, shown_[dart]);
    setTabOrder(shown_[dart], colourButtons_[dart]);
    previous = colourButtons_[dart];
  }
  setTabOrder(previous, heatMap_);
}

void AimBoardPanel::ShowThrow(std::shared_ptr<const ThrowView> view) {
  throw_ = std::move(view);
  throwText_->setText(throw_ ? QString::fromStdString(throw_->picture.text) : QString());
  heatMap_->setEnabled(throw_ && !throw_->heat.isNull());
  if (throw_) {
    legend_->SetRange(QString::fromStdString(throw_->picture.lowestText),
                      QString::fromStdString(throw_->picture.highestText));
  }
  ShowHeatMap();
}

void AimBoardPanel::ShowHeatMap() {
  legend_->setVisible(HeatMapShown());
  board_->update();
}

QString AimBoardPanel::ThrowText() const {
  return throwText_->text();
}

bool AimBoardPanel::HeatMapShown() const {
  return throw_ && !throw_->heat.isNull() && heatMap_->isChecked();
}

void AimBoardPanel::SetPicture(BoardPicture picture) {
  board_->SetPicture(std::move(picture));
}

void AimBoardPanel::SetBoardCursor(const QCursor& cursor) {
  board_->setCursor(cursor);
}

QString AimBoardPanel::Selection() const {
  return field_->currentText();
}

void AimBoardPanel::SetSelectionQuietly(const QString& text) {
  const QSignalBlocker blocker(field_);
  field_->setCurrentIndex(field_->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
  field_->setEditText(text);
}

void AimBoardPanel::OnBoardPressed(Qt::MouseButton button, QPoint position, const QString&) {
  const auto next =
      SelectionAfterClick(board_->FieldCodeAt(position).toStdString(),
                          button == Qt::LeftButton ? ClickButton::Left : ClickButton::Other,
                          field_->currentText().toStdString());
  if (!next) {
    return;  // a wire or the field already selected
  }
  const auto text = QString::fromStdString(*next);
  SetSelectionQuietly(text);
  emit selectionChanged(text);
}

void AimBoardPanel::ShowDots(const std::array<std::vector<BoardPoint>, 3>* dots) {
  dots_ = dots ? *dots : std::array<std::vector<BoardPoint>, 3>{};
  Redraw();
}

void AimBoardPanel::Redraw() {
  std::vector<BoardDot> drawn;
  for (std::size_t dart = 0; dart < 3; ++dart) {
    if (!shown_[dart]->isChecked()) {
      continue;
    }
    for (const auto& point : dots_[dart]) {
      drawn.push_back({QPoint(point.x, point.y), ToQColor(colours_.darts[dart]), kDotRadius});
    }
  }
  board_->SetDots(std::move(drawn));
}

void AimBoardPanel::SetColours(const DotColours& colours) {
  colours_ = colours;
  for (int dart = 0; dart < 3; ++dart) {
    PaintColourButton(dart);
  }
  Redraw();
}

void AimBoardPanel::ChooseColour(int dart) {
  const auto d = static_cast<std::size_t>(dart);
  chooseColour_(this, ToQColor(colours_.darts[d]), [self = QPointer(this), dart](QColor chosen) {
    if (!self) {
      return;
    }
    self->colours_.darts[static_cast<std::size_t>(dart)] = ToRgb(chosen);
    self->PaintColourButton(dart);
    self->Redraw();  // the dots take the new colour at once
  });
}

void AimBoardPanel::PaintColourButton(int dart) {
  const auto colour = ToQColor(colours_.darts[static_cast<std::size_t>(dart)]);
  colourButtons_[static_cast<std::size_t>(dart)]->setStyleSheet(
      QStringLiteral("background-color: %1; color: black;").arg(colour.name()));
}

}  // namespace korvanti
