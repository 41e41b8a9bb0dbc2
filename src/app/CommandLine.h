#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace korvanti {

// What the command line asks of the program before its window opens: the
// usage (--help, -h) or the version (--version) end it at once with 0.
// Returns that exit code, or nothing when the program is to start.
std::optional<int> AnswerBeforeStart(std::span<const std::string_view> arguments,
                                     std::ostream& output);

// The arguments left once Qt has taken its own (-platform, -style, ...): only
// --home and --db, each with its value, may stay. Writes why not and returns 2 for anything else;
// nothing when the program is to start.
std::optional<int> RefuseUnknownArguments(std::span<const std::string_view> arguments,
                                          std::ostream& errors);

// The value of --db: the database of this run, a file or a club server's URI.
std::optional<std::string> FindDatabaseOption(std::span<const std::string_view> arguments);

}  // namespace korvanti
