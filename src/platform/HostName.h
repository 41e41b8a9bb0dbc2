#pragma once

#include <string>

namespace korvanti {

// The computer's name on the network ("brett-2"); empty when it has none.
std::string HostName();

}  // namespace korvanti
