// The keyboard of the game screen: darts typed as field codes.
#include <cctype>

#include "engine/FieldCode.h"
#include "play/GameSession.h"
#include "play/SessionOperation.h"

namespace korvanti {
namespace {

// "T20", "BULL": no code is longer.
constexpr std::size_t kLongestCode = 4;

}  // namespace

void GameSession::TypeKey(char key) {
  Operation operation(*this);
  operation.Run([&] {
    if (BoardLocked() || std::isalnum(static_cast<unsigned char>(key)) == 0) {
      return;
    }
    typingHint_.clear();
    if (typed_.size() < kLongestCode) {
      typed_ += static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
    }
  });
}

void GameSession::EnterKey(bool checkInWhenEmpty) {
  Operation operation(*this);
  operation.Run([&] {
    if (!typed_.empty()) {
      if (!BoardLocked()) {
        EnterTypedCode();
      }
    } else if (checkInWhenEmpty && CheckInButtonVisible() && CheckInButtonEnabled()) {
      CheckInTurn();
    }
  });
}

void GameSession::EnterTypedCode() {
  const auto code = TypedFieldCode(typed_);
  if (!code) {
    typingHint_ = "\"" + typed_ + "\" ist kein Feld — z. B. T20, D16, 5, 25, BULL, M";
  } else if (BullOffRunning()) {
    typingHint_ = "Beim Ausbullen zählt, wo der Dart steckt — bitte auf die Scheibe klicken";
  } else if (!RecordHit(*code, 0, 0, false)) {
    typingHint_ = "Die Aufnahme ist voll — Enter checkt sie ein";
  } else {
    typingHint_.clear();
    Settle();
  }
  typed_.clear();
}

void GameSession::EraseKey() {
  if (typed_.empty()) {
    ClearLastHit();
    return;
  }
  Operation operation(*this);
  operation.Run([&] {
    typed_.pop_back();
    typingHint_.clear();
  });
}

}  // namespace korvanti
