#pragma once

#include <QDialog>
#include <functional>

namespace korvanti {

// Opens `dialog` (made with `new`, modal over its parent's window) and returns
// at once; `finished` runs with its result when it closes, then the dialog
// goes. Nothing waits in a loop of its own meanwhile.
void OpenDialog(QDialog* dialog, std::function<void(int result)> finished = {});

}  // namespace korvanti
