#include "engine/Player.h"

#include <algorithm>
#include <stdexcept>

namespace korvanti {

Player::Player(std::string id, GameArchive* archive) : playerId(std::move(id)) {
  if (archive == nullptr) {
    return;
  }
  if (auto names = archive->FindPlayerNames(playerId)) {
    firstName = std::move(names->firstName);
    lastName = std::move(names->lastName);
    nickname = std::move(names->nickname);
  }
}

void PlayerList::Add(std::unique_ptr<Player> player) {
  if (!player) {
    throw std::invalid_argument("PlayerList::Add without a player");
  }
  players_.push_back(player.get());
  owned_.push_back(std::move(player));
}

void PlayerList::AddShared(Player& player) {
  players_.push_back(&player);
}

void PlayerList::Rotate() {
  if (players_.size() >= 2) {
    std::rotate(players_.begin(), players_.begin() + 1, players_.end());
  }
}

}  // namespace korvanti
