#include "play/MatchPlay.h"

#include <algorithm>
#include <stdexcept>

#include "platform/Guid.h"

namespace korvanti {

void MatchPlay::Begin(const PlayerList& players, std::size_t starter, double now) {
  if (players.Count() == 0) {
    throw std::invalid_argument("a match needs players");
  }
  if (order_.empty()) {
    order_.assign(players.begin(), players.end());
  }
  firstStarter_ = starter % order_.size();
  score_.emplace(format_, order_.size(), firstStarter_);
  bullOff_.reset();
  if (bullOffWanted_ && order_.size() >= 2) {
    bullOff_.emplace(order_.size());
  }
  figures_.assign(order_.size(), {});
  matchId_ = NewGuidString();
  startTime_ = now;
}

const Player* MatchPlay::BullOffThrower() const {
  if (!BullOffRunning()) {
    return nullptr;
  }
  return order_.at(*bullOff_->NextThrower());
}

std::string MatchPlay::ThrowBullOff(int x, int y, NumberSeparators numbers) {
  const auto* thrower = BullOffThrower();
  if (thrower == nullptr) {
    return {};
  }
  const double millimetres = BullDistanceMillimetres(x, y);
  const int round = bullOff_->Round();
  bullOff_->Throw(millimetres);
  auto banner = thrower->nickname + " " + FormatFloat("0.0", millimetres, numbers) + " mm";
  if (bullOff_->Decided()) {
    firstStarter_ = *bullOff_->Winner();
    score_.emplace(format_, order_.size(), firstStarter_);
    banner += "\n" + order_.at(firstStarter_)->nickname + " beginnt";
  } else if (bullOff_->Round() > round) {
    std::string tied;
    for (const auto player : bullOff_->Throwers()) {
      tied += (tied.empty() ? "" : ", ") + order_.at(player)->nickname;
    }
    banner += "\nGleichstand, noch einmal: " + tied;
  }
  return banner;
}

std::vector<double> MatchPlay::BullOffDistances() const {
  std::vector<double> distances;
  if (!bullOff_ || !bullOff_->Decided()) {
    return distances;
  }
  for (const auto& distance : bullOff_->Distances()) {
    distances.push_back(distance.value_or(0.0));
  }
  return distances;
}

std::optional<std::size_t> MatchPlay::IndexOf(const Player& player) const {
  const auto found = std::find(order_.begin(), order_.end(), &player);
  if (found == order_.end()) {
    return std::nullopt;
  }
  return static_cast<std::size_t>(found - order_.begin());
}

void MatchPlay::ArrangeForLeg(PlayerList& players) const {
  const auto* starter = order_.at(score_->Starter());
  for (std::size_t turn = 0; turn < players.Count() && &players.At(0) != starter; ++turn) {
    players.Rotate();
  }
}

LegOutcome MatchPlay::WinLeg(const Player& winner) {
  const auto index = IndexOf(winner);
  if (!index) {
    throw std::invalid_argument("the leg's winner plays in another match");
  }
  return score_->WinLeg(*index);
}

int MatchPlay::LegsOf(const Player& player) const {
  const auto index = IndexOf(player);
  return index && score_ ? score_->LegsOf(*index) : 0;
}

int MatchPlay::SetsOf(const Player& player) const {
  const auto index = IndexOf(player);
  return index && score_ ? score_->SetsOf(*index) : 0;
}

// "2:1", or "2:1:0" for three players: the winner's count first, then the
// others' in the order of play.
std::string MatchPlay::ScoreText(std::size_t winner, bool sets, bool inSet) const {
  const auto won = [&](std::size_t player) {
    return std::to_string(sets    ? score_->SetsOf(player)
                          : inSet ? score_->LegsOf(player)
                                  : score_->TotalLegsOf(player));
  };
  std::string text = won(winner);
  for (std::size_t i = 0; i < order_.size(); ++i) {
    if (i != winner) {
      text += ":" + won(i);
    }
  }
  return text;
}

std::string MatchPlay::LegBanner(LegOutcome outcome, const Player& winner) const {
  switch (outcome) {
    case LegOutcome::Leg:
      return "Leg an " + winner.nickname + " (" + ScoreText(*IndexOf(winner), false, true) + ")";
    case LegOutcome::Set:
      return "Satz an " + winner.nickname;
    case LegOutcome::Match:
      break;
  }
  return {};
}

std::string MatchPlay::MatchResultText() const {
  if (!score_ || !score_->Winner()) {
    return {};
  }
  const auto winner = *score_->Winner();
  return "Match an " + order_.at(winner)->nickname + " (" +
         ScoreText(winner, format_.HasSets(), false) + ")";
}

std::string MatchPlay::Caption() const {
  if (!IsMatch() || !score_) {
    return {};
  }
  auto caption = "Leg " + std::to_string(score_->Leg());
  if (format_.HasSets()) {
    caption += ", Satz " + std::to_string(score_->Set());
  }
  return caption;
}

void MatchPlay::CountLeg(const PlayerList& players, bool doubleOut, const Player& winner) {
  for (const auto* player : players) {
    if (const auto index = IndexOf(*player)) {
      figures_.at(*index).AddLeg(player->turns, doubleOut, player == &winner);
    }
  }
}

MatchSummary MatchPlay::Summary(NumberSeparators numbers) const {
  MatchSummary summary;
  summary.result = MatchResultText();
  summary.columns = MatchSummaryColumns(format_.HasSets());
  for (std::size_t i = 0; i < order_.size(); ++i) {
    summary.rows.push_back(MatchSummaryRow(order_[i]->nickname, score_->TotalLegsOf(i),
                                           score_->SetsOf(i), format_.HasSets(), figures_[i],
                                           numbers));
  }
  return summary;
}

MatchRecord MatchPlay::Record(double now, bool ended) const {
  MatchRecord record;
  record.matchId = matchId_;
  record.legs = score_->Format().legs;
  record.sets = score_->Format().sets;
  record.startTime = startTime_;
  if (const auto winner = score_->Winner()) {
    record.winnerId = order_.at(*winner)->playerId;
    ended = true;
  }
  record.endTime = ended ? now : 0.0;
  const auto distances = BullOffDistances();
  for (std::size_t i = 0; i < distances.size(); ++i) {
    record.bullOff += (i == 0 ? "" : ";") + order_.at(i)->playerId + "=" +
                      FormatFloat("0.0", distances[i], {.decimal = '.', .thousands = ','});
  }
  return record;
}

void AddMatchColumns(PlayerTable& table, const PlayerList& players, const MatchPlay& match) {
  const bool sets = match.Format().HasSets();
  std::vector<PlayerListColumn> added{
      {"Legs", 44, "Legs gewonnen" + std::string(sets ? " im Satz" : "")}};
  if (sets) {
    added.emplace_back("Sätze", 48, "Sätze gewonnen");
  }
  // The list keeps its width: the new columns take their room from the
  // others, each giving up a share of what it has beyond its narrowest.
  const auto narrowest = [](int width) { return width >= 100 ? 64 : std::min(width, 30); };
  int needed = 0;
  for (const auto& column : added) {
    needed += column.width;
  }
  int spare = 0;
  for (const auto& column : table.columns) {
    spare += column.width - narrowest(column.width);
  }
  if (spare > 0) {
    for (auto& column : table.columns) {
      const int own = column.width - narrowest(column.width);
      column.width -= std::min(own, (needed * own + spare - 1) / spare);
    }
  }
  table.columns.insert(table.columns.end(), added.begin(), added.end());
  std::size_t i = 0;
  for (const auto* player : players) {
    if (i >= table.rows.size()) {
      break;
    }
    auto& cells = table.rows[i++].cells;
    cells.push_back(std::to_string(match.LegsOf(*player)));
    if (sets) {
      cells.push_back(std::to_string(match.SetsOf(*player)));
    }
  }
}

}  // namespace korvanti
