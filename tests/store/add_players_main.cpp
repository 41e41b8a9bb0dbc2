// Opens the database (a file or a server's URI; creating it when missing) and makes sure a player
// with each nickname given exists, as a game start does.
#include <QCoreApplication>
#include <exception>
#include <iostream>

#include "store/Database.h"
#include "store/Recorder.h"

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  if (argc < 2) {
    std::cerr << "usage: store_add_players FILE|URI NICKNAME...\n";
    return 2;
  }
  try {
    auto database = korvanti::Database::Open(korvanti::DatabaseAddress{argv[1], {}});
    korvanti::Recorder recorder(*database);
    for (int i = 2; i < argc; ++i) {
      recorder.FindOrAppendPlayer(argv[i]);
    }
  } catch (const std::exception& error) {
    std::cerr << error.what() << '\n';
    return 1;
  }
  return 0;
}
