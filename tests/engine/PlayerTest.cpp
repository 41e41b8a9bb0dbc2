#include <gtest/gtest.h>

#include "FakeArchive.h"
#include "engine/Player.h"

namespace korvanti {
namespace {

std::unique_ptr<Player> Named(const std::string& nickname) {
  auto player = std::make_unique<Player>();
  player->nickname = nickname;
  return player;
}

std::vector<std::string> Nicknames(const PlayerList& list) {
  std::vector<std::string> names;
  for (const auto& player : list) {
    names.push_back(player->nickname);
  }
  return names;
}

TEST(Player, CreationFromAnIdLooksTheNamesUp) {
  testing::FakeArchive archive;
  archive.names["{A}"] = {"Anna", "Berg", "Annie"};
  const Player known("{A}", &archive);
  EXPECT_EQ(known.firstName, "Anna");
  EXPECT_EQ(known.lastName, "Berg");
  EXPECT_EQ(known.nickname, "Annie");
  EXPECT_EQ(known.playerId, "{A}");

  const Player unknown("{B}", &archive);
  EXPECT_EQ(unknown.nickname, "");
  EXPECT_EQ(unknown.playerId, "{B}");
  EXPECT_EQ(unknown.turns.progress, 0);
  EXPECT_EQ(unknown.wins, 0);
  EXPECT_EQ(Player("{C}", nullptr).nickname, "");
}

TEST(PlayerList, RotateMovesTheFirstPlayerToTheEnd) {
  PlayerList three;
  for (const char* name : {"Anna", "Ben", "Carl"}) {
    three.Add(Named(name));
  }
  three.Rotate();
  EXPECT_EQ(Nicknames(three), (std::vector<std::string>{"Ben", "Carl", "Anna"}));

  PlayerList one;
  one.Add(Named("Anna"));
  one.Rotate();
  EXPECT_EQ(Nicknames(one), std::vector<std::string>{"Anna"});
}

}  // namespace
}  // namespace korvanti
