#include "play/OwnScatter.h"

#include "platform/DateTime.h"
#include "store/AimedDarts.h"

namespace korvanti {

std::variant<Scatter, std::string> OwnScatter(Database* database, const std::string& playerId) {
  if (database == nullptr) {
    return std::string("Ohne Datenbank gibt es keine eigenen Würfe.");
  }
  if (playerId.empty()) {
    return std::string("Bitte zuerst einen Spieler auswählen.");
  }
  const auto fit = FitStoredScatter(*database, {playerId, {}, 0, DateTimeNow(), kOwnScatterTurns});
  if (!fit.overall) {
    return fit.Missing();
  }
  return fit.overall->scatter;
}

std::optional<std::string> OwnScatterUnavailable(const GameCatalogEntry* entry, Database* database,
                                                 const std::string& playerId) {
  if (entry == nullptr || entry->computer != ComputerMode::OwnAverage) {
    return "Nur für \"501 gegen eigenen Schnitt\".";
  }
  const auto scatter = OwnScatter(database, playerId);
  if (const auto* reason = std::get_if<std::string>(&scatter)) {
    return *reason;
  }
  return std::nullopt;
}

}  // namespace korvanti
