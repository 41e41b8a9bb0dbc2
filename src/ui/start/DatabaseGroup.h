#pragma once

#include <QGroupBox>
#include <string>
#include <variant>
#include <vector>

#include "play/DatabaseSetting.h"

class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace korvanti {

// The settings dialog's group "Datenbank": the local dart.mdb or a club
// server, whose fields are open only while it is chosen.
class DatabaseGroup final : public QGroupBox {
  Q_OBJECT

 public:
  explicit DatabaseGroup(QWidget* parent);

  // Shows options.ini's "datenbank".
  void Show(const std::string& stored);
  // What "datenbank" is to hold now: nothing for the local file, the server's
  // URI, or why the fields name no server.
  std::variant<std::string, ServerFieldProblem> Chosen() const;
  void FocusField(ServerField field);
  // Its controls in the order Tab walks them.
  std::vector<QWidget*> TabStops() const;

 private:
  void EnableServerFields(bool enabled);

  std::string stored_;
  QRadioButton* local_;
  QRadioButton* server_;
  QLineEdit* host_;
  QSpinBox* port_;
  QLineEdit* database_;
  QLineEdit* user_;
  std::vector<QLabel*> captions_;
};

}  // namespace korvanti
