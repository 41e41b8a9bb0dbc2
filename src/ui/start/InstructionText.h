#pragma once

#include <QString>

namespace korvanti {

// The German text of the "Kurzanleitung" window.
QString InstructionText();

}  // namespace korvanti
