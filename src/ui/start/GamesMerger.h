#pragma once

#include <QString>
#include <filesystem>
#include <functional>
#include <memory>

#include "store/DatabaseAddress.h"

class QWidget;

namespace korvanti {

class PreparationRunner;

// Asks for the database file of another board and hands it to `chosen`, which
// never comes when the user cancels. It opens and returns at once.
using MergeFileChooser =
    std::function<void(QWidget* parent, std::function<void(const std::filesystem::path&)> chosen)>;

// The file dialog, over `parent`.
MergeFileChooser MergeDialogChooser();

// What a merge came to: the report's text, or why nothing was taken over.
struct MergeOutcome {
  bool failed = false;
  QString text;
};

// "Spiele übernehmen…": merges another board's file into the program's
// database (its file or the club server) on a worker, through a connection of the worker's own,
// under a wait dialog that keeps the window from other work meanwhile. The merge is one transaction
// and cannot stop halfway, so there is no "Abbrechen"; destroying the merger waits for a running
// merge and reports nothing.
class GamesMerger final {
 public:
  explicit GamesMerger(QWidget* window);
  ~GamesMerger();
  GamesMerger(const GamesMerger&) = delete;
  GamesMerger& operator=(const GamesMerger&) = delete;

  // `target` is the window's database as it was opened (a club server's
  // password with it). `done` comes later, on the window's thread. One merge at a time.
  void Run(DatabaseAddress target, std::filesystem::path source,
           std::function<void(MergeOutcome)> done);
  bool IsRunning() const;

 private:
  std::unique_ptr<PreparationRunner> runner_;
};

}  // namespace korvanti
