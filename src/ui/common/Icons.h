#pragma once

#include <QIcon>

namespace korvanti {

// The pictures of the program's buttons, chosen by what a button does rather
// than by a number. They come from the program's own resources, so a button
// never ends up blank because a file is missing. The first seven follow the
// start window's tool bar from left to right; keep that order.
enum class IconRole {
  StartGame,     // start window: "Start"
  NewPlayer,     // start window: "Neuer Spieler"
  DeletePlayer,  // start window: "Spieler löschen"
  Statistics,    // start window: "Statistik ansehen"
  MergeGames,    // start window: "Spiele übernehmen…"
  Settings,      // start window: "Einstellungen"
  Instructions,  // start window: "Kurzanleitung"
  CheckIn,       // game screen: "Wurf einchecken"
  Undo,          // game screen: "Letzten Wurf zurücknehmen"
  AbortGame,     // game screen: "Spiel abbrechen"
  Close,         // statistics window: "Beenden"
  Refresh,       // statistics window: "Aktualisieren"
  Delete,        // statistics window: "Löschen"
  Save,          // training designer: "Save"
  Info,          // the info images beside the options
};

// Every role, in declaration order (for tests and tool bars built in a loop).
inline constexpr IconRole kAllIconRoles[] = {
    IconRole::StartGame,  IconRole::NewPlayer, IconRole::DeletePlayer, IconRole::Statistics,
    IconRole::MergeGames, IconRole::Settings,  IconRole::Instructions, IconRole::CheckIn,
    IconRole::Undo,       IconRole::AbortGame, IconRole::Close,        IconRole::Refresh,
    IconRole::Delete,     IconRole::Save,      IconRole::Info,
};

QIcon KorvantiIcon(IconRole role);

// The program's own picture: window icons and the desktop entry.
QIcon ApplicationIcon();

}  // namespace korvanti
