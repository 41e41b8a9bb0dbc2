#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>

namespace korvanti {

// The checkout table file (sections DO1..DO3 and SO1..SO3, keys the points to
// finish, values the darts as comma-separated codes). A table edited while the
// program runs counts from the next lookup on: the file is parsed again
// whenever its modification time or size has changed, and only then.
class CheckoutTable {
 public:
  explicit CheckoutTable(std::filesystem::path path = "checkout.ini") : path_(std::move(path)) {}

  // The value for `rest` with `dartsLeft` darts left, or else the three-dart
  // entry; nothing when the file or both entries are missing or empty.
  std::optional<std::string> Lookup(bool doubleOut, int dartsLeft, int rest) const;

  // Keeps the table as it is now: later lookups no longer look at the file.
  // For a simulation that asks thousands of times within a moment.
  void Freeze();

  // Whether the file exists now.
  bool Exists() const;
  // Whether a double-out finish of the points is listed (DO3, DO2 or DO1).
  bool HasDoubleOutFinish(int points) const;

  const std::filesystem::path& Path() const { return path_; }

 private:
  // False when the file does not exist. Asking the table is a question, yet it
  // follows the file: the parsed entries are a cache, hence mutable.
  bool Refresh() const;

  std::filesystem::path path_;
  mutable std::optional<std::filesystem::file_time_type> modified_;
  mutable std::uintmax_t size_ = 0;
  bool frozen_ = false;
  mutable bool exists_ = false;
  mutable std::map<std::pair<std::string, int>, std::string>
      entries_;  // (SECTION, points) -> darts
};

}  // namespace korvanti
