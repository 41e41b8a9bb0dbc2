#include "engine/Playerclass.h"

#include <algorithm>
#include <stdexcept>

namespace korvanti {

Playerclass::Playerclass(std::string id, GameArchive* archive) : playerid(std::move(id)) {
  if (archive == nullptr) {
    return;
  }
  if (auto names = archive->FindPlayerNames(playerid)) {
    vorname = std::move(names->vorname);
    nachname = std::move(names->nachname);
    nickname = std::move(names->nickname);
  }
}

void PlayerListClass::Add(std::unique_ptr<Playerclass> player) {
  if (!player) {
    throw std::invalid_argument("PlayerListClass::Add without a player");
  }
  players_.push_back(player.get());
  owned_.push_back(std::move(player));
}

void PlayerListClass::AddShared(Playerclass& player) {
  players_.push_back(&player);
}

void PlayerListClass::Rotate() {
  if (players_.size() >= 2) {
    std::rotate(players_.begin(), players_.begin() + 1, players_.end());
  }
}

}  // namespace korvanti
