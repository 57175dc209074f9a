#include "season/season_summary_csv.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "season/season_csv.h"
#include "season/season_report.h"
#include "season/season_texts.h"
#include "support/season_days.h"
#include "support/temp_dir.h"
#include "text/sjis.h"

namespace tw {
namespace {

std::vector<std::string> Cells(const std::string& row) {
  std::vector<std::string> cells;
  std::istringstream in(row);
  for (std::string cell; std::getline(in, cell, ',');) cells.push_back(cell);
  if (!row.empty() && row.back() == ',') cells.emplace_back();
  return cells;
}

TEST(SeasonSummaryCsv, ARowPerGroupWithTheReportsOwnFigures) {
  test::TempDir dir;
  SeasonOptions options;
  options.dataFolder = dir.file("Data");
  test::WriteHandWorkedSeason(options.dataFolder);
  SeasonReport report(options);
  while (!report.finished()) report.Step();
  const SeasonTotals& totals = report.totals();
  const SeasonSummaryCsv csv(totals);

  // What each kind's columns hold, in their order.
  using Figure = std::function<std::string(const TicketFigures&)>;
  const auto day = [](const std::string& date) { return date.empty() ? date : SeasonCsvDate(date); };
  const auto end = [](bool high) {
    return [high](const TicketFigures& t) {
      auto range = t.ReturnRateRange();
      return SjisToUtf8(PercentText(range ? std::optional(high ? range->high : range->low) : std::nullopt));
    };
  };
  const std::vector<Figure> ticketColumns = {
      [](const TicketFigures& t) { return std::to_string(t.racesWithTickets()); },
      [](const TicketFigures& t) { return std::to_string(t.tickets()); },
      [](const TicketFigures& t) { return std::to_string(t.stake()); },
      [](const TicketFigures& t) { return std::to_string(t.returned()); },
      [](const TicketFigures& t) { return SjisToUtf8(ReturnRateText(t)); },
      [](const TicketFigures& t) { return SjisToUtf8(HitRateText(t)); },
      end(false),
      end(true),
      [](const TicketFigures& t) { return std::to_string(t.LargestDrawdown().yen); },
      [day](const TicketFigures& t) { return day(t.LargestDrawdown().from); },
      [day](const TicketFigures& t) { return day(t.LargestDrawdown().to); }};
  const auto expectedRow = [&](const std::string& breakdown, const std::string& label, const SeasonFigures& f) {
    std::vector<std::string> cells = {SjisToUtf8(breakdown),
                                      SjisToUtf8(label),
                                      std::to_string(f.days()),
                                      std::to_string(f.races()),
                                      std::to_string(f.racesWithBets()),
                                      std::to_string(f.bets())};
    for (TicketKind kind : kTicketKinds) {
      for (const Figure& figure : ticketColumns) cells.push_back(figure(f.tickets(kind)));
    }
    return cells;
  };
  // The season, then every group of every breakdown in its order.
  std::vector<std::vector<std::string>> expected = {SeasonSummaryCsvHeadings(),
                                                    expectedRow(Sjis("全体"), Sjis("全体"), totals.all())};
  for (const SeasonBreakdown& b : totals.breakdowns()) {
    for (const SeasonGroup& g : b.groups())
      expected.push_back(expectedRow(SeasonBreakdownTitle(b.dimension()), g.label, g.figures));
  }

  ASSERT_EQ(csv.bytes().rfind("\xEF\xBB\xBF", 0), 0u);
  std::istringstream lines(csv.bytes().substr(3));
  std::vector<std::vector<std::string>> rows;
  for (std::string line; std::getline(lines, line);) {
    ASSERT_EQ(line.back(), '\r');
    line.pop_back();
    rows.push_back(Cells(line));
  }
  EXPECT_EQ(rows, expected);
  EXPECT_EQ(csv.rows(), static_cast<int>(expected.size()) - 1);
  EXPECT_EQ(rows[0].size(), 6 + 3 * ticketColumns.size());
  // The hand-worked season's quinella tickets, as its own test worked them out.
  EXPECT_EQ(std::vector<std::string>(rows[1].begin() + 6, rows[1].begin() + 12),
            (std::vector<std::string>{"5", "38", "3800", "23280", "612.6%", "60.0%"}));
}

}  // namespace
}  // namespace tw
