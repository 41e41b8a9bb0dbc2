#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "play/PreparationWorker.h"

class QWidget;

namespace korvanti {

class WaitDialog;

// The texts of the wait dialog while the computer prepares its darts.
struct WaitTexts {
  QString caption = QStringLiteral("Bitte etwas Geduld, Computer überlegt.");
  QString info =
      QStringLiteral("Strategie wird ausgeknobelt, je nach Schnitt könnte dies etwas dauern...");
  // Without: no "Abbrechen", for a work that cannot stop halfway.
  bool cancellable = true;
};

// The wait dialog over a preparation: Run starts the work on a worker and
// returns at once; `done` comes on the window's thread. "Abbrechen" (or
// closing the dialog) stops the work after its current simulated game, closes
// the dialog and calls `cancelled` instead. Destroying the runner stops a
// running work the same way and calls neither.
class PreparationRunner final {
 public:
  using Done = std::function<void(std::optional<std::string>)>;

  explicit PreparationRunner(QWidget* window, WaitTexts texts = {});
  ~PreparationRunner();
  PreparationRunner(const PreparationRunner&) = delete;
  PreparationRunner& operator=(const PreparationRunner&) = delete;

  // One work at a time: a second Run while one works is refused through its
  // own `done` with a failure text, later, on the window's thread.
  void Run(PreparationWork work, Done done, std::function<void()> cancelled = {});
  bool IsRunning() const { return worker_.Running(); }

  // The dialog alone, for a work that runs elsewhere (the game session's):
  // "Abbrechen" calls `cancel`; HideDialog closes it.
  void ShowDialog(std::function<void()> cancel);
  void ShowProgress(int done, int total);
  void HideDialog();
  // The dialog while it shows, or null.
  WaitDialog* dialog() const { return dialog_; }

 private:
  QPointer<QWidget> window_;
  WaitTexts texts_;
  QPointer<WaitDialog> dialog_;
  PreparationWorker worker_;
};

}  // namespace korvanti
