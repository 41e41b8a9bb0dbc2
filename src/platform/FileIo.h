#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace korvanti {

// The whole file as bytes; nothing when it does not exist or cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// The whole file as bytes before it is changed: nothing when there is no
// such file; throws Error when it is there but cannot be read, so that it is
// never taken for empty and overwritten.
std::optional<std::string> ReadFileForChange(const std::filesystem::path& path);

// Replaces the file's content so that a crash at any moment leaves either the
// old or the new content: write a temporary file beside it, flush it to the
// disk, rename it over the old one. Throws Error when the file cannot be written.
void WriteFileDurably(const std::filesystem::path& path, std::string_view content);

}  // namespace korvanti
