#include "engine/CheckoutRoutes.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <tuple>

#include "engine/FieldCode.h"
#include "platform/FileIo.h"

namespace korvanti {
namespace {

struct Option {
  std::string code;
  int value;
  int setupCost;   // cost of aiming at it to set up a finish
  int finishCost;  // cost of finishing on it (double out: only doubles finish)
  int preference;  // tie-break between finishing doubles, lower first
  bool isDouble;
};

// Finishing doubles in order of preference: a miss inside leaves another good double.
constexpr std::array<int, 10> kDoublePreference{16, 20, 8, 10, 12, 18, 4, 6, 14, 2};
constexpr int kBullFinishCost = 12;  // more than one extra dart
constexpr int kCostPerDart = 10;

int TrebleSetupCost(int n) {
  if (n == 20)
    return 1;
  if (n == 19)
    return 2;
  if (n >= 16)
    return 3;
  if (n == 15)
    return 4;
  if (n >= 10)
    return 5;
  return 7;
}

int DoubleFinishCost(int n) {
  switch (n) {
    case 16:
    case 20:
      return 0;
    case 8:
    case 10:
      return 1;
    case 12:
    case 18:
    case 4:
      return 2;
    case 6:
    case 14:
    case 2:
      return 3;
    case 25:
      return kBullFinishCost;
    default:
      return 5;
  }
}

int DoublePreference(int n) {
  const auto found = std::find(kDoublePreference.begin(), kDoublePreference.end(), n);
  if (found != kDoublePreference.end()) {
    return static_cast<int>(found - kDoublePreference.begin());
  }
  return n == 25 ? 100 : 50 - n;  // odd doubles, higher first
}

std::vector<Option> Options() {
  std::vector<Option> options;
  for (int n = 1; n <= 20; ++n) {
    options.push_back(
        {"T" + std::to_string(n), 3 * n, TrebleSetupCost(n), TrebleSetupCost(n) + 1, 200, false});
    options.push_back(
        {"D" + std::to_string(n), 2 * n, 9, DoubleFinishCost(n), DoublePreference(n), true});
    options.push_back({"LS" + std::to_string(n), n, 0, 0, 150, false});
  }
  options.push_back({"SS25", 25, 6, 6, 150, false});
  options.push_back({"D25", 50, 12, kBullFinishCost, DoublePreference(25), true});
  std::stable_sort(options.begin(), options.end(),
                   [](const Option& a, const Option& b) { return a.value > b.value; });
  return options;
}

struct Route {
  std::vector<const Option*> darts;
  int cost = 0;

  auto Rank() const {
    std::string codes;
    for (const auto* dart : darts) {
      codes += dart->code + ",";
    }
    return std::tuple(cost, darts.back()->preference, -darts.front()->value, codes);
  }
};

class RouteFinder {
 public:
  explicit RouteFinder(bool doubleOut) : doubleOut_(doubleOut), options_(Options()) {
    for (const auto& option : options_) {
      if (!doubleOut_ || option.isDouble) {
        finishing_[option.value].push_back(&option);
      }
    }
  }

  std::optional<Route> Best(int score, int darts) const {
    std::optional<Route> best;
    Route route;
    Search(score, darts, 0, route, best);
    return best;
  }

 private:
  // Setting-up darts in order of falling value (ties keep the option order),
  // then the finishing dart.
  void Search(int rest, int dartsLeft, std::size_t firstOption, Route& route,
              std::optional<Route>& best) const {
    const auto finishes = finishing_.find(rest);
    for (const auto* finish : finishes == finishing_.end() ? kNone : finishes->second) {
      Route candidate = route;
      candidate.darts.push_back(finish);
      candidate.cost += kCostPerDart + (doubleOut_ ? finish->finishCost : finish->setupCost);
      if (!best || candidate.Rank() < best->Rank()) {
        best = candidate;
      }
    }
    if (dartsLeft <= 1) {
      return;
    }
    for (std::size_t i = firstOption; i < options_.size(); ++i) {
      const auto& setup = options_[i];
      if (setup.value >= rest) {
        continue;
      }
      route.darts.push_back(&setup);
      route.cost += kCostPerDart + setup.setupCost;
      Search(rest - setup.value, dartsLeft - 1, i, route, best);
      route.cost -= kCostPerDart + setup.setupCost;
      route.darts.pop_back();
    }
  }

  static inline const std::vector<const Option*> kNone{};

  bool doubleOut_;
  std::vector<Option> options_;
  std::map<int, std::vector<const Option*>> finishing_;  // by value
};

}  // namespace

std::vector<std::string> BestCheckoutRoute(int score, int darts, bool doubleOut) {
  const RouteFinder finder(doubleOut);
  const auto route = finder.Best(score, darts);
  std::vector<std::string> codes;
  if (route) {
    for (const auto* dart : route->darts) {
      codes.push_back(dart->code);
    }
  }
  return codes;
}

bool FinishesScore(std::span<const std::string> codes, int score, bool doubleOut) {
  if (codes.empty() || codes.size() > 3) {
    return false;
  }
  int sum = 0;
  for (const auto& code : codes) {
    sum += FieldValue(code);
  }
  return sum == score && (!doubleOut || IsDoubleCode(codes.back()));
}

std::string CheckoutTableText() {
  std::string text =
      "; Checkout table of Korvanti, written by \"korvanti-tool checkout-table\".\n"
      "; DO: double out, SO: straight out; the digit is the number of darts left.\n";
  struct Section {
    bool doubleOut;
    int darts;
    int highest;
  };
  constexpr std::array<Section, 6> kSections{{{true, 1, 50},
                                              {true, 2, 110},
                                              {true, 3, 170},
                                              {false, 1, 60},
                                              {false, 2, 120},
                                              {false, 3, 180}}};
  for (const auto& section : kSections) {
    const RouteFinder finder(section.doubleOut);
    text += "\n[" + std::string(section.doubleOut ? "DO" : "SO") + std::to_string(section.darts) +
            "]\n";
    for (int score = 1; score <= section.highest; ++score) {
      const auto route = finder.Best(score, section.darts);
      if (!route) {
        continue;
      }
      text += std::to_string(score) + "=";
      for (std::size_t i = 0; i < route->darts.size(); ++i) {
        text += (i > 0 ? "," : "") + route->darts[i]->code;
      }
      text += "\n";
    }
  }
  return text;
}

void InstallCheckoutTable(const std::filesystem::path& programFolder) {
  WriteFileDurably(programFolder / "checkout.ini", CheckoutTableText());
}

}  // namespace korvanti
