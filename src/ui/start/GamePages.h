#pragma once

#include <QTabWidget>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/GameCatalog.h"
#include "play/ComputerOpponent.h"
#include "play/StartOptions.h"

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace korvanti {

class GameList;
class MatchFields;

// The three pages of game lists with the options their entries take. An
// entry of every list is always selected; the active page's is the game.
class GamePages final : public QTabWidget {
  Q_OBJECT

 public:
  explicit GamePages(QWidget* parent = nullptr);

  // The active page's entry, null when there is none.
  const GameCatalogEntry* SelectedEntry() const;
  // The first entry of every list, then the entry and its page; null keeps
  // the active page. Emits one selectionChanged.
  void Select(const GameCatalogEntry* entry);

  // The page's choices; master out comes from the settings.
  StartOptions Choices(bool masterOut) const;
  ComputerOptions ComputerChoices() const;
  // "Legs", "Sets" and "Ausbullen", the same on every page that has them.
  void ShowMatch(MatchFormat format, bool bullOff);

  // "Streuung aus meinen Würfen" is disabled, with the reason as its tooltip,
  // while the player has no scatter of his own; nothing makes it usable.
  void SetOwnScatterUnavailable(const std::optional<std::string>& reason);
  QCheckBox& OwnScatter() const { return *ownScatter_; }

  // The free trainings to choose from; the chosen one stays chosen when it is
  // still there, else the first is chosen.
  void SetTrainings(const std::vector<std::string>& names);

  GameList& List(GamePage page) const;

 signals:
  // Another entry or page was chosen.
  void selectionChanged();
  // "Erstellen..." (the free trainings) and "..." (the Pirmel levels).
  void designTrainings();
  void designLevels();

 private:
  QWidget* BuildGamesPage();
  QWidget* BuildTrainingGamesPage();
  QWidget* BuildSpecialTrainingsPage();

  MatchFields* AddMatchFields();
  // The match fields are usable while the selected entry plays matches.
  void EnableMatchFields();

  std::array<GameList*, 3> lists_{};
  std::vector<MatchFields*> matchFields_;
  QCheckBox* doubleOut_ = nullptr;
  QCheckBox* doubleIn_ = nullptr;
  QSpinBox* computerAverage_ = nullptr;
  QSpinBox* secondsPerDart_ = nullptr;
  QComboBox* averageMode_ = nullptr;
  QCheckBox* ownScatter_ = nullptr;
  QSpinBox* toleranceUp_ = nullptr;
  QSpinBox* toleranceDown_ = nullptr;
  QSpinBox* checkoutStart_ = nullptr;
  QSpinBox* stepUp_ = nullptr;
  QSpinBox* stepDown_ = nullptr;
  QCheckBox* alwaysZero_ = nullptr;
  QSpinBox* startLevel_ = nullptr;
  QSpinBox* maxLevel_ = nullptr;
  QComboBox* chosenDouble_ = nullptr;
  QComboBox* training_ = nullptr;
  QSpinBox* rounds_ = nullptr;
};

}  // namespace korvanti
