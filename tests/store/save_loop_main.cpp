// Saves games into the given database file until it is killed. Every game has
// two players with ten turns each, so a complete game is easy to recognise.
#include <QCoreApplication>
#include <iostream>

#include "DartText.h"
#include "platform/Guid.h"
#include "store/Database.h"
#include "store/DatabaseArchive.h"
#include "store/Recorder.h"

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  if (argc != 2) {
    std::cerr << "usage: store_save_loop FILE\n";
    return 2;
  }
  using namespace korvanti;
  auto database = Database::OpenFile(argv[1]);
  Recorder recorder(*database);
  const std::string players[] = {recorder.FindOrAppendPlayer("Anna"),
                                 recorder.FindOrAppendPlayer("Ben")};
  DatabaseArchive archive(*database);
  for (;;) {
    std::vector<Turn> turns[2];
    for (auto& list : turns) {
      for (int i = 0; i < 10; ++i) {
        auto turn = testing::MakeTurn("T20 T19 D8");
        turn.turnId = NewGuidString();
        list.push_back(std::move(turn));
      }
    }
    GameRecord game;
    game.gameId = NewGuidString();
    game.gameTypeKey = "const501dout";
    game.datetime = 45000.0;
    game.winningTurnId = turns[0].back().turnId;
    for (int p = 0; p < 2; ++p) {
      game.players.push_back({players[p], turns[p], 5, 2, std::nullopt, std::nullopt});
    }
    archive.StoreGame(game);
  }
}
