#include "store/DatabaseSchema.h"

#include <QSqlDatabase>
#include <QStringList>
#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <span>
#include <sstream>

#include "engine/FieldCode.h"
#include "engine/GameCatalog.h"
#include "platform/Error.h"
#include "store/Database.h"
#include "store/Nicknames.h"
#include "store/ScopedTransaction.h"
#include "store/SqlStatement.h"
#include "store/TrainingResultFill.h"

namespace korvanti {
namespace {

struct GameType {
  std::string_view key;
  std::string_view name;
};

// Game types added by the step from version 1 to 2, in this order.
constexpr std::array<GameType, 8> kVersion2GameTypes{{
    {"constpractice_double", "practice_double"},
    {"constpractice_free1", "practice_free1"},
    {"constpractice_self", "practice_self"},
    {"constpractice_free3", "practice_free3"},
    {"constpractice_pirmel", "constpractice_pirmel"},
    {"constpractice_checkoutgame", "practice_checkoutgame"},
    {"constpractice_computerAVG", "practice_computerAVG"},
    {"constpractice_computerBEST", "practice_computerBEST"},
}};

// Game types added by the step from version 2 to 3.
constexpr std::array<GameType, 2> kVersion3GameTypes{{
    {"constpractice_computer501", "constpractice_computer501"},
    {"constelimination", "constelimination"},
}};

// Game types added by the step from version 5 to 6: the practice routines.
constexpr std::array<GameType, 4> kVersion6GameTypes{{
    {"constbobs27", "bobs27"},
    {"constcatch40", "catch40"},
    {"consthalveit", "halveit"},
    {"constroundtheboardtriple", "roundtheboardtriple"},
}};

constexpr std::array<std::string_view, 3> kValueTables{"values1", "values2", "values3"};
constexpr std::array<std::string_view, 8> kVersion1Tables{
    "player", "game", "throw", "gametypes", "values1", "values2", "values3", "version"};

// Column layouts: name and kind (T text, I integer, F floating), the first
// entry of the id tables being their key.
constexpr std::string_view kPlayerLayout = "playerid:TK vorname:T nachname:T nickname:T";
constexpr std::string_view kGameLayout = "gameid:TK gametypesid:T datetime:F winthrowid:T";
constexpr std::string_view kThrowLayout =
    "throwid:TK aim1value:T aim1x:I aim1y:I aim2value:T aim2x:I aim2y:I aim3value:T aim3x:I "
    "aim3y:I hit1value:T hit1x:I hit1y:I hit1tocount:I hit2value:T hit2x:I hit2y:I hit2tocount:I "
    "hit3value:T hit3x:I hit3y:I hit3tocount:I gameid:T playerid:T tocount:I";
constexpr std::string_view kGameTypesLayout = "gametypesid:TK gametypesname:T";
constexpr std::string_view kValuesLayout = "ID:TK hitvalue:I";
constexpr std::string_view kVersionLayout = "databaseversion:I";
// A match of legs (and sets): each leg is a game row that names its match.
constexpr std::string_view kMatchLayout =
    "matchid:TK gametypesid:T legs:I sets:I starttime:F endtime:F winnerid:T bulloff:T";
// A player's result of a decided training with personal bests.
// The hits on the training's targets and their tries (darts; Catch 40:
// targets) make its hit rate.
constexpr std::string_view kTrainingResultLayout =
    "gameid:T playerid:T result:I targethits:I targettries:I";
constexpr std::string_view kDoubleRateLayout =
    "indexid:TK gameid:T playerid:T throwsatdouble:I hitsatdouble:I zeitstempel:F";

std::vector<std::string> AllHitCodes() {
  std::vector<std::string> codes{"0", "na"};
  for (const char* prefix : {"LS", "SS", "D", "T"}) {
    for (int n = 1; n <= 20; ++n) {
      codes.push_back(prefix + std::to_string(n));
    }
    if (std::string_view(prefix) == "SS" || std::string_view(prefix) == "D") {
      codes.push_back(std::string(prefix) + "25");
    }
  }
  return codes;
}

}  // namespace

std::string DatabaseSchema::Columns(std::string_view layout) const {
  const auto& dialect = database_.Dialect();
  std::istringstream entries{std::string(layout)};
  std::string entry;
  std::string columns;
  while (entries >> entry) {
    const auto colon = entry.find(':');
    const auto kind = entry.substr(colon + 1);
    if (!columns.empty()) {
      columns += ", ";
    }
    columns += entry.substr(0, colon) + " ";
    columns += kind[0] == 'T'   ? dialect.TextType()
               : kind[0] == 'I' ? dialect.IntegerType()
                                : dialect.FloatType();
    if (kind.size() > 1) {
      columns += " PRIMARY KEY";
    }
  }
  const auto rowId = dialect.RowIdColumn();
  return rowId.empty() ? columns : columns + ", " + rowId;
}

void DatabaseSchema::CreateTable(std::string_view table, std::string_view layout) {
  ExecuteStatement(database_, "CREATE TABLE " + std::string(table) + " (" + Columns(layout) + ")");
}

int DatabaseSchema::DatabaseVersion() {
  SqlStatement query(database_, "SELECT databaseversion FROM version");
  query.Execute();
  return query.Next() ? static_cast<int>(query.Integer(0)) : 0;
}

std::vector<long long> DatabaseSchema::StoredVersions() {
  SqlStatement query(database_, "SELECT databaseversion FROM version");
  query.Execute();
  std::vector<long long> versions;
  while (query.Next()) {
    versions.push_back(query.Integer(0));
  }
  return versions;
}

bool DatabaseSchema::HasTables() {
  const auto tables = database_.Connection().tables();
  return std::all_of(kVersion1Tables.begin(), kVersion1Tables.end(), [&](std::string_view table) {
    return tables.contains(QString::fromLatin1(table.data(), static_cast<qsizetype>(table.size())));
  });
}

void DatabaseSchema::SetDatabaseVersion(int version) {
  SqlStatement(database_, "UPDATE version SET databaseversion = ?").Bind(version).Execute();
}

void DatabaseSchema::AppendGameType(std::string_view key, std::string_view name) {
  SqlStatement(database_, "INSERT INTO gametypes (gametypesid, gametypesname) VALUES (?, ?)")
      .Bind(key)
      .Bind(name)
      .Execute();
}

// Each value table ends with exactly one "LS9" row worth 9 points.
void DatabaseSchema::AddMissingFieldValues() {
  for (const auto table : kValueTables) {
    const std::string name(table);
    SqlStatement(database_, "DELETE FROM " + name + " WHERE ID = ?").Bind("LS9").Execute();
    SqlStatement(database_, "INSERT INTO " + name + " (ID, hitvalue) VALUES (?, ?)")
        .Bind("LS9")
        .Bind(9)
        .Execute();
  }
}

void DatabaseSchema::AddThrowTimestamp() {
  ExecuteStatement(database_,
                   "ALTER TABLE throw ADD COLUMN Zeitstempel " + database_.Dialect().FloatType());
}

void DatabaseSchema::CreateDoubleRateTable() {
  CreateTable("doublerate", kDoubleRateLayout);
}

void DatabaseSchema::AddMatches() {
  CreateTable("matches", kMatchLayout);
  ExecuteStatement(database_,
                   "ALTER TABLE game ADD COLUMN matchid " + database_.Dialect().TextType());
}

void DatabaseSchema::AddTrainingResults() {
  CreateTable("trainingresult", kTrainingResultLayout);
  FillTrainingResults(database_);
}

// Each game names the board it was played at; older games name none.
void DatabaseSchema::AddBoardNames() {
  ExecuteStatement(database_,
                   "ALTER TABLE game ADD COLUMN brett " + database_.Dialect().TextType());
}

// A step whose whole change is the game types it adds.
void DatabaseSchema::AddGameTypesOnly() {}

void DatabaseSchema::UpgradeDatabase() {
  struct Step {
    int from;
    void (DatabaseSchema::*change)();
    std::span<const GameType> addedTypes;
  };
  const Step steps[] = {{1, &DatabaseSchema::AddMissingFieldValues, kVersion2GameTypes},
                        {2, &DatabaseSchema::AddThrowTimestamp, kVersion3GameTypes},
                        {3, &DatabaseSchema::CreateDoubleRateTable, {}},
                        {4, &DatabaseSchema::AddMatches, {}},
                        {5, &DatabaseSchema::AddGameTypesOnly, kVersion6GameTypes},
                        {6, &DatabaseSchema::AddTrainingResults, {}},
                        {7, &DatabaseSchema::AddBoardNames, {}}};
  // The version is read anew before every step, so one start takes a file
  // through all of them; each step is one transaction.
  // The version is checked inside the step's transaction: another program
  // upgrading the same file at the same time has then done the step already.
  for (const auto& step : steps) {
    ScopedTransaction transaction(database_);
    if (DatabaseVersion() != step.from) {
      continue;
    }
    (this->*step.change)();
    SetDatabaseVersion(step.from + 1);
    for (const auto& type : step.addedTypes) {
      AppendGameType(type.key, type.name);
    }
    transaction.Commit();
  }
}

std::vector<std::string> DatabaseSchema::Version1GameTypeKeys() {
  const auto addedLater = [](std::string_view key) {
    const auto matches = [&](const GameType& type) { return type.key == key; };
    return std::ranges::any_of(kVersion2GameTypes, matches) ||
           std::ranges::any_of(kVersion3GameTypes, matches) ||
           std::ranges::any_of(kVersion6GameTypes, matches);
  };
  std::vector<std::string> keys;
  for (const auto& entry : GameCatalog()) {
    const std::string key(entry.gameTypeKey);
    if (!addedLater(key) && std::find(keys.begin(), keys.end(), key) == keys.end()) {
      keys.push_back(key);
    }
  }
  return keys;
}

bool DatabaseSchema::CreateShippedDatabase(long long applicationId) {
  ScopedTransaction creation(database_);
  auto& dialect = database_.Dialect();
  if (dialect.SchemaObjectCount(database_.Connection()) != 0) {
    return false;
  }
  CreateTable("player", kPlayerLayout);
  CreateTable("game", kGameLayout);
  CreateTable("throw", kThrowLayout);
  CreateTable("gametypes", kGameTypesLayout);
  for (const auto table : kValueTables) {
    CreateTable(table, kValuesLayout);
    const std::string insert =
        "INSERT INTO " + std::string(table) + " (ID, hitvalue) VALUES (?, ?)";
    for (const auto& code : AllHitCodes()) {
      SqlStatement(database_, insert).Bind(code).Bind(FieldValue(code)).Execute();
    }
  }
  CreateTable("version", kVersionLayout);
  dialect.SetApplicationId(database_.Connection(), applicationId);
  SqlStatement(database_, "INSERT INTO version (databaseversion) VALUES (?)").Bind(1).Execute();
  for (const auto& key : Version1GameTypeKeys()) {
    AppendGameType(key, std::string_view(key).substr(std::string_view("const").size()));
  }
  creation.Commit();
  return true;
}

void DatabaseSchema::EnsureIndexes() {
  static constexpr std::array<std::string_view, 6> kIndexes{
      "idx_throw_player ON throw (playerid)",
      "idx_throw_game_player ON throw (gameid, playerid)",
      "idx_game_winthrow ON game (winthrowid)",
      "idx_game_type_date ON game (gametypesid, datetime)",
      "idx_doublerate_game ON doublerate (gameid)",
      "idx_trainingresult_player ON trainingresult (playerid, gameid)",
  };
  ScopedTransaction indexes(database_);
  for (const auto index : kIndexes) {
    ExecuteStatement(database_, "CREATE INDEX IF NOT EXISTS " + std::string(index));
  }
  indexes.Commit();
  database_.Dialect().RefreshPlannerStatistics(database_.Connection());
}

namespace {

struct NamedPlayer {
  std::string id;
  std::string nickname;
};

// Players with a non-blank nickname grouped by its key, oldest first.
std::map<std::string, std::vector<NamedPlayer>> PlayersByNickname(Database& database) {
  SqlStatement players(database,
                       "SELECT playerid, nickname FROM player "
                       "WHERE TRIM(COALESCE(nickname, '')) <> '' ORDER BY rowid");
  players.Execute();
  std::map<std::string, std::vector<NamedPlayer>> groups;
  while (players.Next()) {
    auto nickname = players.Text(1);
    auto key = NicknameKey(nickname);
    if (!key.empty()) {
      groups[key].push_back({players.Text(0), std::move(nickname)});
    }
  }
  return groups;
}

bool PlayedTogether(Database& database, const std::string& one, const std::string& other) {
  SqlStatement query(database,
                     "SELECT 1 FROM throw a JOIN throw b ON a.gameid = b.gameid "
                     "WHERE a.playerid = ? AND b.playerid = ? LIMIT 1");
  query.Bind(one).Bind(other).Execute();
  return query.Next();
}

}  // namespace

bool DatabaseSchema::HasUniqueNicknameIndex() {
  return database_.Dialect().HasObject(database_.Connection(), "index", "idx_player_nickname");
}

bool DatabaseSchema::HasDuplicateNicknames() {
  const auto groups = PlayersByNickname(database_);
  return std::any_of(groups.begin(), groups.end(),
                     [](const auto& group) { return group.second.size() > 1; });
}

std::vector<std::string> DatabaseSchema::MakeNicknamesUnique() {
  ScopedTransaction transaction(database_);
  if (HasUniqueNicknameIndex()) {
    return {};  // another program did it meanwhile
  }
  auto groups = PlayersByNickname(database_);
  std::set<std::string> keys;
  for (const auto& group : groups) {
    keys.insert(group.first);
  }
  std::vector<std::string> report;
  for (const auto& [key, players] : groups) {
    const auto& keeper = players.front();
    for (std::size_t i = 1; i < players.size(); ++i) {
      const auto& other = players[i];
      if (PlayedTogether(database_, keeper.id, other.id)) {
        std::string renamed;
        for (int n = 2; renamed.empty() || keys.count(NicknameKey(renamed)) > 0; ++n) {
          renamed = TrimmedNickname(other.nickname) + " (" + std::to_string(n) + ")";
        }
        keys.insert(NicknameKey(renamed));
        SqlStatement(database_, "UPDATE player SET nickname = ? WHERE playerid = ?")
            .Bind(renamed)
            .Bind(other.id)
            .Execute();
        report.push_back("Der Spieler \"" + other.nickname + "\" heißt jetzt \"" + renamed +
                         "\", weil \"" + keeper.nickname +
                         "\" denselben Anzeigenamen hat und beide in derselben Partie spielten.");
        continue;
      }
      for (const char* table : {"throw", "doublerate", "trainingresult"}) {
        SqlStatement(database_,
                     "UPDATE " + std::string(table) + " SET playerid = ? WHERE playerid = ?")
            .Bind(keeper.id)
            .Bind(other.id)
            .Execute();
      }
      SqlStatement(database_, "DELETE FROM player WHERE playerid = ?").Bind(other.id).Execute();
      report.push_back("Die Spieler \"" + keeper.nickname + "\" und \"" + other.nickname +
                       "\" hatten denselben Anzeigenamen; ihre Würfe stehen jetzt bei \"" +
                       keeper.nickname + "\".");
    }
  }
  ExecuteStatement(database_,
                   "CREATE UNIQUE INDEX idx_player_nickname ON player (lower(trim(nickname))) "
                   "WHERE trim(nickname) <> ''");
  transaction.Commit();
  return report;
}

}  // namespace korvanti
