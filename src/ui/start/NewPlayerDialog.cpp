#include "ui/start/NewPlayerDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QVBoxLayout>
#include <utility>

#include "ui/common/Dialogs.h"
#include "ui/common/Icons.h"
#include "ui/common/OpenDialog.h"

namespace korvanti {
namespace {

constexpr QSize kClientSize{258, 218};
constexpr QSize kPictureSize{120, 120};
constexpr int kInfoSide = 24;
constexpr int kJpegQuality = 90;

const QString kFieldTip = QStringLiteral("Feld wird für neuen Spieler verwendet");

QLineEdit* MakeField(QWidget* parent, const char* name) {
  auto* field = new QLineEdit(parent);  // the dialog owns it
  field->setObjectName(QString::fromLatin1(name));
  field->setToolTip(kFieldTip);
  return field;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

// Fits the picture into 120 × 120 keeping its proportions, on white so that
// transparent parts of a PNG do not turn black in the JPEG.
QImage Thumbnail(const QImage& picture) {
  if (picture.isNull()) {
    return {};
  }
  const QImage scaled = picture.scaled(kPictureSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  QImage flat(scaled.size(), QImage::Format_RGB32);
  flat.fill(Qt::white);
  QPainter painter(&flat);
  painter.drawImage(0, 0, scaled);
  return flat;
}

}  // namespace

NewPlayerDialog::NewPlayerDialog(std::filesystem::path programFolder,
                                 std::vector<std::string> existingNicknames, Dialogs& dialogs,
                                 QWidget* parent)
    : QDialog(parent),
      programFolder_(std::move(programFolder)),
      existingNicknames_(std::move(existingNicknames)),
      dialogs_(dialogs),
      firstName_(MakeField(this, "edtVorname")),
      lastName_(MakeField(this, "edtNachname")),
      nickname_(MakeField(this, "edtAnzeigename")),
      picture_(MakeButton(this, "btnBild", QStringLiteral("Spielerbild auswählen"))),
      preview_(new QLabel(this)) {
  setWindowTitle(QStringLiteral("Spieler anlegen"));
  setFixedSize(kClientSize);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Vorname"), firstName_);
  form->addRow(QStringLiteral("Nachname"), lastName_);
  form->addRow(QStringLiteral("Anzeigename"), nickname_);

  auto* info = new QLabel(this);
  info->setObjectName(QStringLiteral("imgInfo"));
  info->setPixmap(KorvantiIcon(IconRole::Info).pixmap(kInfoSide, kInfoSide));
  info->setToolTip(
      QStringLiteral("Bild sollte ca. 120*120 sein, Auswahl erst wenn Anzeigename vergeben "
                     "wurde, Kopie des Bildes wird ins Programmverzeichnis kopiert"));
  picture_->setToolTip(
      QStringLiteral("ausgewähltes Bild sollte nicht zu groß sein (ca. 120*120), Auswahl nur "
                     "möglich wenn ein Anzeigename vergeben wurde"));
  picture_->setEnabled(false);
  auto* pictureRow = new QHBoxLayout;
  pictureRow->addWidget(info);
  pictureRow->addWidget(picture_, 1);

  auto* ok = MakeButton(this, "btnOk", QStringLiteral("OK"));
  auto* cancel = MakeButton(this, "btnAbbrechen", QStringLiteral("Abbrechen"));
  ok->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);

  preview_->setObjectName(QStringLiteral("imgPreview"));
  preview_->setFixedSize(kPictureSize);
  preview_->setAlignment(Qt::AlignCenter);
  preview_->hide();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(pictureRow);
  layout->addWidget(preview_, 0, Qt::AlignHCenter);
  layout->addStretch();
  layout->addLayout(buttons);

  connect(nickname_, &QLineEdit::textChanged, this,
          [this](const QString& text) { picture_->setEnabled(!text.isEmpty()); });
  connect(picture_, &QPushButton::clicked, this, &NewPlayerDialog::ChoosePicture);
  connect(ok, &QPushButton::clicked, this, &NewPlayerDialog::TakeEntry);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void NewPlayerDialog::SetPicturePath(const QString& path) {
  picturePath_ = path;
  ShowPreview();
}

// The picture as it will be stored; the dialog grows by its height while one
// is shown, so that the names and buttons keep their room.
void NewPlayerDialog::ShowPreview() {
  QImage thumbnail;
  if (!picturePath_.isEmpty()) {
    QImageReader reader(picturePath_);
    reader.setAutoTransform(true);
    thumbnail = Thumbnail(reader.read());
  }
  preview_->setPixmap(QPixmap::fromImage(thumbnail));
  preview_->setVisible(!thumbnail.isNull());
  const int spacing = layout() != nullptr ? layout()->spacing() : 0;
  setFixedSize(thumbnail.isNull() ? kClientSize
                                  : kClientSize + QSize(0, kPictureSize.height() + spacing));
}

void NewPlayerDialog::ChoosePicture() {
  auto* dialog = new QFileDialog(
      this, QStringLiteral("Spielerbild auswählen"), QString(),
      QStringLiteral("Bilder (*.jpg *.jpeg *.png *.bmp);;JPEG-Grafikdatei (*.jpg);;"
                     "JPEG-Grafikdatei (*.jpeg);;PNG-Grafikdatei (*.png);;Bitmaps (*.bmp)"));
  dialog->setFileMode(QFileDialog::ExistingFile);
  OpenDialog(dialog, [this, dialog](int result) {
    const auto files = dialog->selectedFiles();
    if (result == QDialog::Accepted && !files.isEmpty() && !files.first().isEmpty()) {
      SetPicturePath(files.first());
    }
  });
}

void NewPlayerDialog::TakeEntry() {
  PlayerEntryCheck check =
      CheckPlayerEntry(firstName_->text().toStdString(), lastName_->text().toStdString(),
                       nickname_->text().toStdString(), existingNicknames_);
  if (const auto* refusal = std::get_if<PlayerEntryRefusal>(&check)) {
    dialogs_.Error(QString::fromStdString(refusal->message));
    return;
  }
  auto& entry = std::get<PlayerEntry>(check);
  if (!picturePath_.isEmpty() && !WritePicture(entry.nickname))
    return;
  result_ = std::move(entry);
  accept();
}

bool NewPlayerDialog::WritePicture(const std::string& nickname) {
  QImageReader reader(picturePath_);
  reader.setAutoTransform(true);
  const QImage picture = reader.read();
  if (picture.isNull()) {
    dialogs_.Error(QStringLiteral("Das Bild \"%1\" konnte nicht gelesen werden: %2")
                       .arg(QDir::toNativeSeparators(picturePath_), reader.errorString()));
    return false;
  }
  const QString folder = QString::fromStdString((programFolder_ / "pictures").string());
  const QString target =
      folder + QLatin1Char('/') + QString::fromStdString(nickname) + QStringLiteral(".jpg");
  // The game screen may read the picture at any time: it is replaced in one step.
  QSaveFile file(target);
  const bool written = QDir().mkpath(folder) && file.open(QIODevice::WriteOnly) &&
                       Thumbnail(picture).save(&file, "JPEG", kJpegQuality) && file.commit();
  if (!written) {
    dialogs_.Error(QStringLiteral("Das Spielerbild \"%1\" konnte nicht gespeichert werden: %2")
                       .arg(QDir::toNativeSeparators(target), file.errorString()));
  }
  return written;
}

void AskNewPlayer(QWidget* parent, const std::filesystem::path& programFolder,
                  std::vector<std::string> existingNicknames, Dialogs& dialogs,
                  std::function<void(std::optional<PlayerEntry>)> done) {
  auto* dialog = new NewPlayerDialog(programFolder, std::move(existingNicknames), dialogs, parent);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    dialog->move(screen->availableGeometry().center() - dialog->rect().center());
  }
  OpenDialog(dialog, [dialog, done = std::move(done)](int) { done(dialog->Result()); });
}

}  // namespace korvanti
