#pragma once

#include <QListWidget>
#include <vector>

#include "engine/GameCatalog.h"

namespace korvanti {

// One page's list of catalog entries, laid out in columns. Once an entry is
// selected one always stays selected: a click beside the entries or with Ctrl
// held does not clear it.
class GameList final : public QListWidget {
  Q_OBJECT

 public:
  GameList(GamePage page, int columns, QWidget* parent = nullptr);

  const GameCatalogEntry* SelectedEntry() const;
  // Selects the entry when the list holds it; returns whether it does.
  bool Select(const GameCatalogEntry& entry);
  void SelectFirst();

 protected:
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ArrangeColumns();

  std::vector<const GameCatalogEntry*> entries_;  // in row order
  int columns_;
};

}  // namespace korvanti
