#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "engine/AimPoints.h"
#include "report/DotColours.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace korvanti {

class BoardWidget;
class HeatLegend;
class HitMap;
class BoardPicture;
struct ThrowView;

// Asks for a colour starting at the current one; nothing when cancelled.
// Asks for a dart's colour and returns at once; `chosen` runs with the new
// colour once one is chosen, never when the choice is cancelled.
using ColourChooser =
    std::function<void(QWidget* parent, QColor current, std::function<void(QColor)> chosen)>;
ColourChooser ColourDialogChooser();

// The board side of the aim-and-hit view: the field selection, "Alle Treffer",
// the board with the landing points of one row, one colour per dart of the
// turn, and the dart check boxes with their colour buttons; under the dots
// the player's throw (the scatter ellipses, the best aim point and, when
// switched on, the heat map of expected points) with its line of text.
class AimBoardPanel : public QWidget {
  Q_OBJECT

 public:
  AimBoardPanel(const HitMap& hitMap, ColourChooser chooseColour, QWidget* parent = nullptr);

  void SetPicture(BoardPicture picture);
  void SetBoardCursor(const QCursor& cursor);

  // The selection text ("Alle", "20", "T20", empty for every dart).
  QString Selection() const;
  // Sets the text without announcing it.
  void SetSelectionQuietly(const QString& text);

  // The dots of a row (per dart number); nothing restores the clean board.
  void ShowDots(const std::array<std::vector<BoardPoint>, 3>* dots);

  // The player's throw; null clears the board and the line.
  void ShowThrow(std::shared_ptr<const ThrowView> view);
  const std::shared_ptr<const ThrowView>& Throw() const { return throw_; }
  QString ThrowText() const;
  bool HeatMapShown() const;

  DotColours Colours() const { return colours_; }
  void SetColours(const DotColours& colours);

  BoardWidget& Board() { return *board_; }

 signals:
  // The selection changed to a listed text: typed, picked, by a board click
  // or by "Alle Treffer" (also when it was "Alle" already).
  void selectionChanged(const QString& text);

 private:
  void OnBoardPressed(Qt::MouseButton button, QPoint position, const QString& code);
  void ChooseColour(int dart);
  void PaintColourButton(int dart);
  void Redraw();
  void ShowHeatMap();

  ColourChooser chooseColour_;
  QComboBox* field_;
  BoardWidget* board_;
  std::array<QCheckBox*, 3> shown_{};
  std::array<QPushButton*, 3> colourButtons_{};
  QCheckBox* heatMap_;
  HeatLegend* legend_;
  QLabel* throwText_;
  std::shared_ptr<const ThrowView> throw_;
  DotColours colours_ = DefaultDotColours();
  std::array<std::vector<BoardPoint>, 3> dots_;
};

}  // namespace korvanti
