#include "ui/start/GamesMerger.h"

#include <QFileDialog>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "store/Database.h"
#include "store/DatabaseMerge.h"
#include "ui/common/OpenDialog.h"
#include "ui/game/PreparationRunner.h"
#include "ui/game/WaitDialog.h"

namespace korvanti {
namespace {

WaitTexts MergeWaitTexts() {
  WaitTexts texts;
  texts.caption = QStringLiteral("Spiele übernehmen");
  texts.info = QStringLiteral("Bitte etwas Geduld, die Spiele werden übernommen...");
  texts.cancellable = false;
  return texts;
}

}  // namespace

MergeFileChooser MergeDialogChooser() {
  return [](QWidget* parent, std::function<void(const std::filesystem::path&)> chosen) {
    auto* dialog = new QFileDialog(parent, QStringLiteral("Spiele übernehmen aus"), QString(),
                                   QStringLiteral("Korvanti-Datenbank (*.mdb);;Alle Dateien (*)"));
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setLabelText(QFileDialog::Accept, QStringLiteral("Übernehmen"));
    OpenDialog(dialog, [dialog, chosen = std::move(chosen)](int result) {
      const auto files = dialog->selectedFiles();
      if (result == QDialog::Accepted && !files.isEmpty() && !files.first().isEmpty()) {
        chosen(std::filesystem::path(files.first().toStdU16String()));
      }
    });
  };
}

GamesMerger::GamesMerger(QWidget* window)
    : runner_(std::make_unique<PreparationRunner>(window, MergeWaitTexts())) {}

GamesMerger::~GamesMerger() = default;

bool GamesMerger::IsRunning() const {
  return runner_->IsRunning();
}

void GamesMerger::Run(DatabaseAddress target, std::filesystem::path source,
                      std::function<void(MergeOutcome)> done) {
  // Written by the worker before it reports its end, read after.
  auto report = std::make_shared<std::string>();
  runner_->Run(
      [target = std::move(target), source = std::move(source), report](
          const PreparationProgress& /*progress*/,
          std::stop_token /*stop*/) -> std::optional<std::string> {
        try {
          // Qt's connections belong to the thread that opens them.
          const auto database = Database::Open(target);
          *report = MergeGamesFrom(*database, source).Text();
          return std::nullopt;
        } catch (const std::exception& error) {
          return std::string(error.what());
        }
      },
      [report, done = std::move(done)](std::optional<std::string> failure) {
        done(failure ? MergeOutcome{true, QString::fromStdString(*failure)}
                     : MergeOutcome{false, QString::fromStdString(*report)});
      });
}

}  // namespace korvanti
