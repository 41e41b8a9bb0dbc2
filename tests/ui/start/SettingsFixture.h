#pragma once

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QStyleOptionSpinBox>
#include <QTest>
#include <cstdlib>
#include <memory>
#include <string>

#include "TempFolder.h"
#include "platform/FileIo.h"
#include "platform/IniFile.h"
#include "ui/common/ScriptedDialogs.h"
#include "ui/start/SettingsDialog.h"

namespace korvanti {

// A program folder of its own, the options file in it, and helpers that work
// the dialog's widgets the way a user does.
class SettingsFixture : public ::testing::Test {
 protected:
  std::filesystem::path OptionsPath() const { return folder_ / "options.ini"; }

  void WriteOptions(const std::string& text) { WriteFileDurably(OptionsPath(), text); }
  std::string FileText() const { return ReadWholeFile(OptionsPath()).value_or("<keine Datei>"); }
  std::string Stored(const char* key) const {
    return IniFile(OptionsPath()).ReadString("settings", key, "<fehlt>");
  }

  std::unique_ptr<SettingsDialog> Open() {
    auto dialog = std::make_unique<SettingsDialog>(OptionsPath(), dialogs_);
    dialog->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    return dialog;
  }

  template <typename Widget>
  static Widget* Find(QWidget& dialog, const char* name) {
    auto* widget = dialog.findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }

  // A click on the box's square (or the round button's), which toggles it.
  static void Click(QAbstractButton& box) {
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(8, box.height() / 2));
  }

  // Replaces the text of a field (a line edit, or a spin box's) by typing.
  static void Type(QWidget& dialog, const char* name, const QString& text) {
    auto* field = Find<QWidget>(dialog, name);
    auto* edit = qobject_cast<QLineEdit*>(field);
    if (edit == nullptr) {
      edit = field->findChild<QLineEdit*>();
    }
    ASSERT_NE(edit, nullptr) << name;
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
  }
  static QString FieldText(QWidget& dialog, const char* name) {
    auto* field = Find<QWidget>(dialog, name);
    auto* edit = qobject_cast<QLineEdit*>(field);
    return edit != nullptr ? edit->text() : field->findChild<QLineEdit*>()->text();
  }

  static void ClickOk(QWidget& dialog) {
    QTest::mouseClick(Find<QWidget>(dialog, "btnOk"), Qt::LeftButton);
  }

  // Opens the list of boards, moves to the entry with the arrow keys and takes it.
  static void ChooseBoard(QWidget& dialog, int entry) { Choose(dialog, "cbBoard", entry); }

  // The same with any of the dialog's lists.
  static void Choose(QWidget& dialog, const char* name, int entry) {
    auto* choice = Find<QComboBox>(dialog, name);
    QTest::mouseClick(choice, Qt::LeftButton);
    auto* list = choice->view();
    ASSERT_TRUE(list->isVisible());
    const int steps = entry - choice->currentIndex();
    for (int step = 0; step < std::abs(steps); ++step) {
      QTest::keyClick(list, steps > 0 ? Qt::Key_Down : Qt::Key_Up);
    }
    QTest::keyClick(list, Qt::Key_Return);
    ASSERT_FALSE(list->isVisible());
    ASSERT_EQ(choice->currentIndex(), entry);
  }

  // Clicks the seconds field's upper spin button `times` times.
  static void SpinUp(QWidget& dialog, int times) {
    auto* field = Find<QSpinBox>(dialog, "edtSekForPoints");
    QStyleOptionSpinBox option;
    option.initFrom(field);
    option.rect = field->rect();
    option.subControls = QStyle::SC_All;
    option.frame = field->hasFrame();
    const QRect up =
        field->style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, field);
    for (int click = 0; click < times; ++click) {
      QTest::mouseClick(field, Qt::LeftButton, {}, up.center());
    }
  }

  TempFolder folder_;
  ScriptedDialogs dialogs_;
};

}  // namespace korvanti
