#pragma once

#include <filesystem>
#include <random>
#include <string>

// A fresh folder for one test, removed afterwards.
class TempFolder {
 public:
  TempFolder() {
    std::random_device entropy;
    path_ = std::filesystem::temp_directory_path() /
            ("korvanti-test-" + std::to_string(entropy()) + std::to_string(entropy()));
    std::filesystem::create_directories(path_);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};
