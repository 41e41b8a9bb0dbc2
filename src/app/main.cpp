// korvanti: the darts scoring and training program.
#include <QApplication>
#include <QMessageBox>
#include <exception>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "CommandLine.h"
#include "engine/HitMap.h"
#include "engine/ProgramFolderSetup.h"
#include "platform/ProgramFolder.h"
#include "platform/Random.h"
#include "play/DatabaseSetting.h"
#include "ui/common/Dialogs.h"
#include "ui/common/KorvantiLook.h"
#include "ui/start/StartWindow.h"

namespace {

// The last word before the program ends, shown under the application's own
// loop, which ends when the box closes.
void ShowFailure(QApplication& application, const QString& text) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Korvanti"), text);
  box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
  QObject::connect(&box, &QMessageBox::finished, &application, &QApplication::quit);
  box.open();
  application.exec();
}

int Run(QApplication& application, int argc, char** argv) {
  korvanti::ApplyKorvantiLook(application);
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  // A file named relative to where the program was started, before it enters its folder.
  std::optional<korvanti::DatabaseAddress> database;
  if (const auto option = korvanti::FindDatabaseOption(arguments)) {
    database = korvanti::DatabaseOfArgument(*option);
  }
  const auto folder = korvanti::ResolveProgramFolder(
      korvanti::CurrentProgramFolderSources(korvanti::FindHomeOption(arguments)));
  const auto entered = korvanti::SetUpProgramFolder(folder);
  const korvanti::HitMap hitMap;
  korvanti::MessageBoxDialogs dialogs;
  korvanti::StartWindow window(
      {entered.path, hitMap, korvanti::ProgramRandom(), false, {}, {}, std::move(database)},
      dialogs);
  window.FormCreate();
  window.ShowCentred();
  return application.exec();
}

}  // namespace

int main(int argc, char** argv) {
  // The usage and the version need no display, and nothing is made for them.
  if (const auto answered = korvanti::AnswerBeforeStart(
          std::vector<std::string_view>(argv + 1, argv + argc), std::cout)) {
    return *answered;
  }
  QApplication application(argc, argv);
  // Qt has taken its own options out of argv by now.
  if (const auto refused = korvanti::RefuseUnknownArguments(
          std::vector<std::string_view>(argv + 1, argv + argc), std::cerr)) {
    return *refused;
  }
  QApplication::setApplicationName(QStringLiteral("Korvanti"));
  QApplication::setApplicationDisplayName(QStringLiteral("Korvanti"));
  try {
    return Run(application, argc, argv);
  } catch (const std::exception& error) {
    ShowFailure(
        application,
        QStringLiteral("Korvanti musste beendet werden:\n%1").arg(QString::fromUtf8(error.what())));
  } catch (...) {
    ShowFailure(application,
                QStringLiteral("Korvanti musste wegen eines unbekannten Fehlers beendet werden."));
  }
  return 1;
}
