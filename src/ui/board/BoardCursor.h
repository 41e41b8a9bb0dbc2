#pragma once

#include <QCursor>
#include <filesystem>

namespace korvanti {

// The cross-hair of the board pictures: "crosscursor.cur" from the program
// folder when it is there and readable, else one drawn by the program.
QCursor LoadBoardCursor(const std::filesystem::path& programFolder);

QCursor DrawnCrossCursor();

}  // namespace korvanti
