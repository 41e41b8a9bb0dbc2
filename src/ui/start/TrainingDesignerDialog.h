#pragma once

#include <QDialog>
#include <filesystem>
#include <functional>
#include <optional>

#include "engine/HitMap.h"
#include "play/TrainingDesigner.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace korvanti {

class BoardWidget;
class Dialogs;

// The training designer: a training or level is picked from the list, its
// targets are clicked on the board (left adds, right removes the last), their
// darts and the three rules are set, and "Save" writes it. "Close" writes nothing.
class TrainingDesignerDialog final : public QDialog {
  Q_OBJECT

 public:
  static constexpr QSize kDesignSize{925, 653};

  // `board` is the "Board" setting, whose picture the board shows. The hit
  // map and `dialogs` must outlive the window.
  TrainingDesignerDialog(DesignerMode mode, const std::filesystem::path& programFolder, int board,
                         const HitMap& hitMap, Dialogs& dialogs, QWidget* parent = nullptr);
  ~TrainingDesignerDialog() override;

  // What the controls show now.
  const DesignerForm& Form() const { return form_; }
  QComboBox& TrainingList() const { return *list_; }
  QSpinBox& DefaultDarts() const { return *defaultDarts_; }
  QTableWidget& Grid() const { return *grid_; }
  QSpinBox& Rounds() const { return *rounds_; }
  QPushButton& RestoreDefault() const { return *restore_; }
  QCheckBox& Rule(DesignerRule rule) const;
  QPushButton& SaveButton() const { return *save_; }
  QPushButton& CloseButton() const { return *close_; }
  BoardWidget& Board() const { return *board_; }

  // "Save": writes the form under the list's text; a refusal is shown.
  void Save();

 private:
  QWidget* BuildControls(DesignerMode mode);
  QWidget* BuildBoard(const std::filesystem::path& programFolder, int board, const HitMap& hitMap);
  void FillList();
  void LoadSelected();
  std::optional<int> TakeTypedName(bool saving);
  // Writes the grid under the name shown.
  void SaveShown();
  void SelectSilently(int index);
  void CommitDartsEdit();
  void BoardPressed(Qt::MouseButton button, const QString& code);
  void RuleClicked(DesignerRule rule, bool on);
  void ShowForm();
  void ShowRules();

  TrainingDesigner designer_;
  Dialogs& dialogs_;
  DesignerForm form_;
  // The form as the file has it; a difference is a change not saved yet.
  DesignerForm loaded_;

  QComboBox* list_ = nullptr;
  QSpinBox* defaultDarts_ = nullptr;
  QTableWidget* grid_ = nullptr;
  QSpinBox* rounds_ = nullptr;
  QPushButton* restore_ = nullptr;
  QCheckBox* ignoreMisses_ = nullptr;
  QCheckBox* closeInOne_ = nullptr;
  QCheckBox* closeAll_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* close_ = nullptr;
  BoardWidget* board_ = nullptr;
};

// Opens the designer over `parent` (sized to fit its screen) and returns at
// once; `closed` runs when it closes.
void DesignTrainings(DesignerMode mode, const std::filesystem::path& programFolder, int board,
                     const HitMap& hitMap, Dialogs& dialogs, QWidget* parent,
                     std::function<void()> closed);

}  // namespace korvanti
