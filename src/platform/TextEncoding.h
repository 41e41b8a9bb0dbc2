#pragma once

#include <string>
#include <string_view>

namespace korvanti {

bool IsValidUtf8(std::string_view bytes);

// Every byte becomes its Windows-1252 character in UTF-8; the five bytes the
// code page leaves undefined map to the C1 control of the same number.
std::string Windows1252ToUtf8(std::string_view bytes);

// Text files written by the earlier Windows program may be in Windows-1252.
std::string DecodeTextFile(std::string_view bytes);

}  // namespace korvanti
