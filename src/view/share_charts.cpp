#include "view/share_charts.h"

#include <algorithm>

#include "text/format.h"
#include "text/sjis.h"
#include "view/race_view.h"

namespace tw {

namespace {

// One colour per snapshot in the charts that compare the three snapshots.
constexpr Rgb kSnapshotColours[kSnapshots + 1] = {{}, {255, 64, 64}, {32, 160, 32}, {64, 64, 255}};

ChartView MakeChart(const char* name, const char* title, const char* bottom, const char* left) {
  ChartView c;
  c.name = name;
  c.title = Sjis(title);
  c.bottomAxis = Sjis(bottom);
  c.leftAxis = Sjis(left);
  return c;
}

ChartSeries MakeSeries(const char* name, const char* title, Rgb colour) {
  return ChartSeries{name, Sjis(title), colour, {}};
}

// A chart with one series per snapshot, bars in horse-number order.
ChartView PerSnapshotChart(ChartView c, const std::array<const char*, 3>& names,
                           const std::array<const char*, 3>& titles, const PerHorseSnapshot<std::string>& fields) {
  for (int s = 1; s <= kSnapshots; ++s) {
    ChartSeries series =
        MakeSeries(names[static_cast<size_t>(s - 1)], titles[static_cast<size_t>(s - 1)], kSnapshotColours[s]);
    for (int h = 1; h <= kMaxRunners; ++h) {
      const std::string& f = fields[static_cast<size_t>(h)][static_cast<size_t>(s)];
      if (IsUsableField(f)) series.points.push_back({FieldNumber(f), std::to_string(h)});
    }
    c.series.push_back(std::move(series));
  }
  return c;
}

// Keys of a field's first six characters followed by the horse as "%2d",
// sorted in text order: ascending values of the right-aligned fields.
std::vector<std::string> SortedFieldKeys(const std::array<std::string, kMaxRunners + 1>& fields) {
  std::vector<std::string> keys;
  for (int h = 1; h <= kMaxRunners; ++h) {
    const std::string& f = fields[static_cast<size_t>(h)];
    if (IsUsableField(f)) keys.push_back((f + "      ").substr(0, 6) + Format("%2d", h));
  }
  std::sort(keys.begin(), keys.end());
  return keys;
}

ChartView ChangeChart(ChartView c, ChartSeries series, const PerHorse<std::string>& fields) {
  c.horizontal = true;
  c.sortedBars = true;
  c.valueFormat = "#,##0.00";
  for (const std::string& key : SortedFieldKeys(fields))
    series.points.push_back({FieldNumber(key.substr(0, 6)), key.substr(6, 2)});
  c.series.push_back(std::move(series));
  return c;
}

PerHorse<std::string> Column(const PerHorseSnapshot<std::string>& fields, int s) {
  PerHorse<std::string> col;
  for (int h = 1; h <= kMaxRunners; ++h)
    col[static_cast<size_t>(h)] = fields[static_cast<size_t>(h)][static_cast<size_t>(s)];
  return col;
}

}  // namespace

ShareCharts FillShareCharts(const RaceView& v) {
  ShareCharts c;
  c.winShare = PerSnapshotChart(MakeChart("WinShareChart", "馬番別単勝投票率グラフ", "馬番", "単勝投票率"),
                                {"WinShare1", "WinShare2", "WinShare3"}, {"１回目T", "２回目T", "３回目T"}, v.winShare);
  c.quinellaShare = PerSnapshotChart(MakeChart("QuinellaShareChart", "馬番別馬連投票率グラフ", "馬番", "馬連投票率"),
                                     {"QuinellaShare1", "QuinellaShare2", "QuinellaShare3"},
                                     {"１回目U", "２回目U", "３回目U"}, v.quinellaShare);
  c.shareGap = PerSnapshotChart(MakeChart("ShareGapChart", "単連差グラフ", "馬番", "単連差"),
                                {"ShareGap1", "ShareGap2", "ShareGap3"}, {"１回目", "２回目", "３回目"}, v.shareGap);
  c.winChange = ChangeChart(MakeChart("WinChangeChart", "単勝投票率変化量グラフ", "単勝投票率変化量", "馬番"),
                            MakeSeries("WinChange", "単勝投票率変化量", colour::kRed), v.winShareChange);
  c.quinellaChange =
      ChangeChart(MakeChart("QuinellaChangeChart", "馬連投票率変化量グラフ", "馬連投票率変化量", "馬番"),
                  MakeSeries("QuinellaChange", "馬連投票率変化量", colour::kLime), v.quinellaShareChange);
  return c;
}

ChartView SnapshotChart(const RaceView& v, int s) {
  ChartView c = MakeChart("SnapshotChart", "馬番別投票率グラフ", "馬番", "投票率");
  c.sortedBars = true;
  ChartSeries quinella = MakeSeries("SnapshotQuinellaShare", "馬連投票率", colour::kLime);
  ChartSeries win = MakeSeries("SnapshotWinShare", "単勝投票率", colour::kLightBlue);
  ChartSeries gap = MakeSeries("SnapshotShareGap", "単連差", colour::kRed);
  if (s >= 1 && s <= kSnapshots) {
    for (const std::string& key : SortedFieldKeys(Column(v.quinellaShare, s))) {
      const std::string label = key.substr(6, 2);
      const auto h = static_cast<size_t>(std::stoi(label));
      quinella.points.push_back({FieldNumber(key.substr(0, 6)), label});
      win.points.push_back({FieldNumber(v.winShare[h][static_cast<size_t>(s)]), label});
      gap.points.push_back({FieldNumber(v.shareGap[h][static_cast<size_t>(s)]), label});
    }
  }
  c.series = {std::move(quinella), std::move(win), std::move(gap)};
  return c;
}

}  // namespace tw
