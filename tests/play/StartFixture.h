#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <variant>

#include "FakeArchive.h"
#include "TempFolder.h"
#include "play/GameStart.h"

namespace korvanti::testing {

inline const HitMap& StartHitMap() {
  static const HitMap hitMap;
  return hitMap;
}

// A program folder with two free trainings and an archive that knows Anna and Ben.
class GameStartTest : public ::testing::Test {
 protected:
  GameStartTest() {
    archive.names["{ANNA}"] = {"Anna", "Alt", "Anni"};
    archive.names["{BEN}"] = {"Ben", "Brunn", "Benno"};
    std::ofstream(folder / "SETTINGS.ini") << "[Kurz]\ndef=T20=1,D16=2\nrounds=2\ncloseall=0\n"
                                           << "[Leer]\nrounds=3\n"
                                           << "[Zuviel]\ndef=T20=1\nrounds=0\n"
                                           << "[Falsch]\ndef=T20=1,Q7=2\n";
  }

  // A request for the entry with the players in this order.
  StartRequest Request(int gameIndex, std::vector<std::string> ids = {"{ANNA}"}) const {
    StartRequest request;
    request.game = FindCatalogEntry(gameIndex);
    for (const auto& id : ids) {
      request.players.push_back({id, "Gast " + id});
    }
    return request;
  }

  GameStartResult Build(const StartRequest& request) {
    return BuildGame(request, settings, environment);
  }

  // The started game, failing the test when it was refused.
  StartedGame Started(GameStartResult result) {
    if (const auto* refusal = std::get_if<StartRefusal>(&result)) {
      ADD_FAILURE() << "refused: " << refusal->message;
      throw std::runtime_error(refusal->message);
    }
    return std::move(std::get<StartedGame>(result));
  }

  TempFolder folder;
  FakeArchive archive;
  UniformRandom random{7};
  ProgramOptions settings;
  StartEnvironment environment{StartHitMap(), random, folder.Path(), nullptr, &archive};
};

}  // namespace korvanti::testing
