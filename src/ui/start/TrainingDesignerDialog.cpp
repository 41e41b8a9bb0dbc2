#include "ui/start/TrainingDesignerDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/TrainingFiles.h"
#include "ui/board/BoardWidget.h"
#include "ui/common/Dialogs.h"
#include "ui/common/OpenDialog.h"

namespace korvanti {
namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QSpinBox* Spin(QWidget* parent, const char* name, int highest, int value) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(name);
  spin->setRange(1, highest);
  spin->setValue(value);
  return spin;
}

// The number of darts of a target is edited in a spin box of 1 to 100.
class DartsDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                        const QModelIndex& /*index*/) const override {
    auto* editor = Spin(parent, "spnDarts", kMostDartsPerTarget, 3);
    editor->setFrame(false);
    return editor;
  }
};

QPushButton* Button(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  // A click leaves the focus where it is, so a name being typed is taken by the button's act.
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

}  // namespace

TrainingDesignerDialog::TrainingDesignerDialog(DesignerMode mode,
                                               const std::filesystem::path& programFolder,
                                               int board, const HitMap& hitMap, Dialogs& dialogs,
                                               QWidget* parent)
    : QDialog(parent), designer_(mode, programFolder), dialogs_(dialogs) {
  setObjectName("frmini");
  setWindowTitle(QStringLiteral("frmini"));
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(BuildControls(mode), 0);
  layout->addWidget(BuildBoard(programFolder, board, hitMap), 1);
  FillList();
  ShowForm();
}

// The children outlive this part of the window; the focus leaving the list
// while they go must not reach it.
TrainingDesignerDialog::~TrainingDesignerDialog() {
  for (auto* child : findChildren<QObject*>()) {
    child->disconnect(this);
  }
}

QWidget* TrainingDesignerDialog::BuildControls(DesignerMode mode) {
  const bool free = mode == DesignerMode::FreeTrainings;
  auto* controls = new QWidget(this);
  auto* column = new QVBoxLayout(controls);
  column->setContentsMargins(0, 0, 0, 0);

  column->addWidget(new QLabel(QStringLiteral("Free practice:"), controls));
  list_ = new QComboBox(controls);
  list_->setObjectName("cmbTraining");
  list_->setAccessibleName(free ? QStringLiteral("Training") : QStringLiteral("Stufe"));
  list_->setEditable(free);
  if (free) {
    list_->setInsertPolicy(QComboBox::NoInsert);
    // A typed new name must not complete itself into an existing training.
    list_->setCompleter(nullptr);
    connect(list_->lineEdit(), &QLineEdit::editingFinished, this, [this] { TakeTypedName(false); });
  }
  connect(list_, &QComboBox::currentIndexChanged, this, &TrainingDesignerDialog::LoadSelected);
  column->addWidget(list_);

  auto* dartsRow = new QHBoxLayout;
  dartsRow->addWidget(new QLabel(QStringLiteral("default nr. of darts:"), controls));
  defaultDarts_ = Spin(controls, "spnDefaultDarts", kMostDartsPerTarget, 3);
  defaultDarts_->setAccessibleName(QStringLiteral("Darts je Ziel"));
  dartsRow->addWidget(defaultDarts_);
  column->addLayout(dartsRow);

  grid_ = new QTableWidget(0, 2, controls);
  grid_->setObjectName("grdTargets");
  grid_->setAccessibleName(QStringLiteral("Ziele"));
  grid_->setHorizontalHeaderLabels({QStringLiteral("Aim"), QStringLiteral("Nr. of darts")});
  grid_->verticalHeader()->hide();
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                         QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
  grid_->setItemDelegateForColumn(1, new DartsDelegate(grid_));
  connect(grid_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    const auto row = static_cast<std::size_t>(item->row());
    if (item->column() == 1 && row < form_.rows.size()) {
      form_.rows[row].darts = std::clamp(item->data(Qt::EditRole).toInt(), 1, kMostDartsPerTarget);
    }
  });
  column->addWidget(grid_, 1);

  auto* roundsRow = new QHBoxLayout;
  rounds_ = Spin(controls, "spnRounds", kMostTrainingRounds, 1);
  rounds_->setAccessibleName(QStringLiteral("Runden"));
  restore_ = Button(controls, "btnRestoreDefault", QStringLiteral("Restore default"));
  if (free) {
    roundsRow->addWidget(new QLabel(QStringLiteral("Rounds "), controls));
    roundsRow->addWidget(rounds_);
    roundsRow->addStretch();
    restore_->hide();
    connect(rounds_, &QSpinBox::valueChanged, this, [this](int value) { form_.rounds = value; });
  } else {
    roundsRow->addWidget(restore_);
    roundsRow->addStretch();
    rounds_->hide();
    connect(restore_, &QPushButton::clicked, this, [this] {
      if (auto level = designer_.DefaultLevel(list_->currentText().toStdString())) {
        form_ = std::move(*level);
        ShowForm();
      }
    });
  }
  column->addLayout(roundsRow);

  const auto box = [&](const char* name, const QString& caption, DesignerRule rule) {
    auto* check = new QCheckBox(caption, controls);
    check->setObjectName(name);
    connect(check, &QCheckBox::clicked, this, [this, rule](bool on) { RuleClicked(rule, on); });
    column->addWidget(check);
    return check;
  };
  ignoreMisses_ = box("chkIgnoreMisses", QStringLiteral("Next dart even if aim was not hit"),
                      DesignerRule::IgnoreMisses);
  closeInOne_ = box("chkCloseInOne", QStringLiteral("Next throw only if all aims got hit"),
                    DesignerRule::CloseInOne);
  closeAll_ =
      box("chkCloseAll", QStringLiteral("End only if all aims are hit"), DesignerRule::CloseAll);

  auto* buttons = new QHBoxLayout;
  save_ = Button(controls, "btnSave", QStringLiteral("Save"));
  close_ = Button(controls, "btnClose", QStringLiteral("Close"));
  connect(save_, &QPushButton::clicked, this, &TrainingDesignerDialog::Save);
  connect(close_, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addWidget(save_);
  buttons->addWidget(close_);
  column->addLayout(buttons);
  return controls;
}

QWidget* TrainingDesignerDialog::BuildBoard(const std::filesystem::path& programFolder, int board,
                                            const HitMap& hitMap) {
  auto* side = new QWidget(this);
  auto* column = new QVBoxLayout(side);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(new QLabel(QStringLiteral("Left click to add a aim"), side));
  column->addWidget(new QLabel(QStringLiteral("Right click to delete last aim"), side));
  board_ = new BoardWidget(hitMap, side);
  board_->setObjectName("imgBoard");
  board_->setAccessibleName(QStringLiteral("Dartscheibe"));
  board_->SetPicture(BoardPicture::ForSetting(board, programFolder));
  connect(
      board_, &BoardWidget::pressed, this,
      [this](Qt::MouseButton button, QPoint, const QString& code) { BoardPressed(button, code); });
  column->addWidget(board_, 1);
  return side;
}

QCheckBox& TrainingDesignerDialog::Rule(DesignerRule rule) const {
  switch (rule) {
    case DesignerRule::IgnoreMisses:
      return *ignoreMisses_;
    case DesignerRule::CloseInOne:
      return *closeInOne_;
    case DesignerRule::CloseAll:
      break;
  }
  return *closeAll_;
}

void TrainingDesignerDialog::FillList() {
  {
    const QSignalBlocker block(list_);
    for (const auto& name : designer_.Names()) {
      list_->addItem(Text(name));
    }
  }
  if (list_->count() > 0) {
    SelectSilently(0);
    LoadSelected();
  }
}

void TrainingDesignerDialog::SelectSilently(int index) {
  const QSignalBlocker block(list_);
  list_->setCurrentIndex(index);
}

// Every change of the selection, by mouse or keyboard, shows the chosen
// training, so "Save" never writes one training's grid into another.
void TrainingDesignerDialog::LoadSelected() {
  if (list_->currentIndex() < 0) {
    return;
  }
  form_ = designer_.Load(list_->currentText().toStdString());
  loaded_ = form_;
  ShowForm();
}

// The name typed into the list. An existing training's name selects and
// shows that training; while the grid holds changes, only "Save" does so,
// after asking whether they replace that training. A new name joins the list
// with the grid as it is. The index of an existing training whose
// replacement "Save" has still to ask for; nothing when the save may go on.
std::optional<int> TrainingDesignerDialog::TakeTypedName(bool saving) {
  const auto typed = list_->currentText().trimmed();
  if (TrainingDesigner::NameProblem(typed.toStdString())) {
    return std::nullopt;  // the save names the problem
  }
  std::vector<std::string> names;
  for (int i = 0; i < list_->count(); ++i) {
    names.push_back(list_->itemText(i).toStdString());
  }
  const auto known = TrainingDesigner::Find(names, typed.toStdString());
  if (!known) {
    const QSignalBlocker block(list_);
    list_->addItem(typed);
    list_->setCurrentIndex(list_->count() - 1);
    return std::nullopt;
  }
  const int index = static_cast<int>(*known);
  if (index == list_->currentIndex()) {
    list_->setEditText(list_->itemText(index));
    return std::nullopt;
  }
  if (form_ == loaded_) {
    list_->setCurrentIndex(index);
    return std::nullopt;
  }
  if (!saving) {
    return std::nullopt;
  }
  return index;
}

// A number of darts still in its spin box counts as entered.
void TrainingDesignerDialog::CommitDartsEdit() {
  if (auto* editor = grid_->indexWidget(grid_->currentIndex())) {
    emit grid_->itemDelegateForColumn(1)->commitData(editor);
  }
}

void TrainingDesignerDialog::Save() {
  CommitDartsEdit();
  const auto existing = list_->isEditable() ? TakeTypedName(true) : std::nullopt;
  if (!existing) {
    SaveShown();
    return;
  }
  const QString question = QStringLiteral(
                               "Das Training \"%1\" gibt es schon. Mit den Zielen hier "
                               "überschreiben?")
                               .arg(list_->itemText(*existing));
  dialogs_.YesNo(question, [self = QPointer(this), index = *existing](bool yes) {
    if (self && yes) {
      self->SelectSilently(index);
      self->SaveShown();
    }
  });
}

void TrainingDesignerDialog::SaveShown() {
  const auto name = list_->currentText().trimmed();
  if (const auto refusal = designer_.Save(name.toStdString(), form_)) {
    dialogs_.Information(Text(*refusal));
    if (*refusal == kNameMissing) {
      list_->setFocus();
    }
    return;
  }
  loaded_ = form_;
}

void TrainingDesignerDialog::BoardPressed(Qt::MouseButton button, const QString& code) {
  CommitDartsEdit();
  if (button == Qt::RightButton) {
    RemoveLastTarget(form_);
  } else if (!AddTarget(form_, code.toStdString(), defaultDarts_->value())) {
    return;
  }
  ShowForm();
  grid_->scrollToBottom();
}

void TrainingDesignerDialog::RuleClicked(DesignerRule rule, bool on) {
  SetRule(form_, rule, on);
  ShowRules();
}

void TrainingDesignerDialog::ShowForm() {
  {
    const QSignalBlocker block(grid_);
    grid_->setCurrentItem(nullptr);  // an open spin box closes without changing the form
    grid_->setRowCount(static_cast<int>(form_.rows.size()));
    for (int row = 0; row < grid_->rowCount(); ++row) {
      const auto& target = form_.rows[static_cast<std::size_t>(row)];
      auto* code = new QTableWidgetItem(Text(target.code));
      code->setFlags(Qt::ItemIsEnabled);
      grid_->setItem(row, 0, code);
      auto* darts = new QTableWidgetItem;
      if (target.code.empty()) {
        darts->setFlags(Qt::ItemIsEnabled);
      } else {
        darts->setData(Qt::EditRole, target.darts);
        darts->setTextAlignment(Qt::AlignCenter);
        darts->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
      }
      grid_->setItem(row, 1, darts);
    }
  }
  {
    const QSignalBlocker block(rounds_);
    rounds_->setValue(form_.rounds);
  }
  ShowRules();
}

void TrainingDesignerDialog::ShowRules() {
  ignoreMisses_->setChecked(form_.ignoreMisses);
  closeInOne_->setChecked(form_.closeInOne);
  closeAll_->setChecked(form_.closeAll);
}

void DesignTrainings(DesignerMode mode, const std::filesystem::path& programFolder, int board,
                     const HitMap& hitMap, Dialogs& dialogs, QWidget* parent,
                     std::function<void()> closed) {
  auto* dialog = new TrainingDesignerDialog(mode, programFolder, board, hitMap, dialogs, parent);
  auto& designer = *dialog;
  QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
  designer.resize(TrainingDesignerDialog::kDesignSize);
  if (screen != nullptr) {
    // Room for the title bar and the frame on a small screen.
    const QRect available = screen->availableGeometry();
    designer.resize(
        TrainingDesignerDialog::kDesignSize.boundedTo(available.size() - QSize(16, 48)));
    const QPoint centre = parent != nullptr && parent->isVisible()
                              ? parent->frameGeometry().center()
                              : available.center();
    QRect placed = designer.rect();
    placed.moveCenter(centre);
    placed.moveTop(std::max(placed.top(), available.top()));
    placed.moveLeft(std::max(placed.left(), available.left()));
    designer.move(placed.topLeft());
  }
  OpenDialog(dialog, [closed = std::move(closed)](int) {
    if (closed) {
      closed();
    }
  });
}

}  // namespace korvanti
