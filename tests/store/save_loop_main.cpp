// Saves games into the given database (a file or a server's URI) until it is
// killed, or COUNT games when a count is given. Every game has two players
// with ten turns each, so a complete game is easy to recognise: Anna, and a
// guest "Gast N" for the game's number N, added at the game's start as a
// board does, so that several loops at once add the same new guests.
#include <QCoreApplication>
#include <iostream>

#include "DartText.h"
#include "platform/Guid.h"
#include "store/Database.h"
#include "store/DatabaseArchive.h"
#include "store/Recorder.h"

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  if (argc != 2 && argc != 3) {
    std::cerr << "usage: store_save_loop FILE|URI [COUNT]\n";
    return 2;
  }
  using namespace korvanti;
  const long count = argc == 3 ? std::stol(argv[2]) : -1;
  try {
    auto database = Database::Open(DatabaseAddress{argv[1], {}});
    Recorder recorder(*database);
    DatabaseArchive archive(*database);
    for (long number = 1; count < 0 || number <= count; ++number) {
      const std::string players[] = {recorder.FindOrAppendPlayer("Anna"),
                                     recorder.FindOrAppendPlayer("Gast " + std::to_string(number))};
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
  } catch (const std::exception& error) {
    std::cerr << error.what() << '\n';
    return 1;
  }
  return 0;
}
