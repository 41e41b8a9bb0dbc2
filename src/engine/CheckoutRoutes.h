#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace korvanti {

// The program's own checkout table, computed rather than typed in. A route
// uses as few darts as it can; among those it prefers finishing doubles that
// leave a good double after a miss (D16, D20, D8, ...), trebles of 20 and 19
// for setting up, and the bull only where no other route of at most one more
// dart exists (170 is T20, T20, D25).

// The best route to finish `score` with at most `darts` darts; empty when none exists.
std::vector<std::string> BestCheckoutRoute(int score, int darts, bool doubleOut);

// Whether the darts, thrown in this order, finish exactly `score` under the out rule.
bool FinishesScore(std::span<const std::string> codes, int score, bool doubleOut);

// The whole table in the ini layout of checkout.ini: sections DO1..DO3 for
// double out (up to 50, 110, 170) and SO1..SO3 for straight out (up to 60,
// 120, 180), every finishable score with its route.
std::string CheckoutTableText();

// Writes the table as checkout.ini into a newly made program folder.
void InstallCheckoutTable(const std::filesystem::path& programFolder);

}  // namespace korvanti
