#include "platform/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <utility>

#include "platform/Error.h"

namespace korvanti {
namespace {

[[noreturn]] void Fail(const std::filesystem::path& path, int error) {
  throw Error("Die Datei \"" + path.string() +
              "\" kann nicht geschrieben werden: " + std::strerror(error));
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (fd_ >= 0) {
      ::close(fd_);
    }
  }
  int Get() const { return fd_; }
  int Release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

}  // namespace

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    return std::nullopt;
  }
  std::ostringstream content;
  content << in.rdbuf();
  return std::move(content).str();
}

std::optional<std::string> ReadFileForChange(const std::filesystem::path& path) {
  const auto unreadable = [&](int error) {
    throw Error("Die Datei \"" + path.string() +
                "\" kann nicht gelesen werden und bleibt unverändert: " + std::strerror(error));
  };
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.Get() < 0) {
    if (errno == ENOENT) {
      return std::nullopt;
    }
    unreadable(errno);
  }
  std::string content;
  char buffer[65536];
  for (;;) {
    const auto n = ::read(file.Get(), buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) {
        continue;
      }
      unreadable(errno);
    }
    if (n == 0) {
      return content;
    }
    content.append(buffer, static_cast<std::size_t>(n));
  }
}

void WriteFileDurably(const std::filesystem::path& path, std::string_view content) {
  const auto folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
  auto pattern = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
  FileDescriptor file(::mkstemp(pattern.data()));
  if (file.Get() < 0) {
    Fail(path, errno);
  }
  const std::filesystem::path temporary(pattern);
  const auto cleanUpAndFail = [&](int error) {
    ::unlink(temporary.c_str());
    Fail(path, error);
  };
  std::size_t written = 0;
  while (written < content.size()) {
    const auto n = ::write(file.Get(), content.data() + written, content.size() - written);
    if (n < 0) {
      if (errno == EINTR) {
        continue;
      }
      cleanUpAndFail(errno);
    }
    written += static_cast<std::size_t>(n);
  }
  if (::fchmod(file.Get(), 0644) != 0 || ::fsync(file.Get()) != 0) {
    cleanUpAndFail(errno);
  }
  if (::close(file.Release()) != 0) {
    cleanUpAndFail(errno);
  }
  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    cleanUpAndFail(errno);
  }
  FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY));
  if (directory.Get() >= 0) {
    ::fsync(directory.Get());
  }
}

}  // namespace korvanti
