#include <gtest/gtest.h>

#include "FakeArchive.h"
#include "engine/Playerclass.h"

namespace korvanti {
namespace {

std::unique_ptr<Playerclass> Named(const std::string& nickname) {
  auto player = std::make_unique<Playerclass>();
  player->nickname = nickname;
  return player;
}

std::vector<std::string> Nicknames(const PlayerListClass& list) {
  std::vector<std::string> names;
  for (const auto& player : list) {
    names.push_back(player->nickname);
  }
  return names;
}

TEST(Playerclass, CreationFromAnIdLooksTheNamesUp) {
  testing::FakeArchive archive;
  archive.names["{A}"] = {"Anna", "Berg", "Annie"};
  const Playerclass known("{A}", &archive);
  EXPECT_EQ(known.vorname, "Anna");
  EXPECT_EQ(known.nachname, "Berg");
  EXPECT_EQ(known.nickname, "Annie");
  EXPECT_EQ(known.playerid, "{A}");

  const Playerclass unknown("{B}", &archive);
  EXPECT_EQ(unknown.nickname, "");
  EXPECT_EQ(unknown.playerid, "{B}");
  EXPECT_EQ(unknown.turns.progress, 0);
  EXPECT_EQ(unknown.wins, 0);
  EXPECT_EQ(Playerclass("{C}", nullptr).nickname, "");
}

TEST(PlayerListClass, RotateMovesTheFirstPlayerToTheEnd) {
  PlayerListClass three;
  for (const char* name : {"Anna", "Ben", "Carl"}) {
    three.Add(Named(name));
  }
  three.Rotate();
  EXPECT_EQ(Nicknames(three), (std::vector<std::string>{"Ben", "Carl", "Anna"}));

  PlayerListClass one;
  one.Add(Named("Anna"));
  one.Rotate();
  EXPECT_EQ(Nicknames(one), std::vector<std::string>{"Anna"});
}

}  // namespace
}  // namespace korvanti
