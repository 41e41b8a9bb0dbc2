// Every window reachable from the start window, as a keyboard or screen-reader
// user meets it: each control has a name to be read out, and Tab walks the
// controls in the order they are read on the screen.
#include <QAccessible>
#include <QDateTimeEdit>
#include <QDialog>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTabWidget>
#include <map>

#include "StartWindowFixture.h"
#include "ui/board/BoardWidget.h"
#include "ui/start/GameList.h"
#include "ui/start/InstructionsWindow.h"
#include "ui/start/NewPlayerDialog.h"

namespace korvanti::testing {
namespace {

using KeyboardAccess = StartWindowFixture;

QString Describe(const QWidget& widget) {
  const auto name = widget.objectName();
  return QStringLiteral("%1 \"%2\"")
      .arg(QString::fromLatin1(widget.metaObject()->className()),
           name.isEmpty() ? QStringLiteral("?") : name);
}

// The controls of the window itself, shown or not, and its boards, which take
// clicks without the focus. A control whose focus goes to another (a spin
// box's text field) is that other, and popups are windows of their own.
std::vector<QWidget*> Controls(QWidget& window) {
  std::vector<QWidget*> controls;
  for (auto* widget : window.findChildren<QWidget*>()) {
    const bool operated =
        widget->focusPolicy() != Qt::NoFocus || qobject_cast<BoardWidget*>(widget) != nullptr;
    if (operated && widget->focusProxy() == nullptr && widget->window() == &window) {
      controls.push_back(widget);
    }
  }
  return controls;
}

QStringList Unnamed(QWidget& window) {
  QStringList unnamed;
  for (auto* control : Controls(window)) {
    auto* accessible = QAccessible::queryAccessibleInterface(control);
    if (accessible == nullptr || accessible->text(QAccessible::Name).trimmed().isEmpty()) {
      unnamed << Describe(*control);
    }
  }
  return unnamed;
}

QRect InWindow(const QWidget& widget) {
  return {widget.mapTo(widget.window(), QPoint()), widget.size()};
}

// Reading order: a row is what overlaps in height, read from the left. A group
// of controls (a frame, a panel) is read as a whole where it stands, so two
// controls compare as the children of their closest common ancestor that hold them.
// The child of `ancestor` that holds `widget`.
const QWidget& HolderUnder(const QWidget& ancestor, const QWidget& widget) {
  const QWidget* holder = &widget;
  while (holder != &ancestor && holder->parentWidget() != &ancestor) {
    holder = holder->parentWidget();
  }
  return *holder;
}

bool ReadsBefore(const QWidget& a, const QWidget& b) {
  const QWidget* common = a.parentWidget();
  while (!common->isAncestorOf(&b)) {
    common = common->parentWidget();
  }
  const QRect ra = InWindow(HolderUnder(*common, a));
  const QRect rb = InWindow(HolderUnder(*common, b));
  const bool sameRow = ra.top() <= rb.bottom() && rb.top() <= ra.bottom();
  return sameRow ? ra.left() < rb.left() : ra.top() < rb.top();
}

// The stops of Tab from the window on, as Qt takes them.
std::vector<QWidget*> TabChain(QWidget& window) {
  std::vector<QWidget*> chain;
  for (auto* widget = window.nextInFocusChain(); widget != &window;
       widget = widget->nextInFocusChain()) {
    if ((widget->focusPolicy() & Qt::TabFocus) != 0 && widget->focusProxy() == nullptr &&
        widget->window() == &window && widget->isVisibleTo(&window)) {
      chain.push_back(widget);
    }
  }
  return chain;
}

QStringList OutOfOrder(QWidget& window) {
  QStringList wrong;
  const auto chain = TabChain(window);
  for (std::size_t i = 1; i < chain.size(); ++i) {
    if (ReadsBefore(*chain[i], *chain[i - 1])) {
      wrong << Describe(*chain[i - 1]) + " -> " + Describe(*chain[i]);
    }
  }
  return wrong;
}

// One view of a window: a page of its tab widget, a kind of statistics.
using View = std::function<void(QWidget&)>;

std::vector<View> TabPages(QWidget& window) {
  std::vector<View> views;
  for (auto* pages : window.findChildren<QTabWidget*>()) {
    for (int page = 0; page < pages->count(); ++page) {
      views.push_back([pages, page](QWidget&) { pages->setCurrentIndex(page); });
    }
  }
  if (views.empty()) {
    views.push_back([](QWidget&) {});
  }
  return views;
}

std::vector<View> StatisticsKinds(QWidget& window) {
  std::vector<View> views;
  for (auto* kind : window.findChild<QGroupBox*>("rdgStatsKind")->findChildren<QRadioButton*>()) {
    views.push_back([kind](QWidget&) { kind->click(); });
  }
  return views;
}

struct WindowCase {
  const char* title;
  // Opens the window over the start window; null: the start window itself.
  std::function<void(StartWindow&)> open;
  std::function<std::vector<View>(QWidget&)> views = TabPages;
};

TEST_F(KeyboardAccess, EveryControlIsNamedAndTabFollowsTheReadingOrder) {
  Open();
  const auto press = [this](ToolButton button) {
    return [this, button](StartWindow&) { Press(button); };
  };
  const auto click = [](const char* name) {
    return [name](StartWindow& start) { start.findChild<QPushButton*>(name)->click(); };
  };
  const std::vector<WindowCase> cases{
      {"Startfenster", nullptr},
      {"Einstellungen", press(ToolButton::Settings)},
      {"Spieler anlegen", press(ToolButton::NewPlayer)},
      {"Trainingseditor", click("btnCreateTraining")},
      {"Stufeneditor", click("btnLevels")},
      {"Kurzanleitung", press(ToolButton::Instructions)},
      {"Statistik", press(ToolButton::Statistics), StatisticsKinds},
  };
  for (const auto& windowCase : cases) {
    QWidget* shown = window.get();
    if (windowCase.open) {
      windowCase.open(*window);
      shown = QApplication::activeModalWidget();
      ASSERT_NE(shown, nullptr) << windowCase.title;
    }
    QApplication::processEvents();
    const auto unnamed = Unnamed(*shown);
    EXPECT_TRUE(unnamed.isEmpty())
        << windowCase.title << ", controls without a name: " << unnamed.join(", ").toStdString();
    for (const auto& view : windowCase.views(*shown)) {
      view(*shown);
      QApplication::processEvents();
      const auto wrong = OutOfOrder(*shown);
      EXPECT_TRUE(wrong.isEmpty())
          << windowCase.title
          << ", Tab leaves the reading order: " << wrong.join(", ").toStdString();
    }
    if (shown != window.get()) {
      qobject_cast<QDialog*>(shown)->reject();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
  }
}

enum class Outcome { Game, NewPlayer, Instructions, Nothing };

struct KeyCase {
  const char* title;
  std::function<QWidget&(StartWindow&)> focus;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  bool startEnabled;
  Outcome outcome;
};

Outcome Opened(const StartWindow& start) {
  if (start.ShownGameWindow() != nullptr) {
    return Outcome::Game;
  }
  auto* modal = QApplication::activeModalWidget();
  if (qobject_cast<NewPlayerDialog*>(modal) != nullptr) {
    return Outcome::NewPlayer;
  }
  if (qobject_cast<InstructionsWindow*>(modal) != nullptr) {
    return Outcome::Instructions;
  }
  return Outcome::Nothing;
}

TEST_F(KeyboardAccess, KeysOfTheStartWindow) {
  const auto list = [](StartWindow& start) -> QWidget& {
    return start.Pages().List(GamePage::Games);
  };
  const auto table = [](StartWindow& start) -> QWidget& { return start.Table(); };
  const auto date = [](StartWindow& start) -> QWidget& { return start.StartDate(); };
  const auto rounds = [](StartWindow& start) -> QWidget& {
    return *start.findChild<QWidget*>("spnRounds");
  };
  const std::vector<KeyCase> cases{
      {"Enter in the list of games", list, Qt::Key_Return, {}, true, Outcome::Game},
      {"Enter of the keypad", table, Qt::Key_Enter, Qt::KeypadModifier, true, Outcome::Game},
      {"Enter while Start is disabled", list, Qt::Key_Return, {}, false, Outcome::Nothing},
      {"Enter in the date field", date, Qt::Key_Return, {}, true, Outcome::Nothing},
      {"Enter in a spin box", rounds, Qt::Key_Enter, Qt::KeypadModifier, true, Outcome::Nothing},
      {"Ctrl+N", list, Qt::Key_N, Qt::ControlModifier, true, Outcome::NewPlayer},
      {"F1 in the date field", date, Qt::Key_F1, {}, true, Outcome::Instructions},
  };
  AddPlayer("Anna", "Anna");
  Open();
  Tick(0);
  window->SetGame(FindCatalogEntry(3));  // 301 double out
  for (const auto& keyCase : cases) {
    SCOPED_TRACE(keyCase.title);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto& focus = keyCase.focus(*window);
    focus.setFocus();
    window->ToolBar().Action(ToolButton::Start).setEnabled(keyCase.startEnabled);
    QTest::keyClick(&focus, keyCase.key, keyCase.modifiers);
    EXPECT_EQ(Opened(*window), keyCase.outcome);
    delete window->ShownGameWindow();
    if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      modal->reject();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    window->ToolBar().Action(ToolButton::Start).setEnabled(true);
  }
}

// Every key of the start window does one thing.
TEST_F(KeyboardAccess, NoKeyOfTheStartWindowIsTakenTwice) {
  Open();
  std::map<QString, int> uses;
  for (const auto* action : window->findChildren<QAction*>()) {
    for (const auto& key : action->shortcuts()) {
      ++uses[key.toString()];
    }
  }
  for (const auto* shortcut : window->findChildren<QShortcut*>()) {
    for (const auto& key : shortcut->keys()) {
      ++uses[key.toString()];
    }
  }
  EXPECT_EQ(uses.size(), 4u);  // Return, Enter, Ctrl+N, F1
  for (const auto& [key, count] : uses) {
    EXPECT_EQ(count, 1) << key.toStdString();
  }
}

}  // namespace
}  // namespace korvanti::testing
