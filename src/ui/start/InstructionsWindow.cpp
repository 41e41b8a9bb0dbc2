#include "ui/start/InstructionsWindow.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/common/Icons.h"
#include "ui/common/KorvantiLook.h"
#include "ui/common/OpenDialog.h"
#include "ui/start/InstructionText.h"

namespace korvanti {

namespace {

constexpr QSize kDesignSize(984, 662);
// Room for the title bar and the frame that the window manager adds.
constexpr QSize kFrame(16, 48);

}  // namespace

InstructionsWindow::InstructionsWindow(QWidget* parent)
    : QDialog(parent), text_(new QPlainTextEdit(this)) {
  setObjectName(QStringLiteral("InstructionsWindow"));
  setWindowTitle(QStringLiteral("Information"));
  setWindowIcon(KorvantiIcon(IconRole::Instructions));
  text_->setObjectName(QStringLiteral("txtInstructions"));
  text_->setAccessibleName(QStringLiteral("Kurzanleitung"));
  text_->setFont(TextFont(11));
  text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  text_->setPlainText(InstructionText());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(text_);
  resize(kDesignSize);
}

QSize InstructionsWindowSize(QSize available) {
  return kDesignSize.boundedTo(available - kFrame).expandedTo(QSize(200, 150));
}

void ShowInstructions(QWidget* parent) {
  auto* window = new InstructionsWindow(parent);
  QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
  if (screen != nullptr) {
    const QRect available = screen->availableGeometry();
    window->resize(InstructionsWindowSize(available.size()));
    window->move(available.center() - window->rect().center());
  }
  OpenDialog(window);
}

}  // namespace korvanti
