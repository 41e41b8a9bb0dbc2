#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "TempFolder.h"
#include "platform/FileIo.h"
#include "ui/common/ScriptedDialogs.h"
#include "ui/start/NewPlayerDialog.h"

namespace korvanti {
namespace {

// A program folder of its own with the players "Anna" and "Jürgen" stored.
class NewPlayerDialogTest : public ::testing::Test {
 protected:
  std::unique_ptr<NewPlayerDialog> Open() {
    auto dialog = std::make_unique<NewPlayerDialog>(
        folder_.Path(), std::vector<std::string>{"Anna", "Jürgen"}, dialogs_);
    dialog->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    return dialog;
  }

  static QLineEdit* Field(QWidget& dialog, const char* name) {
    auto* field = dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
    EXPECT_NE(field, nullptr) << name;
    return field;
  }
  static void Type(QWidget& dialog, const char* name, const char* text) {
    QTest::keyClicks(Field(dialog, name), QString::fromUtf8(text));
  }
  static void Click(QWidget& dialog, const char* name) {
    QTest::mouseClick(dialog.findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
  }

  // A 400 × 200 PNG with a transparent half.
  QString WritePng() const {
    QImage image(400, 200, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int x = 0; x < 200; ++x) {
      for (int y = 0; y < 200; ++y)
        image.setPixelColor(x, y, Qt::red);
    }
    const QString path = QString::fromStdString((folder_ / "photo.png").string());
    EXPECT_TRUE(image.save(path, "PNG"));
    return path;
  }

  std::filesystem::path Pictures() const { return folder_ / "pictures"; }
  bool NoPictures() const {
    return !std::filesystem::exists(Pictures()) || std::filesystem::is_empty(Pictures());
  }

  TempFolder folder_;
  ScriptedDialogs dialogs_;
};

TEST_F(NewPlayerDialogTest, ShowsTheFieldsAndEnablesThePictureWithANickname) {
  auto dialog = Open();
  EXPECT_EQ(dialog->windowTitle(), "Spieler anlegen");
  EXPECT_EQ(dialog->size(), QSize(258, 218));
  auto* picture = dialog->findChild<QPushButton*>("btnBild");
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->text(), "Spielerbild auswählen");
  EXPECT_FALSE(picture->isEnabled());
  Type(*dialog, "edtAnzeigename", "B");
  EXPECT_TRUE(picture->isEnabled());
  QTest::keyClick(Field(*dialog, "edtAnzeigename"), Qt::Key_Backspace);
  EXPECT_FALSE(picture->isEnabled());
}

// The info picture is drawn, not a character that no installed face has.
TEST_F(NewPlayerDialogTest, TheInfoPictureIsAPicture) {
  auto dialog = Open();
  auto* info = dialog->findChild<QLabel*>("imgInfo");
  ASSERT_NE(info, nullptr);
  EXPECT_TRUE(info->text().isEmpty());
  EXPECT_FALSE(info->pixmap().isNull());
  EXPECT_TRUE(info->toolTip().startsWith("Bild sollte ca. 120*120 sein"));
  EXPECT_TRUE(dialog->rect().contains(QRect(info->mapTo(dialog.get(), QPoint()), info->size())));
}

// The chosen picture shows as it will be stored, whole inside the dialog; an
// unreadable one shows nothing.
TEST_F(NewPlayerDialogTest, TheChosenPictureIsShown) {
  auto dialog = Open();
  auto* preview = dialog->findChild<QLabel*>("imgPreview");
  ASSERT_NE(preview, nullptr);
  EXPECT_FALSE(preview->isVisible());
  Type(*dialog, "edtAnzeigename", "Berni");
  dialog->SetPicturePath(WritePng());
  QApplication::processEvents();
  ASSERT_TRUE(preview->isVisible());
  const QImage shown = preview->pixmap().toImage();
  EXPECT_EQ(shown.size(), QSize(120, 60));
  EXPECT_GT(qRed(shown.pixel(10, 30)), 200);
  EXPECT_GT(qGreen(shown.pixel(110, 30)), 200);
  const QRect inDialog(preview->mapTo(dialog.get(), QPoint()), preview->size());
  EXPECT_TRUE(dialog->rect().contains(inDialog));
  for (const char* button : {"btnOk", "btnAbbrechen", "btnBild"}) {
    auto* widget = dialog->findChild<QPushButton*>(button);
    EXPECT_FALSE(QRect(widget->mapTo(dialog.get(), QPoint()), widget->size()).intersects(inDialog))
        << button;
  }

  WriteFileDurably(folder_ / "kaputt.png", "kein Bild");
  dialog->SetPicturePath(QString::fromStdString((folder_ / "kaputt.png").string()));
  EXPECT_FALSE(preview->isVisible());
}

TEST_F(NewPlayerDialogTest, CancelAfterChoosingAPictureChangesNothing) {
  auto dialog = Open();
  Type(*dialog, "edtVorname", "Bernd");
  Type(*dialog, "edtAnzeigename", "Berni");
  dialog->SetPicturePath(WritePng());
  Click(*dialog, "btnAbbrechen");
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  EXPECT_FALSE(dialog->Result().has_value());
  EXPECT_TRUE(dialogs_.shown().empty());
  EXPECT_TRUE(NoPictures());
}

TEST_F(NewPlayerDialogTest, APngPictureBecomesASmallRealJpegUnderTheFirstName) {
  auto dialog = Open();
  Type(*dialog, "edtVorname", " Bernd ");
  Type(*dialog, "edtNachname", "Brot");
  dialog->SetPicturePath(WritePng());
  Click(*dialog, "btnOk");
  EXPECT_TRUE(dialogs_.shown().empty());
  EXPECT_FALSE(dialog->isVisible());
  ASSERT_TRUE(dialog->Result().has_value());
  EXPECT_EQ(*dialog->Result(), (PlayerEntry{"Bernd", "Brot", "Bernd"}));

  const auto written = ReadWholeFile(Pictures() / "Bernd.jpg");
  ASSERT_TRUE(written.has_value());
  ASSERT_GE(written->size(), 2u);
  EXPECT_EQ(static_cast<unsigned char>((*written)[0]), 0xFF);
  EXPECT_EQ(static_cast<unsigned char>((*written)[1]), 0xD8);
  QImage loaded;
  ASSERT_TRUE(loaded.loadFromData(reinterpret_cast<const uchar*>(written->data()),
                                  static_cast<int>(written->size()), "JPEG"));
  EXPECT_EQ(loaded.size(), QSize(120, 60));
  EXPECT_GT(qRed(loaded.pixel(10, 30)), 200);     // the red half
  EXPECT_GT(qGreen(loaded.pixel(110, 30)), 200);  // the transparent half turned white
}

TEST_F(NewPlayerDialogTest, RefusedNicknamesAreReportedAndNothingIsWritten) {
  const struct {
    const char* nickname;
    const char* messagePart;
  } cases[] = {{"../x", "\"..\""}, {"The Machine", "reserviert"}, {"anna ", "gibt es schon"}};
  for (const auto& c : cases) {
    ScriptedDialogs dialogs;
    NewPlayerDialog dialog(folder_.Path(), {"Anna", "Jürgen"}, dialogs);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    Type(dialog, "edtVorname", "Eva");
    Type(dialog, "edtAnzeigename", c.nickname);
    dialog.SetPicturePath(WritePng());
    Click(dialog, "btnOk");
    ASSERT_EQ(dialogs.shown().size(), 1u) << c.nickname;
    EXPECT_EQ(dialogs.shown()[0].kind, ScriptedDialogs::Kind::Error);
    EXPECT_TRUE(dialogs.shown()[0].text.contains(QString::fromUtf8(c.messagePart)))
        << c.nickname << ": " << dialogs.shown()[0].text.toStdString();
    EXPECT_TRUE(dialog.isVisible()) << c.nickname;
    EXPECT_FALSE(dialog.Result().has_value()) << c.nickname;
    EXPECT_TRUE(NoPictures()) << c.nickname;
    EXPECT_FALSE(std::filesystem::exists(folder_ / "x.jpg"));
  }
}

TEST_F(NewPlayerDialogTest, AnUnreadablePictureIsReportedAndTheDialogStaysOpen) {
  WriteFileDurably(folder_ / "kaputt.png", "kein Bild");
  auto dialog = Open();
  Type(*dialog, "edtAnzeigename", "Eva");
  dialog->SetPicturePath(QString::fromStdString((folder_ / "kaputt.png").string()));
  Click(*dialog, "btnOk");
  ASSERT_EQ(dialogs_.shown().size(), 1u);
  EXPECT_TRUE(dialogs_.shown()[0].text.contains("konnte nicht gelesen werden"));
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_FALSE(dialog->Result().has_value());
  EXPECT_TRUE(NoPictures());

  // Without the picture the same entry is taken.
  dialog->SetPicturePath({});
  Click(*dialog, "btnOk");
  ASSERT_TRUE(dialog->Result().has_value());
  EXPECT_EQ(dialog->Result()->nickname, "Eva");
  EXPECT_TRUE(NoPictures());
}

}  // namespace
}  // namespace korvanti
