#pragma once

#include <QPixmap>
#include <QWidget>
#include <filesystem>
#include <optional>

namespace korvanti {

// The picture of the player on turn, drawn to fit its box with its
// proportions kept. Hidden while there is no picture, also when the file
// cannot be read as one.
class PlayerPictureBox : public QWidget {
 public:
  explicit PlayerPictureBox(QWidget* parent = nullptr);

  // The file is read again only when another one is asked for.
  void ShowPicture(const std::optional<std::filesystem::path>& file);
  bool HasPicture() const { return !pixmap_.isNull(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<std::filesystem::path> file_;
  QPixmap pixmap_;
};

}  // namespace korvanti
