#include "ui/common/OpenDialog.h"

#include <utility>

namespace korvanti {

void OpenDialog(QDialog* dialog, std::function<void(int result)> finished) {
  QObject::connect(dialog, &QDialog::finished, dialog,
                   [dialog, finished = std::move(finished)](int result) {
                     dialog->deleteLater();
                     if (finished) {
                       finished(result);
                     }
                   });
  dialog->open();
}

}  // namespace korvanti
