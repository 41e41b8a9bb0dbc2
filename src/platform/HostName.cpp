#include "platform/HostName.h"

#include <unistd.h>

#include <array>
#include <climits>

namespace korvanti {

std::string HostName() {
  std::array<char, HOST_NAME_MAX + 1> name{};
  if (gethostname(name.data(), name.size() - 1) != 0) {
    return {};
  }
  return name.data();
}

}  // namespace korvanti
