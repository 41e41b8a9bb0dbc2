#pragma once

#include <string>

namespace korvanti {

// A fresh random GUID as the 38-character braced upper-case text that
// identifies players, games, turns and double-rate rows, for example
// "{0F8FAD5B-D9CB-469F-A165-70867728950E}".
std::string NewGuidString();

bool IsGuidString(const std::string& text);

}  // namespace korvanti
