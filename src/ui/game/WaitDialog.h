#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace korvanti {

class BusyBar;

// Tells the user that a long computation runs, with a busy bar that keeps
// moving (the work runs in a worker, the window thread stays free). While it
// works, "Abbrechen", Esc and closing its window ask its owner to stop the
// work (`cancelRequested`); the dialog closes when the owner calls Finish().
class WaitDialog final : public QDialog {
  Q_OBJECT

 public:
  static constexpr const char* kDefaultCaption = "Bitte Warten ... Please Wait ...";

  // An empty caption gives the default one.
  explicit WaitDialog(QWidget* parent = nullptr, const QString& caption = {});

  // A text shows the info line above the bar; an empty text hides it and the
  // dialog shrinks by its height.
  void SetInfoText(const QString& text);
  // How far the work has come; a total of 0 or less hides the line.
  void SetProgress(int done, int total);
  // A work that cannot stop halfway (one transaction) shows no "Abbrechen",
  // and Esc and closing the window do nothing until it has finished.
  void SetCancellable(bool cancellable);
  // Starting a running animation changes nothing.
  void StartAnimation();
  void StopAnimation();
  // The work is over: the animation stops and the dialog may close.
  void Finish();
  bool IsFinished() const { return finished_; }

  void reject() override;

 signals:
  void cancelRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Arrange();

  QFrame* infoPanel_;
  QLabel* infoText_;
  QFrame* animationPanel_;
  BusyBar* busyBar_;
  QLabel* progressText_;
  QPushButton* cancel_;
  bool finished_ = false;
  bool cancellable_ = true;
};

}  // namespace korvanti
