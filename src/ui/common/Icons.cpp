#include "ui/common/Icons.h"

#include <QString>

namespace korvanti {

namespace {

const char* ResourceName(IconRole role) {
  switch (role) {
    case IconRole::StartGame:
      return "start-game";
    case IconRole::NewPlayer:
      return "new-player";
    case IconRole::DeletePlayer:
      return "delete-player";
    case IconRole::Statistics:
      return "statistics";
    case IconRole::Settings:
      return "settings";
    case IconRole::Instructions:
      return "instructions";
    case IconRole::CheckIn:
      return "check-in";
    case IconRole::Undo:
      return "undo";
    case IconRole::AbortGame:
      return "abort-game";
    case IconRole::Close:
      return "close";
    case IconRole::Refresh:
      return "refresh";
    case IconRole::Delete:
      return "delete";
    case IconRole::Save:
      return "save";
    case IconRole::Info:
      return "info";
  }
  return "info";
}

}  // namespace

QIcon KorvantiIcon(IconRole role) {
  return QIcon(
      QStringLiteral(":/korvanti/icons/%1.svg").arg(QString::fromLatin1(ResourceName(role))));
}

QIcon ApplicationIcon() {
  return QIcon(QStringLiteral(":/korvanti/icons/korvanti.svg"));
}

}  // namespace korvanti
