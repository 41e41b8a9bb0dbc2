#pragma once

#include <string_view>

namespace korvanti {

// The strength table of the computer opponent as shipped (data/ki.ini),
// built into the program so that a new program folder gets it.
std::string_view ShippedStrengthTable();

}  // namespace korvanti
