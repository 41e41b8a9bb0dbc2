#pragma once

#include <string>

#include "report/StatisticsReport.h"

namespace korvanti::testing {

// A request for the detailed table of one player and type.
inline StatisticsRequest DetailRequest(const std::string& player, const std::string& gameTypeKey,
                                       double from, double to, StatisticsInterval interval,
                                       bool lastEntry) {
  StatisticsRequest request;
  request.playerId = player;
  request.gameTypeKey = gameTypeKey;
  request.from = from;
  request.to = to;
  request.interval = interval;
  request.lastEntry = lastEntry;
  request.view = StatisticsView::Detail;
  return request;
}

}  // namespace korvanti::testing
