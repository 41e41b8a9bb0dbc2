#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvanti {

class Database;

// The tables of the database, the empty database a first start begins with
// (schema version 1), and the steps that lift a file to the current version.
// Every step is one transaction: a failure leaves the file at the version it
// had before the step.
class DatabaseSchema {
 public:
  static constexpr int kCurrentVersion = 8;

  explicit DatabaseSchema(Database& database) : database_(database) {}

  int DatabaseVersion();
  // Every value of the version table, as numbers (text reads as 0).
  std::vector<long long> StoredVersions();
  // True when every table of a version-1 database is there.
  bool HasTables();
  void SetDatabaseVersion(int version);
  void AppendGameType(std::string_view key, std::string_view name);

  void AddMissingFieldValues();
  void AddThrowTimestamp();
  void CreateDoubleRateTable();
  // Version 5: the matches table and the game rows' reference to their match.
  void AddMatches();
  void AddGameTypesOnly();
  // Version 7: the results of the trainings with personal bests.
  void AddTrainingResults();
  void AddBoardNames();

  // Runs the steps from the file's version to the current one; any version
  // outside 1..kCurrentVersion - 1 is left alone.
  void UpgradeDatabase();

  // All version-1 tables with the version row, the value tables and the game
  // types that the upgrade steps do not add; no players, games or turns; the
  // file marked with the program's id. Returns false, creating nothing, when
  // the file is no longer empty once the write lock is held (another program
  // created it meanwhile).
  bool CreateShippedDatabase(long long applicationId);

  // Indexes the statistics rely on; changes no result and no version.
  void EnsureIndexes();

  // Whether the index that keeps nicknames unique is there yet.
  bool HasUniqueNicknameIndex();
  // Whether two players share a nickname (ignoring case and blanks), which
  // older files may hold.
  bool HasDuplicateNicknames();
  // Makes the nicknames unique and adds the index that keeps them so, in one
  // transaction. A player sharing his nickname with an older one is merged
  // into him (his turns and double statistics move over), unless the two
  // played in one game: then he is renamed "name (2)". Returns one German
  // sentence per merge or renaming.
  std::vector<std::string> MakeNicknamesUnique();

  // The game type keys a version-1 database holds.
  static std::vector<std::string> Version1GameTypeKeys();

 private:
  void CreateTable(std::string_view table, std::string_view columns);
  std::string Columns(std::string_view layout) const;

  Database& database_;
};

}  // namespace korvanti
