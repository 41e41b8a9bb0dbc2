#include "report/StatisticsRows.h"

#include <map>

#include "report/FieldSelection.h"

#include "store/TurnSnapshot.h"

namespace korvanti {
namespace {

using Row = std::optional<StatisticsRow>;

std::string Rate(int part, int whole, NumberSeparators separators) {
  return FormatFloat("0.00", static_cast<double>(part) / whole * 100.0, separators);
}

// The row builders count the turns of one period held in memory (the query
// object's answers, without a statement per figure).
class RowBuilder {
 public:
  RowBuilder(const PeriodFigures& query, NumberSeparators separators)
      : query_(query), separators_(separators) {}

  std::string Rate(int part, int whole) const { return korvanti::Rate(part, whole, separators_); }
  std::string Number(double value) const { return FormatFloat("0.00", value, separators_); }

  // The share of exact hits among singles, doubles or trebles.
  std::string ClassRate(const char* filter) const {
    const int exact = query_.CountAimHits(filter, true);
    const int all = query_.CountHits(filter);
    if (exact >= 1)
      return Rate(exact, all);
    return all < 1 ? "-" : "0";
  }

  // Scoring turns in the band, and their share of all turns of the period.
  std::string Band(int low, int high, int turns) const {
    const int inBand = query_.CountTurnsInRange(low, high);
    if (inBand < 1)
      return "0";
    return std::to_string(inBand) + " (" + Number(100.0 / turns * inBand) + "%)";
  }

  Row CountDown() const {
    const int darts = query_.CountDarts();
    if (darts <= 0)
      return std::nullopt;
    StatisticsRow row;
    auto& c = row.cells;
    const auto averages = query_.GetAverages();
    const int exact = query_.CountExactHits();
    c.push_back(std::to_string(darts));
    c.push_back(Number(averages.average) + "/" + Number(averages.perDart));
    c.push_back(std::to_string(query_.BestCheckout()));
    c.push_back(std::to_string(query_.HighScore()));
    c.push_back(exact < 1 ? "0" : Rate(exact, darts));
    for (const char* filter : {"S", "D", "T"})
      c.push_back(ClassRate(filter));
    const int turns = query_.CountTurns();
    c.push_back(Band(100, 140, turns));
    c.push_back(Band(140, 160, turns));
    c.push_back(Band(160, 181, turns));
    const int shortest = query_.TurnsInShortestWin();
    c.push_back(shortest < 1 ? "-"
                             : std::to_string(shortest) + " (" +
                                   std::to_string(query_.DartsInShortestWin()) + ")");
    const auto figures = query_.CountDown();
    const auto firstNine = figures.FirstNineAverage();
    c.push_back(firstNine ? Number(*firstNine) : "-");
    c.push_back(std::to_string(figures.turns180));
    const auto checkout = figures.CheckoutRate();
    c.push_back(checkout ? Number(*checkout) : "-");
    c.push_back(figures.matchLegs > 0
                    ? std::to_string(figures.matchLegsWon) + "/" + std::to_string(figures.matchLegs)
                    : "-");
    return row;
  }

  Row Cricket() const {
    const int darts = query_.CountDarts();
    if (darts == 0)
      return std::nullopt;
    StatisticsRow row;
    auto& c = row.cells;
    c.push_back(std::to_string(darts));
    c.push_back(Number(query_.MarksPerRoundQuery()));
    c.push_back(Rate(query_.CountExactHits(), darts));
    for (const char* number : {"15", "16", "17", "18", "19", "20", "25"}) {
      const int hits = query_.CountHits(number);
      if (hits <= 0) {
        c.push_back("-");
        continue;
      }
      const int aimed = query_.CountAimHits(number, false);
      c.push_back(aimed <= 0 ? "-"
                             : Rate(aimed, hits) + " (" +
                                   Rate(query_.CountAimHits(number, true), hits) + ")");
    }
    return row;
  }

  Row Round() const {
    const int darts = query_.CountDarts();
    if (darts == 0)
      return std::nullopt;
    StatisticsRow row;
    auto& c = row.cells;
    c.push_back(std::to_string(darts));
    c.push_back(Rate(query_.CountExactHits(), darts));
    bool unreached = false;
    for (int n = 1; n <= 21; ++n) {
      const auto number = std::to_string(n == 21 ? 25 : n);
      const int hits = unreached ? 0 : query_.CountHits(number);
      if (hits <= 0) {
        unreached = true;  // the numbers after the first one never hit are not asked
        c.push_back("-");
        continue;
      }
      const int exact = query_.CountAimHits(number, true);
      c.push_back(exact <= 0 ? "-" : Rate(exact, hits));
    }
    return row;
  }

  // The segment trainings' rows count within the training's own key, which is
  // the key of the type that chose the table.
  Row Segment(const char* first, bool firstExact, const char* second, bool secondExact) const {
    const int darts = query_.CountDarts();
    if (darts < 1)
      return std::nullopt;
    StatisticsRow row;
    row.cells = {std::to_string(darts), Rate(query_.CountAimHits(first, firstExact), darts),
                 Rate(query_.CountAimHits(second, secondExact), darts)};
    return row;
  }

  Row Doubles() const {
    StatisticsRow row;
    bool anyHit = false;
    for (const int n : {20, 16, 10, 8, 5, 4, 2, 1}) {
      const auto code = "D" + std::to_string(n);
      const int hits = query_.CountHits(code);
      if (hits <= 0) {
        row.cells.push_back("-");
        continue;
      }
      anyHit = true;
      const int exact = query_.CountAimHits(code, true);
      row.cells.push_back(exact <= 0 ? "-" : Rate(exact, hits));
    }
    if (!anyHit)
      return std::nullopt;
    return row;
  }

  // A routine's trainings: how many were decided, their mean and best result,
  // and how often their darts hit what the rounds asked for.
  Row Routine(BetterResult order) const {
    const int darts = query_.CountDarts();
    if (darts <= 0)
      return std::nullopt;
    StatisticsRow row;
    const auto average = query_.AverageResult();
    const auto best = query_.BestResult(order);
    const auto rate = query_.TargetHitRate();
    row.cells = {std::to_string(query_.CountResults()), average ? Number(*average) : "-",
                 best ? std::to_string(*best) : "-", rate ? Number(*rate) : "-"};
    return row;
  }

  Row Free() const {
    const int darts = query_.CountDarts();
    if (darts <= 0)
      return std::nullopt;
    StatisticsRow row;
    const int exact = query_.CountExactHits();
    row.cells = {std::to_string(darts), exact <= 0 ? "0" : Rate(exact, darts)};
    for (const char* filter : {"S", "D", "T"})
      row.cells.push_back(ClassRate(filter));
    return row;
  }

 private:
  const PeriodFigures& query_;
  NumberSeparators separators_;
};

// The darts that hit the selection, the shares of them aimed at its number
// and at the exact field, and where the darts aimed at it landed.
Row AimAndHit(const PeriodFigures& figures, std::string_view selection,
              NumberSeparators separators) {
  const auto filter = SelectionFilter(selection);
  auto dots = figures.HitPoints(filter);
  if (dots[0].empty() && dots[1].empty() && dots[2].empty())
    return std::nullopt;
  const int darts = figures.CountHits(filter);
  if (darts <= 0)
    return std::nullopt;
  return StatisticsRow{
      {std::to_string(darts),
       filter.empty() ? "na" : Rate(figures.CountAimHits(filter, false), darts, separators),
       Rate(figures.CountAimHits(filter, true), darts, separators)},
      std::move(dots),
      std::nullopt};
}

}  // namespace

StatisticsTableKind TableForType(std::string_view gameTypeKey) {
  using enum StatisticsTableKind;
  static const std::map<std::string_view, StatisticsTableKind> tables{
      {"const301sout", CountDown},
      {"const501sout", CountDown},
      {"const301dout", CountDown},
      {"const501dout", CountDown},
      {"constpractice_computer501", CountDown},
      {"constpractice_501dout", CountDown},
      {"constpractice_computerAVG", CountDown},
      {"constpractice_computerBEST", CountDown},
      {"constpractice_checkout", CountDown},
      {"constcricket", Cricket},
      {"constpractice_cricket", Cricket},
      {"constshanghai", Round},
      {"constpractice_roundsingle", Round},
      {"constpractice_rounddouble", Round},
      {"constpractice_rounddouble_bull", Round},
      {"constpractice_segment_20", Segments20},
      {"constpractice_segment_19", Segments19},
      {"constpractice_segment_treble_20", SegmentsT20},
      {"constpractice_segment_treble_19", SegmentsT19},
      {"constpractice_segment_bulls", SegmentsBulls},
      {"constpractice_dout_segments", SegmentsDouble},
      {"constpractice_double", Free},
      {"constpractice_checkoutgame", Free},
      {"constpractice_pirmel", Free},
      {"constpractice_self", Free},
      {"constpractice_free1", Free},
      {"constbobs27", Routine},
      {"constcatch40", Routine},
      {"consthalveit", Routine},
      {"constroundtheboardtriple", Routine},
  };
  const auto found = tables.find(gameTypeKey);
  return found != tables.end() ? found->second : AimAndHit;
}

std::vector<std::string> TableColumns(StatisticsTableKind table) {
  using enum StatisticsTableKind;
  switch (table) {
    case CountDown:
      return {"Darts",       "Avg./PPD",    "Best checkout",
              "Highscore",   "% Treffer",   "% Treffer S",
              "% Treffer D", "% Treffer T", "Throw. 100 - 139",
              "140 - 159",   "> 160",       "< Runde (Darts)",
              "First 9",     "180er",       "Checkout %",
              "Legs",        "Datum von",   "Datum bis"};
    case Cricket:
      return {"Darts",
              "MPR",
              "Hit rate exact %",
              "Hit rate 15 (exact hits) in %",
              "16",
              "17",
              "18",
              "19",
              "20",
              "Bulls",
              "Datum ab",
              "Datum bis"};
    case Round: {
      std::vector<std::string> columns{"Darts", "% Treffer", "% Treffer 1"};
      for (int n = 2; n <= 20; ++n)
        columns.push_back(std::to_string(n));
      columns.insert(columns.end(), {"25", "von", "bis"});
      return columns;
    }
    case Segments20:
      return {"Darts", "% Trefferquote 20 gesamt", "% Trefferquote 20 exakt", "von", "bis"};
    case Segments19:
      return {"Darts", "% Trefferquote 19 gesamt", "% Trefferquote 19 exakt", "von", "bis"};
    case SegmentsT20:
      return {"Darts", "% Trefferquote T20", "%Trefferquote 20", "von", "bis"};
    case SegmentsT19:
      return {"Darts", "% Trefferquote T19", "% Trefferquote 19", "von", "bis"};
    case SegmentsBulls:
      return {"Darts", "Trefferquote Bulls in %", "Trefferquote Bullseye in %", "von", "bis"};
    case SegmentsDouble:
      return {"% Trefferquote D20", "D16", "D10", "D8", "D5", "D4", "D2", "D1", "von", "bis"};
    case Free:
      return {
          "Darts",     "Trefferquote %", "Trefferquote S %", "Trefferquote D %", "Trefferquote T %",
          "Datum von", "Datum bis"};
    case Doubles:
      return {"Doppel", "Darts", "Treffer", "%"};
    case Routine:
      return {"Trainings", "Ergebnis Ø", "Bestes Ergebnis", "% Treffer", "von", "bis"};
    case AimAndHit:
      break;
  }
  return {"Darts", "% Treffer Zahl", "% Treffer Exakt", "von", "bis"};
}

bool HasPeriodColumns(StatisticsTableKind table) {
  return table != StatisticsTableKind::Doubles;
}

namespace {

Row BuildDetailRow(StatisticsTableKind table, const PeriodFigures& figures,
                   const RowSettings& settings) {
  const RowBuilder builder(figures, settings.separators);
  using enum StatisticsTableKind;
  switch (table) {
    case CountDown:
      return builder.CountDown();
    case Cricket:
      return builder.Cricket();
    case Round:
      return builder.Round();
    case Segments20:
      return builder.Segment("20", false, "20", true);
    case Segments19:
      return builder.Segment("19", false, "19", true);
    case SegmentsT20:
      return builder.Segment("T20", true, "20", false);
    case SegmentsT19:
      return builder.Segment("T19", true, "19", false);
    case SegmentsBulls:
      return builder.Segment("25", false, "D25", true);
    case SegmentsDouble:
      return builder.Doubles();
    case Free:
      return builder.Free();
    case Routine:
      return builder.Routine(settings.resultOrder);
    case Doubles:
    case AimAndHit:
      break;
  }
  return std::nullopt;
}

}  // namespace

std::optional<StatisticsRow> BuildRow(StatisticsTableKind table, const PeriodFigures& figures,
                                      const RowSettings& settings) {
  if (table == StatisticsTableKind::AimAndHit) {
    return AimAndHit(figures, settings.aimFilter, settings.separators);
  }
  auto row = BuildDetailRow(table, figures, settings);
  if (row) {
    row->mainFigure = MainFigure(table, figures);
  }
  return row;
}

std::optional<double> MainFigure(StatisticsTableKind table, const PeriodFigures& figures) {
  const int darts = figures.CountDarts();
  if (darts <= 0 || !HasPeriodColumns(table) || table == StatisticsTableKind::AimAndHit) {
    return std::nullopt;
  }
  const auto percent = [darts](int part) { return static_cast<double>(part) / darts * 100.0; };
  using enum StatisticsTableKind;
  switch (table) {
    case CountDown:
      return figures.GetAverages().average;
    case Cricket:
      return figures.MarksPerRoundQuery();
    case Segments20:
      return percent(figures.CountAimHits("20", false));
    case Segments19:
      return percent(figures.CountAimHits("19", false));
    case SegmentsT20:
      return percent(figures.CountAimHits("T20", true));
    case SegmentsT19:
      return percent(figures.CountAimHits("T19", true));
    case SegmentsBulls:
      return percent(figures.CountAimHits("25", false));
    case Routine:
      return figures.AverageResult();
    case Round:
    case SegmentsDouble:
    case Free:
    case Doubles:
    case AimAndHit:
      break;
  }
  return percent(figures.CountExactHits());
}

}  // namespace korvanti
