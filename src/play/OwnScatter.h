#pragma once

#include <optional>
#include <string>
#include <variant>

#include "analysis/Scatter.h"
#include "engine/GameCatalog.h"

namespace korvanti {

class Database;

// How many of the player's newest turns his own scatter is fitted from: his
// present form, plenty for the fit, and quick to read at any size of the file.
inline constexpr int kOwnScatterTurns = 1000;

// The scatter the computer of "501 gegen eigenen Schnitt" throws with when
// "Streuung aus meinen Würfen" is ticked: the fit of the aimed darts of the
// player's newest turns (any game), or why there is none (German, for a
// message or a tooltip).
std::variant<Scatter, std::string> OwnScatter(Database* database, const std::string& playerId);

// Why the entry (none: no entry chosen) cannot play against the player's own
// scatter; nothing when it can. For the start window: the option is disabled with this as its
// tooltip.
std::optional<std::string> OwnScatterUnavailable(const GameCatalogEntry* entry, Database* database,
                                                 const std::string& playerId);

}  // namespace korvanti
