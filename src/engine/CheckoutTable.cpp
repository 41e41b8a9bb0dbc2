#include "engine/CheckoutTable.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "engine/FieldCode.h"
#include "platform/FileIo.h"
#include "platform/IniDocument.h"
#include "platform/TextEncoding.h"

namespace korvanti {
void CheckoutTable::Freeze() {
  frozen_ = false;
  Refresh();
  frozen_ = true;
}

bool CheckoutTable::Refresh() const {
  if (frozen_) {
    return exists_;
  }
  exists_ = false;
  std::error_code error;
  const auto modified = std::filesystem::last_write_time(path_, error);
  const auto size = error ? 0 : std::filesystem::file_size(path_, error);
  if (error) {
    modified_.reset();
    entries_.clear();
    return false;
  }
  if (modified_ == modified && size_ == size) {
    exists_ = true;
    return true;
  }
  entries_.clear();
  const auto bytes = ReadWholeFile(path_);
  if (!bytes) {
    modified_.reset();
    return false;
  }
  const auto document = IniDocument::Parse(DecodeTextFile(*bytes));
  for (const auto& section : document.SectionNames()) {
    const auto name = UpperCase(section);
    for (const auto& [key, value] : document.SectionEntries(section)) {
      if (const auto points = ParseDecimalInteger(key)) {
        entries_.emplace(std::pair{name, *points}, value);
      }
    }
  }
  modified_ = modified;
  size_ = size;
  exists_ = true;
  return true;
}

std::optional<std::string> CheckoutTable::Lookup(bool doubleOut, int dartsLeft, int rest) const {
  if (!Refresh()) {
    return std::nullopt;
  }
  const std::string prefix = doubleOut ? "DO" : "SO";
  for (const int darts : {dartsLeft, 3}) {
    const auto found = entries_.find({prefix + std::to_string(darts), rest});
    if (found != entries_.end() && !found->second.empty()) {
      return found->second;
    }
  }
  return std::nullopt;
}

bool CheckoutTable::Exists() const {
  return Refresh();
}

bool CheckoutTable::HasDoubleOutFinish(int points) const {
  if (!Refresh()) {
    return false;
  }
  for (const char* section : {"DO3", "DO2", "DO1"}) {
    if (entries_.contains({section, points})) {
      return true;
    }
  }
  return false;
}

}  // namespace korvanti
