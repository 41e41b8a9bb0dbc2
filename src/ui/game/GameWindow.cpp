#include "ui/game/GameWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

#include "ui/board/BoardCursor.h"
#include "ui/board/BoardWidget.h"
#include "ui/common/Dialogs.h"
#include "ui/common/Icons.h"
#include "ui/common/KorvantiLook.h"
#include "ui/game/CallerVoice.h"
#include "ui/game/ClickableLabel.h"
#include "ui/game/DesignCanvas.h"
#include "ui/game/PlayerListView.h"
#include "ui/game/PointsBanner.h"
#include "ui/game/PreparationRunner.h"
#include "ui/game/ScorePanels.h"
#include "ui/game/ScorePanelsLayout.h"
#include "ui/game/ScorePanelsPicture.h"
#include "ui/game/SeriesSummary.h"
#include "ui/game/TurnAnnouncer.h"
#include "ui/game/WaitDialog.h"
#include "ui/game/WallScoreboardWindow.h"

namespace korvanti {
namespace {

constexpr int kPlayerRowHeight = 36;
constexpr int kNamePixels = 27;

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

void SetTextColor(QLabel* label, const QColor& color) {
  auto palette = label->palette();
  palette.setColor(QPalette::WindowText, color);
  label->setPalette(palette);
}

// The design grows by one row for every player after the fourth.
QSize DesignSizeFor(std::size_t players) {
  const int extra = players > 4 ? static_cast<int>(players - 4) * kPlayerRowHeight : 0;
  return {GameWindow::kDesignSize.width(), GameWindow::kDesignSize.height() + extra};
}

}  // namespace

GameWindow::GameWindow(StartedGame started, GameWindowSetup setup, Dialogs& dialogs,
                       QWidget* parent)
    : QWidget(parent, Qt::Window),
      started_(std::move(started)),
      setup_(std::move(setup)),
      dialogs_(dialogs),
      announcer_(std::make_unique<TurnAnnouncer>()),
      preparation_(std::make_unique<PreparationRunner>(this)) {
  setObjectName("GameWindow");
  setWindowTitle("Game on");
  KeepScreenSurface(*this);
  setFont(TextFont(10));
  announcer_->SetCallerActive(started_.Session().callTurns);

  session_ = std::make_unique<GameSession>(started_.PlayedGame(), started_.Panel(), setup_.hitMap,
                                           *this, started_.Session());
  BuildLayout();
}

GameWindow::~GameWindow() = default;

void GameWindow::BuildLayout() {
  canvas_ = new DesignCanvas(DesignSizeFor(started_.PlayedGame().players.Count()), this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(canvas_);
  banner_ = new PointsBanner(this);

  board_ = new BoardWidget(setup_.hitMap, canvas_);
  board_->setObjectName("imgVordergrund");
  board_->setAccessibleName("Dartscheibe");
  board_->setAccessibleDescription(
      "Linksklick: wo der Dart steckt, Rechtsklick: wohin er gezielt war. Tastatur: Feld "
      "eintippen (T20, D16, 5, 25, BULL, M) und Leertaste oder Enter");
  board_->SetPicture(BoardPicture::ForSetting(setup_.board, setup_.programFolder));
  board_->setCursor(LoadBoardCursor(setup_.programFolder));
  canvas_->Place(board_, {367, 49, 659, 650});
  connect(board_, &BoardWidget::pressed, this,
          [this](Qt::MouseButton button, QPoint position, const QString&) {
            const auto mouse = button == Qt::LeftButton    ? MouseButton::Left
                               : button == Qt::RightButton ? MouseButton::Right
                                                           : MouseButton::Other;
            Guarded([&] { session_->Click(mouse, position.x(), position.y()); });
          });

  const auto panel = started_.Panel();
  countDown_ = new CountDownPanelView(canvas_);
  canvas_->Place(countDown_, {2, 46, 359, 443}, 0, [this](double s) { countDown_->SetScale(s); });
  cricket_ = new CricketPanelView(canvas_);
  canvas_->Place(cricket_, {191, 59, 170, 504}, 0, [this](double s) { cricket_->SetScale(s); });
  target_ = new TargetPanelView(canvas_);
  canvas_->Place(target_, {-4, 353, 326, 76}, 0, [this](double s) { target_->SetScale(s); });
  countDown_->setVisible(panel == ModePanel::CountDown);
  cricket_->setVisible(panel == ModePanel::Cricket);
  target_->setVisible(panel == ModePanel::Target);

  const int extraRows = canvas_->DesignSize().height() - kDesignSize.height();
  players_ = new PlayerListView(canvas_);
  canvas_->Place(players_, {0, 567, 408, 172 + extraRows}, 0,
                 [this](double s) { players_->SetScale(s); });

  BuildToolBar();
  BuildTurnFields();
  BuildInfoLabels();
  // The board's square reaches under the corners of its neighbours, where
  // only the surface around the board lies: they stay on top.
  board_->raise();
  for (QWidget* above : std::initializer_list<QWidget*>{
           aimFields_[0], aimFields_[1], aimFields_[2], aimCaption_, currentPlayer_, pointsCaption_,
           points_, players_, doubleThrow_, aimHint_}) {
    above->raise();
  }
}

void GameWindow::BuildToolBar() {
  const auto button = [this](const char* name, const char* text, std::optional<IconRole> icon,
                             int left) {
    auto* made = new QPushButton(icon ? KorvantiIcon(*icon) : QIcon(), text, canvas_);
    made->setObjectName(name);
    made->setFocusPolicy(Qt::NoFocus);
    canvas_->Place(made, {left, 2, 190, 38}, 11, [made](double s) {
      const int side = std::max(8, static_cast<int>(24 * s));
      made->setIconSize({side, side});
    });
    return made;
  };
  checkIn_ = button("btncheckinThrow", "Wurf &einchecken", IconRole::CheckIn, 2);
  undo_ = button("btnUndoLastcheckin", "Letzten Wurf zurücknehmen", IconRole::Undo, 194);
  cancel_ = button("btn_CancelGame", "Spiel &abbrechen", IconRole::AbortGame, 386);
  auto* wall = button("btnAnzeigetafel", "Anzeige&tafel", std::nullopt, 578);
  wall->setToolTip(
      "Zeigt Punkte, letzte Aufnahme und Checkout groß in einem eigenen Fenster, "
      "für einen zweiten Bildschirm oder einen Fernseher (F11: Vollbild)");
  connect(wall, &QPushButton::clicked, this, [this] { OpenWallScoreboard(); });
  connect(checkIn_, &QPushButton::clicked, this,
          [this] { Guarded([&] { session_->PressCheckIn(); }); });
  connect(undo_, &QPushButton::clicked, this,
          [this] { Guarded([&] { session_->UndoLastCheckIn(); }); });
  connect(cancel_, &QPushButton::clicked, this,
          [this] { Guarded([&] { session_->ConfirmAbort(); }); });
}

void GameWindow::BuildTurnFields() {
  const auto box = [this](const QString& name, QRect design) {
    auto* label = new ClickableLabel(canvas_);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    // Cream on black; a border in the window's colour keeps neighbouring
    // fields apart when the scaled design leaves no pixel between them.
    label->setStyleSheet(QStringLiteral("QLabel { background-color: black; color: rgb(255, 248, "
                                        "220); border: 1px solid %1; }")
                             .arg(ScreenSurface(palette()).name()));
    label->setFont(FiguresFont(22, true));
    canvas_->Place(label, design, 22);
    return label;
  };
  for (int n = 0; n < 3; ++n) {
    auto* hit = box(QString("pnlcheck%1").arg(n + 1), {3 + 62 * n + n, 280, 62, 39});
    hit->setAccessibleName(QString("Dart %1").arg(n + 1));
    connect(hit, &ClickableLabel::clicked, this,
            [this] { Guarded([&] { session_->ClearLastHit(); }); });
    hitFields_[static_cast<std::size_t>(n)] = hit;
    auto* aim = box(QString("lblAim%1").arg(n + 1), {950, 39 + 46 * n, 65, 41});
    aim->setAccessibleName(QString("Ziel Dart %1").arg(n + 1));
    connect(aim, &ClickableLabel::clicked, this,
            [this, n] { Guarded([&] { session_->ClearAim(n + 1); }); });
    aimFields_[static_cast<std::size_t>(n)] = aim;
  }
  aimCaption_ = new QLabel("Ziel", canvas_);
  canvas_->Place(aimCaption_, {950, 18, 65, 20}, 16);
  const bool aims = session_->Options().aimInput;
  aimCaption_->setVisible(aims);
  for (auto* aim : aimFields_) {
    aim->setVisible(aims);
  }
}

void GameWindow::BuildInfoLabels() {
  const auto label = [this](const char* name, const QString& text, QRect design, int pixels,
                            bool figures = false, bool bold = false) {
    auto* made = new QLabel(text, canvas_);
    made->setObjectName(name);
    made->setFont(figures ? FiguresFont(pixels, bold) : TextFont(10, bold));
    canvas_->Place(made, design, pixels);
    return made;
  };
  const bool countDown = started_.Panel() == ModePanel::CountDown;
  // The name stays left of the board's "5"; a long one gets a smaller font.
  currentPlayer_ = new QLabel(canvas_);
  currentPlayer_->setObjectName("lblCurrent_Player");
  currentPlayer_->setFont(TextFont(10, true));
  canvas_->Place(currentPlayer_, {364, 72, 220, 34}, kNamePixels,
                 [this](double) { FitNameOverBoard(); });
  currentPlayer_->setAutoFillBackground(true);
  currentPlayer_->setBackgroundRole(QPalette::Base);
  currentPlayer_->setForegroundRole(QPalette::Text);
  pointsCaption_ = label("lblPointsCaption", "Punkte:", {364, 46, 76, 24}, 18);
  points_ = label("lblpoints", "", {440, 40, 140, 30}, 27, true, true);
  pointsCaption_->setVisible(!countDown);
  points_->setVisible(!countDown);
  averageCaption_ = label("lblAVGCaption", "Avg.:", {2, 513, 52, 26}, 18);
  average_ = label("lblAVG", "", {54, 488, 300, 56}, 51, true, true);  // "25 (100)%" fits
  label("lblRundeCaption", "Runde:", {2, 543, 73, 24}, 18);
  rounds_ = label("lblrounds", "", {75, 543, 39, 24}, 18, true, true);
  roundsToGo_ = label("lblroundstogo", "", {114, 543, 250, 24}, 18, true);
  doubleThrow_ = label("lblDoubleThrow", "", {424, 703, 457, 30}, 27, true, true);
  aimHint_ = label("lblAimHint", "", {367, 703, 659, 30}, 20, false, true);
  aimHint_->setAlignment(Qt::AlignCenter);
  SetTextColor(aimHint_, IsDarkPalette(palette()) ? QColor(255, 110, 100) : QColor(190, 0, 0));
  picture_ = new PlayerPictureBox(canvas_);
  picture_->setObjectName("imgplayer");
  canvas_->Place(picture_, {5, 46, 128, 119});
  picture_->hide();
}

void GameWindow::ShowGame() {
  const auto* screen = QGuiApplication::primaryScreen();
  const auto available = screen != nullptr ? screen->availableGeometry().size() : QSize(1366, 768);
  const auto design = canvas_->DesignSize();
  // Room for the title bar and the frame that the window manager adds.
  const QSize room(available.width() - 16, available.height() - 48);
  const double scale = std::min({1.0, static_cast<double>(room.width()) / design.width(),
                                 static_cast<double>(room.height()) / design.height()});
  resize(canvas_->SizeAt(scale));
  if (started_.Session().fullScreen) {
    showFullScreen();
    return;
  }
  show();
}

void GameWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!sessionStarted_) {
    sessionStarted_ = true;
    undo_->setVisible(session_->UndoButtonVisible());
    Guarded([&] { session_->Start(); });
  }
}

void GameWindow::Guarded(const std::function<void()>& act) {
  try {
    act();
  } catch (const std::exception& error) {
    dialogs_.Error(QString::fromUtf8(error.what()));
  }
}

// The scoreboard for the wall follows the game and goes with this window.
void GameWindow::OpenWallScoreboard() {
  if (!wall_) {
    wall_ = new WallScoreboardWindow(this);
    wall_->setAttribute(Qt::WA_DeleteOnClose);
  }
  wall_->Show(BuildWallDisplay(*session_));
  wall_->show();
  wall_->raise();
  wall_->activateWindow();
}

void GameWindow::Changed(const GameSession& session) {
  if (wall_) {
    wall_->Show(BuildWallDisplay(session));
  }
  PaintBoard(session.Board());
  board_->SetHintEnabled(!session.BoardLocked());
  undo_->setEnabled(session.UndoButtonEnabled());
  cancel_->setEnabled(!session.Result());
}

void GameWindow::PaintBoard(const Scoreboard& board) {
  for (std::size_t i = 0; i < 3; ++i) {
    hitFields_[i]->setText(Text(board.hitFields[i]));
    aimFields_[i]->setText(Text(board.aimFields[i]));
  }
  currentPlayer_->setText(Text(board.nameOverBoard));
  currentPlayer_->setVisible(!board.nameOverBoard.empty());
  FitNameOverBoard();
  points_->setText(Text(board.points));
  const bool hasRunningValue = board.panel != ModePanel::CountDown || !board.runningValue.empty();
  averageCaption_->setVisible(hasRunningValue);
  average_->setText(Text(board.runningValue));
  average_->setToolTip(Text(board.runningValueHint));
  SetTextColor(average_, TextColor(board.runningValuePaint, palette()));
  rounds_->setText(Text(board.round));
  // Trainings count rounds to go, matches their legs and sets: never both.
  roundsToGo_->setVisible(board.roundsToGo.has_value() || !board.matchCaption.empty());
  roundsToGo_->setText(Text(board.roundsToGo.value_or(board.matchCaption)));
  doubleThrow_->setText(Text(board.doubleThrowText));
  aimHint_->setText(Text(board.aimHint));
  aimHint_->setVisible(!board.aimHint.empty());
  checkIn_->setVisible(board.checkInVisible);
  checkIn_->setEnabled(board.checkInEnabled);
  checkIn_->setDefault(board.checkInEnabled);
  checkIn_->setStyleSheet(board.checkInEnabled ? "QPushButton { background: rgb(5, 188, 88); }"
                                               : QString());
  PaintPicture(board);
  switch (board.panel) {
    case ModePanel::CountDown:
      countDown_->Show(board);
      break;
    case ModePanel::Cricket:
      cricket_->Show(board);
      break;
    case ModePanel::Target:
      target_->Show(board);
      break;
  }
  players_->Show(board);
}

void GameWindow::FitNameOverBoard() {
  FitLabelFont(*currentPlayer_, std::max(1, static_cast<int>(kNamePixels * canvas_->Scale())));
}

// The picture beside the panel when the count-down panel, which has its own, is hidden.
void GameWindow::PaintPicture(const Scoreboard& board) {
  if (board.panel != ModePanel::CountDown) {
    picture_->ShowPicture(board.picture);
  }
}

void GameWindow::After(int milliseconds, std::function<void()> step) {
  QTimer::singleShot(setup_.instantSteps ? 0 : milliseconds, this, std::move(step));
}

bool GameWindow::ShowPreparation(std::function<void()> cancel) {
  preparation_->ShowDialog(std::move(cancel));
  return true;
}

void GameWindow::ShowPreparationProgress(int done, int total) {
  preparation_->ShowProgress(done, total);
}

void GameWindow::HidePreparation() {
  preparation_->HideDialog();
}

void GameWindow::Announce(const Call& call) {
  const auto folder = QString::fromStdString((setup_.programFolder / "sounds").string());
  announcer_->Play(folder, Text(call.soundFile), Text(call.words));
}

void GameWindow::ShowBanner(const std::string& text, int milliseconds) {
  banner_->Show(Text(text), setup_.instantSteps ? 1 : milliseconds);
}

// The end question: with a winning dart that may be taken back, "Zurücknehmen"
// beside "Ja" and "Nein".
void GameWindow::AskContinue(const std::string& question, std::function<void(bool)> answered) {
  if (!session_->TakeBackOffered()) {
    dialogs_.YesNo(Text(question), [this, answered = std::move(answered)](bool yes) {
      Guarded([&] { answered(yes); });
    });
    return;
  }
  dialogs_.YesNoOther(
      Text(question), QStringLiteral("Zurücknehmen"),
      [this, answered = std::move(answered)](DialogAnswer answer) { AnswerEnd(answer, answered); });
}

void GameWindow::ShowSummary(const Summary& summary, std::function<void(bool)> answered) {
  if (setup_.askSummary) {
    AnswerEnd(setup_.askSummary(summary), answered);
    return;
  }
  OpenSummary(
      this, summary, session_->TakeBackOffered(),
      [this, answered = std::move(answered)](DialogAnswer answer) { AnswerEnd(answer, answered); });
}

void GameWindow::AnswerEnd(DialogAnswer answer, const std::function<void(bool)>& answered) {
  Guarded([&] {
    if (answer == DialogAnswer::Cancel) {
      session_->TakeBackEnd();
    } else {
      answered(answer == DialogAnswer::Yes);
    }
  });
}

void GameWindow::AskAbort(const std::string& question, std::function<void(AbortAnswer)> answered) {
  dialogs_.YesNoCancel(Text(question), [this, answered = std::move(answered)](DialogAnswer answer) {
    Guarded([&] {
      answered(answer == DialogAnswer::Yes  ? AbortAnswer::Yes
               : answer == DialogAnswer::No ? AbortAnswer::No
                                            : AbortAnswer::Cancel);
    });
  });
}

void GameWindow::ShowError(const std::string& text) {
  dialogs_.Error(Text(text));
}

void GameWindow::ShowNotices(const std::vector<std::string>& texts) {
  QStringList lines;
  for (const auto& text : texts) {
    lines << Text(text);
  }
  lines.removeDuplicates();
  dialogs_.Information(lines.join('\n'));
}

void GameWindow::MarkComputerDart(BoardPoint point) {
  board_->AddDartMark({point.x, point.y});
}

void GameWindow::ClearDartMarks() {
  board_->ClearDartMarks();
}

void GameWindow::Close(SessionResult result) {
  emit finished(result);
  QTimer::singleShot(0, this, [this] { close(); });
}

void GameWindow::closeEvent(QCloseEvent* event) {
  bool mayClose = true;
  Guarded([&] { mayClose = session_->ConfirmAbort(); });
  if (mayClose) {
    event->accept();
  } else {
    event->ignore();
  }
}

// The keys of play: a field code typed and ended by Space or Enter, Enter
// alone checks in, Backspace takes back, Ctrl+Z undoes the last turn, F11 toggles
// full screen, Esc asks to abort.
void GameWindow::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if (key == Qt::Key_Escape) {
    close();
  } else if (key == Qt::Key_F11 || event->matches(QKeySequence::FullScreen)) {
    ToggleFullScreen();
  } else if (event->matches(QKeySequence::Undo)) {
    Guarded([&] { session_->UndoLastCheckIn(); });
  } else if (plain && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
    Guarded([&] { session_->EnterKey(key != Qt::Key_Space); });
  } else if (plain && key == Qt::Key_Backspace) {
    Guarded([&] { session_->EraseKey(); });
  } else if (plain && event->text().size() == 1 && event->text()[0].isLetterOrNumber() &&
             event->text()[0].unicode() < 128) {
    Guarded([&] { session_->TypeKey(static_cast<char>(event->text()[0].unicode())); });
  } else {
    QWidget::keyPressEvent(event);
  }
}

void GameWindow::ToggleFullScreen() {
  setWindowState(windowState() ^ Qt::WindowFullScreen);
}

}  // namespace korvanti
