#include "PlayCommand.h"

#include <QCoreApplication>
#include <cmath>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>

#include "Json.h"
#include "OutputText.h"
#include "ScriptedView.h"
#include "ToolDatabase.h"
#include "UsageError.h"
#include "engine/AimPoints.h"
#include "engine/GameCatalog.h"
#include "engine/HitMap.h"
#include "engine/ProgramFolderSetup.h"
#include "platform/Error.h"
#include "platform/IniDocument.h"
#include "platform/Notice.h"
#include "platform/Random.h"
#include "play/GameSession.h"
#include "play/GameStart.h"
#include "play/ProgramOptions.h"
#include "store/Database.h"
#include "store/DatabaseArchive.h"
#include "store/Recorder.h"
#include "store/StatisticsQuery.h"

namespace korvanti {

const char* const kPlayUsage =
    "korvanti-tool play --game N [--players \"Anna,Ben\"] [--set key=value]... [--db DB]\n"
    "                   [--home DIR] [--seed N]\n"
    "  Spielt ein Spiel nach einem Skript von der Standardeingabe. N ist der Spielindex 1-34.\n"
    "  --players   Spitznamen in Wurfreihenfolge (Vorgabe: \"Spieler 1\")\n"
    "  --db DB     Spieler dort suchen oder anlegen, beendete Spiele dort speichern\n"
    "  --home DIR  Programmordner (checkout.ini, SETTINGS.ini, ...)\n"
    "  --seed N    startet den Zufallsgenerator mit N\n"
    "  --set       masterout, doubleout, doublein, rounds, double (z. B. D5), start, stepup,\n"
    "              stepdown, always0, startlevel, maxlevel, training (Abschnitt der\n"
    "              SETTINGS.ini), quick (Vorgabe 1), aim (Vorgabe: aus fuer 1-9 und 30),\n"
    "              summary, points, sounds; gegen den Computer (12, 14, 15): average\n"
    "              (Vorgabe 50), exact (0: Schnitt über 1000 Spiele, 1: möglichst exakt),\n"
    "              seconds (Sekunden pro Dart, Vorgabe 1); Matches (1-8, 12, 14, 15): legs\n"
    "              (Legs zum Sieg, 1-11), sets (Sätze zum Sieg, 1-7), bulloff (1: Ausbullen;\n"
    "              die ersten Darts sind dann die Bull-Würfe, einer je Spieler, z. B.\n"
    "              SS25@332,322)\n"
    "  Befehle (durch Leerraum getrennt):\n"
    "    T20, SS25, 0, 00    Linksklick in das Feld; T20@331,175 mit Position\n"
    "    aim:T20, mark:D16   Rechtsklick (Ziel mit Zieleingabe, sonst Doppelwurf-Markierung)\n"
    "    back                letzten Treffer entfernen\n"
    "    noaim:2             Ziel des 2. Darts entfernen\n"
    "    checkin             \"Wurf einchecken\"\n"
    "    undo                \"Letzten Wurf zuruecknehmen\"\n"
    "    abort:yes|no|cancel Spiel abbrechen mit dieser Antwort\n"
    "    state               Zustand ausgeben\n"
    "  Fragen (Spiel fortsetzen?) beantwortet das naechste Wort: yes oder no; jedes andere\n"
    "  Wort (oder das Ende der Eingabe) gilt als no und wird dann als Befehl ausgefuehrt.\n"
    "  Nach jedem Befehl steht eine Zeile JSON mit dem Zustand auf der Standardausgabe.\n";

namespace {

namespace fs = std::filesystem;

struct PlayArguments {
  int gameIndex = 0;
  std::vector<std::string> players{"Spieler 1"};
  std::vector<std::pair<std::string, std::string>> settings;
  std::optional<DatabaseAddress> database;
  std::optional<fs::path> home;
  std::optional<std::uint64_t> seed;
};

int IntegerArgument(std::string_view name, std::string_view text) {
  const auto value = ParseDecimalInteger(text);
  if (!value) {
    throw UsageError(std::string(name) + " erwartet eine ganze Zahl, nicht \"" + Echoed(text) +
                     "\".");
  }
  return *value;
}

std::vector<std::string> SplitNames(std::string_view text) {
  std::vector<std::string> names;
  std::size_t start = 0;
  while (start <= text.size()) {
    auto end = text.find(',', start);
    if (end == std::string_view::npos)
      end = text.size();
    auto name = std::string(text.substr(start, end - start));
    name.erase(0, name.find_first_not_of(' '));
    name.erase(name.find_last_not_of(' ') + 1);
    if (!name.empty())
      names.push_back(name);
    start = end + 1;
  }
  return names;
}

PlayArguments ParseArguments(std::span<const std::string_view> arguments) {
  PlayArguments parsed;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const auto option = arguments[i];
    if (i + 1 >= arguments.size()) {
      throw UsageError("Der Option " + std::string(option) + " fehlt ihr Wert.");
    }
    const auto value = arguments[++i];
    if (option == "--game") {
      parsed.gameIndex = IntegerArgument(option, value);
    } else if (option == "--players") {
      parsed.players = SplitNames(value);
    } else if (option == "--set") {
      const auto equals = value.find('=');
      if (equals == std::string_view::npos) {
        throw UsageError("--set erwartet key=value, nicht \"" + Echoed(value) + "\".");
      }
      parsed.settings.emplace_back(value.substr(0, equals), value.substr(equals + 1));
    } else if (option == "--db") {
      parsed.database = DatabaseArgument(std::string(value), DatabaseFile::MayBeCreated);
    } else if (option == "--home") {
      parsed.home = fs::absolute(fs::path(value));
    } else if (option == "--seed") {
      parsed.seed = static_cast<std::uint64_t>(IntegerArgument(option, value));
    } else {
      throw UsageError("Unbekannte Option \"" + Echoed(option) + "\".");
    }
  }
  if (!FindCatalogEntry(parsed.gameIndex)) {
    throw UsageError("--game erwartet einen Spielindex von 1 bis 34.");
  }
  return parsed;
}

// The settings of options.ini and the start window's choices, as the
// arguments change them.
void ApplySettings(const PlayArguments& arguments, ProgramOptions& settings,
                   StartRequest& request) {
  request.game = FindCatalogEntry(arguments.gameIndex);
  request.aimInput = DefaultAimInput(request.game);
  for (const auto& nickname : arguments.players) {
    request.players.push_back({"", nickname});
  }
  auto& start = request.options;
  auto& computer = request.computer;
  const std::map<std::string, bool*, std::less<>> switches{
      {"masterout", &settings.masterOut}, {"doubleout", &start.doubleOut},
      {"doublein", &start.doubleIn},      {"always0", &start.alwaysZero},
      {"quick", &request.quickCheckIn},   {"aim", &request.aimInput},
      {"summary", &settings.showSummary}, {"points", &settings.showPoints},
      {"sounds", &settings.playSounds},   {"exact", &computer.exact},
      {"bulloff", &start.bullOff}};
  const std::map<std::string, int*, std::less<>> numbers{{"rounds", &start.trainingRounds},
                                                         {"start", &start.checkoutStart},
                                                         {"stepup", &start.stepUp},
                                                         {"stepdown", &start.stepDown},
                                                         {"startlevel", &start.startLevel},
                                                         {"maxlevel", &start.maxLevel},
                                                         {"average", &computer.chosenAverage},
                                                         {"seconds", &computer.secondsPerDart},
                                                         {"legs", &start.match.legs},
                                                         {"sets", &start.match.sets}};
  for (const auto& [key, value] : arguments.settings) {
    if (const auto found = switches.find(key); found != switches.end()) {
      *found->second = IntegerArgument(key, value) != 0;
    } else if (const auto number = numbers.find(key); number != numbers.end()) {
      *number->second = IntegerArgument(key, value);
    } else if (key == "double") {
      start.chosenDouble = value;
    } else if (key == "training") {
      start.training = value;
    } else {
      throw UsageError("Unbekannte Einstellung \"" + Echoed(key) + "\".");
    }
  }
}

// One command of the script.
struct Command {
  enum Kind { Click, RightClick, Back, NoAim, CheckIn, Undo, Abort, State, Answer } kind;
  int x = 0;
  int y = 0;
  int dart = 0;
  AbortAnswer abort = AbortAnswer::Cancel;
};

// A position inside the field, for clicks that name only the field.
std::optional<BoardPoint> PositionOf(std::string_view code) {
  if (code == "0")
    return BoardPoint{5, 5};
  if (code == "00")
    return BoardPoint{332, 307};
  return AimPointFor(code);
}

std::optional<Command> ParseCommand(const std::string& token, const HitMap& hitMap) {
  const auto colon = token.find(':');
  const auto head = token.substr(0, colon);
  const auto tail = colon == std::string::npos ? std::string() : token.substr(colon + 1);
  if (colon == std::string::npos) {
    if (token == "back")
      return Command{Command::Back};
    if (token == "checkin")
      return Command{Command::CheckIn};
    if (token == "undo")
      return Command{Command::Undo};
    if (token == "state")
      return Command{Command::State};
    if (token == "yes" || token == "no")
      return Command{Command::Answer};
    const auto at = token.find('@');
    const auto code = token.substr(0, at);
    auto position = PositionOf(code);
    if (!position)
      return std::nullopt;
    if (at != std::string::npos) {
      const auto comma = token.find(',', at);
      const auto x = ParseDecimalInteger(token.substr(at + 1, comma - at - 1));
      const auto y =
          comma == std::string::npos ? std::nullopt : ParseDecimalInteger(token.substr(comma + 1));
      if (!x || !y)
        return std::nullopt;
      const auto field = hitMap.FieldAt(*x, *y);
      if (field != code) {
        throw UsageError("Die Position " + std::to_string(*x) + "," + std::to_string(*y) +
                         " liegt nicht im Feld " + code + ", sondern in " + field + ".");
      }
      position = BoardPoint{*x, *y};
    }
    return Command{Command::Click, position->x, position->y};
  }
  if (head == "aim" || head == "mark") {
    const auto position = PositionOf(tail);
    if (!position)
      return std::nullopt;
    return Command{Command::RightClick, position->x, position->y};
  }
  if (head == "noaim") {
    const auto dart = ParseDecimalInteger(tail);
    if (!dart || *dart < 1 || *dart > 3)
      return std::nullopt;
    return Command{Command::NoAim, 0, 0, *dart};
  }
  if (head == "abort") {
    static const std::map<std::string, AbortAnswer> kAnswers{
        {"yes", AbortAnswer::Yes}, {"no", AbortAnswer::No}, {"cancel", AbortAnswer::Cancel}};
    const auto answer = kAnswers.find(tail);
    if (answer == kAnswers.end())
      return std::nullopt;
    return Command{Command::Abort, 0, 0, 0, answer->second};
  }
  return std::nullopt;
}

void Run(const Command& command, GameSession& session, ScriptedView& view) {
  switch (command.kind) {
    case Command::Click:
      session.Click(MouseButton::Left, command.x, command.y);
      break;
    case Command::RightClick:
      session.Click(MouseButton::Right, command.x, command.y);
      break;
    case Command::Back:
      session.ClearLastHit();
      break;
    case Command::NoAim:
      session.ClearAim(command.dart);
      break;
    case Command::CheckIn:
      session.PressCheckIn();
      break;
    case Command::Undo:
      session.UndoLastCheckIn();
      break;
    case Command::Abort:
      view.SetAbortAnswer(command.abort);
      session.ConfirmAbort();
      break;
    case Command::State:
    case Command::Answer:
      break;
  }
}

std::string StateLine(const std::string& token, const GameSession& session,
                      std::vector<std::string> events) {
  auto& game = session.PlayedGame();
  const auto& current = game.CurrentTurns().current;
  std::vector<std::string> hits;
  std::vector<std::string> aims;
  for (const auto& dart : current.hits) {
    hits.push_back(dart.hit);
    aims.push_back(dart.aim);
  }
  const auto& match = session.Match();
  std::string players = "[";
  for (const auto& player : game.players) {
    const auto& turns = player->turns;
    players += (players.size() > 1 ? "," : "") +
               json::Object()
                   .Add("nickname", json::Quote(player->nickname))
                   .Add("score", std::to_string(turns.score))
                   .Add("bookedscore", std::to_string(turns.bookedScore))
                   .Add("progress", std::to_string(turns.progress))
                   .Add("turns", std::to_string(turns.Count()))
                   .Add("average", json::Number(turns.Average()))
                   .Add("wins", std::to_string(player->wins))
                   .Add("throwsatdouble", std::to_string(player->doubleThrows))
                   .Add("hitsatdouble", std::to_string(player->doubleHits))
                   .Add("checkedin", json::Bool(turns.checkedIn))
                   .Add("legs", std::to_string(match.LegsOf(*player)))
                   .Add("sets", std::to_string(match.SetsOf(*player)))
                   .Text();
  }
  players += "]";
  const auto& score = match.Score();
  const auto index = [](std::optional<std::size_t> player) {
    return player ? std::to_string(*player) : std::string("-1");
  };
  auto state = json::Object()
                   .Add("cmd", json::Quote(token))
                   .Add("round", std::to_string(game.round))
                   .Add("player", std::to_string(game.CurrentPlayerIndex()))
                   .Add("leader", std::to_string(game.LeaderIndex()))
                   .Add("finished", json::Bool(game.IsFinished()))
                   .Add("decided", json::Bool(session.GameDecided()))
                   .Add("turn", json::Object()
                                    .Add("hits", json::StringArray(hits))
                                    .Add("aims", json::StringArray(aims))
                                    .Add("tocount", json::Bool(current.counts))
                                    .Text())
                   .Add("proposal", json::StringArray(session.ProposalFields()))
                   .Add("doubleTarget", json::Quote(session.DoubleTarget()))
                   .Add("checkinEnabled", json::Bool(session.CheckInButtonEnabled()))
                   .Add("players", players)
                   .Add("match", json::Object()
                                     .Add("leg", std::to_string(score.Leg()))
                                     .Add("set", std::to_string(score.Set()))
                                     .Add("starter", std::to_string(score.Starter()))
                                     .Add("finished", json::Bool(score.Finished()))
                                     .Add("winner", index(score.Winner()))
                                     .Text());
  if (const auto target = game.TargetText(); !target.empty()) {
    state.Add("target", json::Quote(target));
  }
  if (const auto distances = match.BullOffDistances(); !distances.empty()) {
    std::string list = "[";
    for (const double millimetres : distances) {
      // Hundredths of a millimetre: far below what a click can tell apart.
      list += (list.size() > 1 ? "," : "") + json::Number(std::round(millimetres * 100) / 100);
    }
    state.Add("bulloff", list + "]");
  }
  return state.Add("events", json::StringArray(events)).Text();
}

// Stores games in the database and tells the script's reader.
class ReportingArchive : public GameArchive {
 public:
  ReportingArchive(DatabaseArchive& archive, ScriptedView& view) : archive_(archive), view_(view) {}
  std::optional<PlayerNames> FindPlayerNames(std::string_view id) override {
    return archive_.FindPlayerNames(id);
  }
  std::optional<int> EarlierBest(std::string_view playerId, std::string_view gameTypeKey,
                                 BetterResult order, std::string_view leaveOut) override {
    return archive_.EarlierBest(playerId, gameTypeKey, order, leaveOut);
  }
  void RemoveGame(std::string_view gameId, const std::optional<MatchRecord>& match) override {
    archive_.RemoveGame(gameId, match);
    view_.AddEvent("removed: " + std::string(gameId));
  }
  void StoreGame(const GameRecord& game) override {
    archive_.StoreGame(game);
    view_.AddEvent("saved: " + game.gameId);
  }

 private:
  DatabaseArchive& archive_;
  ScriptedView& view_;
};

std::vector<std::string> ReadScript() {
  std::vector<std::string> tokens{std::istream_iterator<std::string>(std::cin),
                                  std::istream_iterator<std::string>()};
  return tokens;
}

// Finds each player by nickname in the database, or adds one; a computer's
// reference gets the player's 501 average.
void FindPlayers(Database& database, StartRequest& request) {
  for (auto& player : request.players) {
    player.playerId = Recorder(database).FindOrAppendPlayer(player.nickname);
  }
  if (request.game->ComputerGame()) {
    StatisticsQuery query(database);
    query.playerId = request.players.back().playerId;
    query.gameTypeKey = "const501dout";
    query.dateTo = DateTimeNow();
    request.players.back().referenceAverage501 = query.GetAverages().average;
  }
}

}  // namespace

int RunPlayCommand(std::span<const std::string_view> arguments) {
  const auto parsed = ParseArguments(arguments);
  const HitMap hitMap;
  CommandQueue commands(ReadScript());
  {
    CommandQueue check = commands;
    while (!check.Empty()) {
      const auto token = check.Take();
      if (!ParseCommand(token, hitMap)) {
        throw UsageError("Unbekannter Befehl \"" + Echoed(token) + "\".");
      }
    }
  }

  // Everything is checked before the folder, the database or a player is touched.
  const auto folder =
      parsed.home ? *parsed.home : ResolveProgramFolder(CurrentProgramFolderSources({}));
  auto settings = ReadProgramOptions(IniFile(folder / kOptionsFile));
  StartRequest request;
  ApplySettings(parsed, settings, request);
  StartEnvironment environment{hitMap, ProgramRandom(), folder};
  if (const auto problem = StartProblem(request, environment)) {
    throw UsageError(*problem);
  }

  environment.programFolder = SetUpProgramFolder(folder).path;
  if (parsed.seed) {
    ProgramRandom().Seed(*parsed.seed);
  }
  ScriptedView view(commands);
  ScopedNoticeReceiver notices(
      [&](std::string_view text) { view.AddEvent("notice: " + std::string(text)); });

  std::unique_ptr<Database> database;
  std::unique_ptr<DatabaseArchive> databaseArchive;
  std::unique_ptr<ReportingArchive> archive;
  if (parsed.database) {
    database = OpenToolDatabase(*parsed.database);
    databaseArchive = std::make_unique<DatabaseArchive>(*database);
    archive = std::make_unique<ReportingArchive>(*databaseArchive, view);
    FindPlayers(*database, request);
    environment.database = database.get();
    environment.archive = archive.get();
  }

  auto result = StartGame(request, settings, environment);
  if (const auto* refusal = std::get_if<StartRefusal>(&result)) {
    if (refusal->reason == StartRefusal::Reason::Input) {
      throw UsageError(refusal->message);
    }
    throw Error(refusal->message);
  }
  auto& started = std::get<StartedGame>(result);

  GameSession session(started.PlayedGame(), started.Panel(), hitMap, view, started.Session());
  session.Start();
  view.RunSteps();
  std::cout << StateLine("start", session, view.TakeEvents()) << '\n';
  while (!commands.Empty() && !session.Result()) {
    const auto token = commands.Take();
    Run(*ParseCommand(token, hitMap), session, view);
    view.RunSteps();
    std::cout << StateLine(token, session, view.TakeEvents()) << '\n';
  }
  return 0;
}

}  // namespace korvanti
