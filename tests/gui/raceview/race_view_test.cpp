// The race view in the main window: a day of a few races is chosen, the
// races are walked, snapshot buttons pressed and a deletion run; the widgets
// must hold what the view model says.
#include "view/race_view.h"

#include <QAction>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <QValueAxis>
#include <cmath>

#include "codes/pairs.h"
#include "gui/main_window.h"
#include "gui/main_window_fixture.h"
#include "gui/qt_text.h"
#include "gui/raceview/horse_name_tips.h"
#include "gui/raceview/race_view_cells.h"
#include "gui/raceview/race_view_panel.h"
#include "gui/raceview/share_chart_view.h"
#include "support/day_builder.h"
#include "text/sjis.h"

using namespace tw;

class RaceViewTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void chooseDayAndWalkRaces();
  void snapshotButtonsRefillTablesAndChart();
  void deletionActions();
  void dataListClosesAfterLoadWhenTicked();
  void bracketModeDay();
  void chartsShowHorseNumbersAndEmptyChartsAreBlank();
  void raceCardAndGridsOfAWholeField();
};

namespace {

// A day of four races at course 05: three snapshots with a payout, two
// snapshots, none, and one snapshot.
struct Fixture : test::MainWindowFixture {
  explicit Fixture(int races = 4, int runners = 14) {
    OpenWindow();
    test::DayBuilder day(shell->paths().DataFolder(), 2024, 5, 12);
    for (int r = 1; r <= races; ++r) {
      const int slot = day.AddRace("05", r, r == 2 ? 10 : runners, "1545");
      day.AddRunners(slot);
      day.SetHorseName(slot, 3, Sjis("テストホース"));
      const int snapshots = r == 3 ? 0 : r == 4 ? 1 : r == 2 ? 2 : 3;
      for (int s = 1; s <= snapshots; ++s) day.AddSampleSnapshot(slot, s, 9 + s, 10 * s);
      if (r % 4 == 1 || r == 3) day.AddSamplePayout(slot);
    }
    day.Write();
    window->FillDaySelector();
  }
  RaceViewPanel& panel() { return *w().raceView(); }
  void ChooseDay() {
    w().dateCombo()->setCurrentIndex(0);
    w().LoadChosenDay();
  }
  QTableWidget* table(const char* name) { return panel().findChild<QTableWidget*>(name); }
  QLabel* label(const char* name) { return panel().findChild<QLabel*>(name); }
  QString cell(const char* grid, int row, int column) {
    auto* item = table(grid)->item(row, column);
    return item ? item->text() : QString();
  }
};

}  // namespace

void RaceViewTest::chooseDayAndWalkRaces() {
  Fixture f;
  QCOMPARE(f.w().dateCombo()->itemText(0), FromUtf8("2024年05月12日"));
  f.ChooseDay();
  QCOMPARE(f.w().raceListBox()->count(), 4);
  QCOMPARE(f.w().raceListBox()->currentRow(), 0);
  // The day is today: the result timer runs with the default 15 minutes.
  QVERIFY(f.w().resultTimer()->isActive());
  QCOMPARE(f.w().resultTimer()->interval(), 15 * 60000);

  RaceView v = BuildRaceView(f.w().model(), 0);
  QCOMPARE(f.label("DateLabel")->text(), FromUtf8("2024年05月12日東京02回06日"));
  QCOMPARE(f.label("RaceLabel")->text(), FromUtf8(" 1R"));
  QCOMPARE(f.label("FetchCountLabel")->text(), FromUtf8("３回"));
  QCOMPARE(f.w().postTimeLabel()->text(), FromUtf8("15時45分発走"));
  QCOMPARE(f.label("Result1Label")->text(), FromUtf8(" 1- 2"));
  for (int h = 1; h <= 14; ++h)
    for (int s = 1; s <= 3; ++s) {
      QCOMPARE(f.cell("WinOddsGrid", h - 1, s), ToQt(v.winOdds[h][s].text));
      QCOMPARE(f.cell("WinShareGrid", h - 1, s), ToQt(v.winShare[h][s]));
      QCOMPARE(f.cell("QuinellaShareGrid", h - 1, s), ToQt(v.quinellaShare[h][s]));
      QCOMPARE(f.cell("ShareGapGrid", h - 1, s), ToQt(v.shareGap[h][s]));
    }
  QVERIFY(!f.cell("WinOddsGrid", 0, 1).isEmpty());
  QCOMPARE(f.table("WinOddsGrid")->item(0, 1)->foreground().color(),
           QColor(v.winOdds[1][1].colour->red, v.winOdds[1][1].colour->green, v.winOdds[1][1].colour->blue));
  QCOMPARE(f.table("WinOddsGrid")->horizontalHeaderItem(2)->text(), FromUtf8("11時20分"));
  QCOMPARE(f.cell("ResultsGrid", 0, 0), FromUtf8("単勝"));
  QVERIFY(f.panel().snapshotButton("ChartSnapshot3")->isChecked());
  QCOMPARE(f.label("ShortQuinellaLabel")->text(), ToQt(v.shortQuinella));
  // Quinella mode: only the quinella odds tab.
  QVERIFY(!f.w().tabs()->isTabVisible(4));
  QVERIFY(f.w().tabs()->isTabVisible(5));
  // The heading row is the grids' fixed header; one table row per horse.
  QCOMPARE(f.w().judgementGrid(JudgementGridKind::kDecision)->rowCount(), 14);
  QCOMPARE(f.w().judgementGrid(JudgementGridKind::kAxis)->item(13, 0)->text(), QString::number(BracketOfHorse(14, 14)));
  // Brackets 3 and 4 (red, blue) carry white digits, the light ones black.
  for (int h = 1; h <= 14; ++h) {
    QTableWidgetItem* bracket = f.w().judgementGrid(JudgementGridKind::kAxis)->item(h - 1, 0);
    const int b = bracket->text().toInt();
    const QColor expected = (b == 3 || b == 4) ? QColor(Qt::white) : QColor(Qt::black);
    QCOMPARE(bracket->foreground().color(), expected);
  }

  // The stepper shows race 2, which has two snapshots; the visible tab stays.
  f.w().tabs()->setCurrentIndex(1);
  f.w().StepRace(+1);
  QCOMPARE(f.w().raceListBox()->currentRow(), 1);
  QCOMPARE(f.w().tabs()->currentIndex(), 1);
  QCOMPARE(f.label("FetchCountLabel")->text(), FromUtf8("２回"));
  QVERIFY(!f.panel().snapshotButton("ChartSnapshot3")->isEnabled());
  QVERIFY(f.panel().snapshotButton("ChartSnapshot2")->isChecked());
  QVERIFY(!f.panel().snapshotButton("BracketSnapshot3")->isEnabled());
  QVERIFY(f.panel().chartTabs()->isTabVisible(4));
  QCOMPARE(f.label("Result1Label")->text(), QString());
  v = BuildRaceView(f.w().model(), 1);
  QCOMPARE(f.cell("AppendixGrid", 0, 3), ToQt(v.winChangeRank[1].text));
  // The appendix and the results are light text on black like the other tables.
  QCOMPARE(f.table("AppendixGrid")->item(0, 0)->foreground().color(), kLightText);
  QCOMPARE(f.table("ResultsGrid")->item(0, 1)->foreground().color(), kLightText);
  QVERIFY(!f.table("AppendixGrid")->styleSheet().contains("white"));
  QCOMPARE(f.w().judgementGrid(JudgementGridKind::kBetList)->rowCount(), static_cast<int>(v.grids[3].rows.size()) - 1);
  QCOMPARE(f.w().judgementGrid(JudgementGridKind::kBetList)->item(0, 1)->text(), ToQt(v.grids[3].rows[1][1].text));

  // Race 3 has no odds: header and results, empty tables, no snapshot buttons.
  f.w().raceListBox()->setCurrentRow(2);
  QCOMPARE(f.w().model().selectedRace, 2);
  QCOMPARE(f.label("RaceLabel")->text(), FromUtf8(" 3R"));
  QCOMPARE(f.label("FetchCountLabel")->text(), QString());
  QCOMPARE(f.cell("WinOddsGrid", 0, 1), QString());
  QCOMPARE(f.cell("QuinellaOddsGrid", 0, 0), QString());
  QVERIFY(!f.panel().snapshotButton("ChartSnapshot1")->isEnabled());
  QVERIFY(!f.panel().chartTabs()->isTabVisible(4));
  QCOMPARE(f.cell("ResultsGrid", 14, 1), FromUtf8(" 1- 2"));     // the quinella result
  QCOMPARE(f.cell("ResultsGrid", 14, 3), FromUtf8("     450"));  // the wide payout
  QCOMPARE(f.w().tabs()->currentIndex(), 1);

  // Race 4 has one snapshot: the bet grid is the struck-through empty row.
  f.w().StepRace(+1);
  f.w().StepRace(+1);
  QCOMPARE(f.label("RaceLabel")->text(), FromUtf8(" 4R"));
  QCOMPARE(f.w().judgementGrid(JudgementGridKind::kBetList)->rowCount(), 1);
  QCOMPARE(f.w().judgementGrid(JudgementGridKind::kBetList)->item(0, 1)->text(), FromUtf8("　"));
}

void RaceViewTest::snapshotButtonsRefillTablesAndChart() {
  Fixture f;
  f.ChooseDay();
  const RaceSlot& slot = f.w().model().slots[0];
  // Quinella table of snapshot 3 is shown first; "1回目" switches to snapshot 1.
  PairOddsTable third = QuinellaOddsTable(slot, 3);
  QCOMPARE(f.cell("QuinellaOddsGrid", 0, 0), ToQt(third.fields[1].text).trimmed());
  QCOMPARE(f.label("QuinellaTimeLabel")->text(), FromUtf8("12時30分"));
  f.panel().snapshotButton("QuinellaSnapshot1")->click();
  PairOddsTable first = QuinellaOddsTable(slot, 1);
  QVERIFY(f.panel().snapshotButton("QuinellaSnapshot1")->isChecked());
  QVERIFY(!f.panel().snapshotButton("QuinellaSnapshot3")->isChecked());
  QCOMPARE(f.label("QuinellaTimeLabel")->text(), FromUtf8("10時10分"));
  // Pair 1-2 sits in row 1, column 2; pair 13-14 in row 13, column 14.
  QCOMPARE(f.cell("QuinellaOddsGrid", 0, 0), ToQt(first.fields[1].text).trimmed());
  const int j = QuinellaPairIndexOf(13, 14);
  QCOMPARE(f.cell("QuinellaOddsGrid", 12, 12), ToQt(first.fields[j].text).trimmed());
  const Colour c = *first.fields[j].colour;
  QCOMPARE(f.table("QuinellaOddsGrid")->item(12, 12)->foreground().color(), QColor(c.red, c.green, c.blue));

  // Chart10 for snapshot 1: one bar per horse in the view model's order.
  f.panel().snapshotButton("ChartSnapshot1")->click();
  const ChartView chart = SnapshotChart(f.panel().view(), 1);
  QAbstractBarSeries* bars = f.panel().chart("SnapshotChart")->bars();
  QVERIFY(bars);
  QCOMPARE(bars->count(), 3);
  QCOMPARE(bars->barSets().at(0)->label(), FromUtf8("馬連投票率"));
  QCOMPARE(bars->barSets().at(0)->count(), static_cast<int>(chart.series[0].points.size()));
  QCOMPARE(bars->barSets().at(0)->at(0), chart.series[0].points[0].value);
  QCOMPARE(f.label("ShortQuinellaLabel")->text(),
           QString::number(slot.analysis.shortQuinellaCount[1]) + FromUtf8("個"));
  QAbstractBarSeries* change = f.panel().chart("WinChangeChart")->bars();
  QVERIFY(change);
  QCOMPARE(change->barSets().at(0)->count(),
           static_cast<int>(f.panel().view().charts.winChange.series[0].points.size()));
}

void RaceViewTest::deletionActions() {
  Fixture f;
  // Without a chosen day: a beep and the message, nothing asked.
  f.w().findChild<QAction*>("EraseAllRacesAll")->trigger();
  QCOMPARE(f.port.events, (std::vector<std::string>{"beep", "inform:データが読み込まれていません。"}));
  f.port.events.clear();

  f.ChooseDay();
  QVERIFY(f.w().findChild<QAction*>("EraseShownRaceLater")->isEnabled());
  // Race 1 on view; No changes nothing.
  f.port.answers = {false};
  f.w().findChild<QAction*>("EraseShownRaceLater")->trigger();
  QCOMPARE(f.port.events,
           (std::vector<std::string>{"confirm:当レースの２，３回分のオッズを消去します。実行しますか？"}));
  QCOMPARE(f.w().model().slots[0].analysis.snapshotCount, 3);
  // Yes keeps only snapshot 1 of the race on view and reloads the day.
  f.port.events.clear();
  f.port.answers = {true};
  f.w().findChild<QAction*>("EraseShownRaceLater")->trigger();
  QCOMPARE(f.w().model().slots[0].analysis.snapshotCount, 1);
  QCOMPARE(f.w().model().slots[1].analysis.snapshotCount, 2);
  QCOMPARE(f.label("FetchCountLabel")->text(), FromUtf8("１回"));
  QCOMPARE(f.w().raceListBox()->currentRow(), 0);

  // C1 on the second race: the slot index written before the question.
  f.w().raceListBox()->setCurrentRow(1);
  f.port.events.clear();
  f.port.answers = {true};
  f.w().findChild<QAction*>("EraseShownRaceAll")->trigger();
  QCOMPARE(f.port.events, (std::vector<std::string>{"confirm:1当レースの全回分のオッズを消去します。実行しますか？"}));
  QCOMPARE(f.w().model().slots[1].analysis.snapshotCount, 0);
  QCOMPARE(f.w().raceListBox()->currentRow(), 1);
  QCOMPARE(f.label("FetchCountLabel")->text(), QString());

  // A2 keeps the first snapshot of every race and stays on the race on view.
  f.w().raceListBox()->setCurrentRow(3);
  f.port.answers = {true};
  f.w().findChild<QAction*>("EraseAllRacesLater")->trigger();
  QCOMPARE(f.w().raceListBox()->currentRow(), 3);
  QCOMPARE(f.w().model().slots[0].analysis.snapshotCount, 1);
  QCOMPARE(f.w().model().slots[3].analysis.snapshotCount, 1);

  // A1 empties every race and shows the first.
  f.port.answers = {true};
  f.w().findChild<QAction*>("EraseAllRacesAll")->trigger();
  QCOMPARE(f.w().raceListBox()->currentRow(), 0);
  QCOMPARE(f.w().model().slots[3].analysis.snapshotCount, 0);
}

void RaceViewTest::dataListClosesAfterLoadWhenTicked() {
  Fixture f;
  f.ChooseDay();
  QVERIFY(!f.w().sidePanel()->isHidden());
  f.w().findChild<QAction*>("CloseListAfterLoadItem")->trigger();
  QVERIFY(f.w().findChild<QAction*>("CloseListAfterLoadItem")->isChecked());
  QVERIFY(f.shell->settings().ReadBool(setting::kCloseDataListAfterLoad));
  f.ChooseDay();
  QVERIFY(f.w().sidePanel()->isHidden());
  // A reload by a deletion leaves the panel as it is; "F" brings it back.
  f.w().findChild<QAction*>("ToggleRaceList")->trigger();
  QVERIFY(!f.w().sidePanel()->isHidden());
  f.port.answers = {true};
  f.w().findChild<QAction*>("EraseShownRaceLater")->trigger();
  QVERIFY(!f.w().sidePanel()->isHidden());
}

void RaceViewTest::bracketModeDay() {
  // Eight runners on a day of 2004: the bracket table stands for the pairs.
  Fixture f(0);
  test::DayBuilder old(f.shell->paths().DataFolder(), 2004, 7, 3);
  const int slot = old.AddRace("05", 3, 8, "1100");
  old.AddSampleSnapshot(slot, 1, 9, 30);
  old.AddSampleSnapshot(slot, 2, 10, 30);
  old.Write();
  f.w().FillDaySelector();
  QCOMPARE(f.w().dateCombo()->itemText(0), FromUtf8("2024年05月12日"));
  f.w().dateCombo()->setCurrentIndex(1);
  f.w().LoadChosenDay();
  QCOMPARE(f.w().raceListBox()->count(), 1);
  QVERIFY(!f.w().resultTimer()->isActive());  // a past day
  QVERIFY(f.w().tabs()->isTabVisible(4));
  QVERIFY(!f.w().tabs()->isTabVisible(5));
  QVERIFY(f.panel().snapshotButton("BracketSnapshot2")->isChecked());
  const PairOddsTable table = BracketOddsTable(f.w().model().slots[0], 2);
  QCOMPARE(f.cell("BracketOddsGrid", 0, 1), ToQt(table.fields[2].text).trimmed());  // pair 1-2
  QCOMPARE(f.label("BracketTimeLabel")->text(), FromUtf8("10時30分"));
  QCOMPARE(f.panel().findChild<QListWidget*>("BracketPopularityList2")->count(),
           static_cast<int>(BuildRaceView(f.w().model(), 0).bracketPopularity[2].size()));
}

void RaceViewTest::chartsShowHorseNumbersAndEmptyChartsAreBlank() {
  Fixture f;
  f.ChooseDay();
  f.w().raceListBox()->setCurrentRow(0);
  // The change chart of race 1: its horses, read as numbers, never "...".
  ShareChartView* change = f.panel().chart("WinChangeChart");
  QBarCategoryAxis* axis = nullptr;
  for (QAbstractAxis* a : change->chart()->axes())
    if (auto* c = qobject_cast<QBarCategoryAxis*>(a)) axis = c;
  QVERIFY(axis);
  QVERIFY(!axis->truncateLabels());
  const ChartSeries& series = f.panel().view().charts.winChange.series[0];
  QCOMPARE(axis->count(), static_cast<int>(series.points.size()));
  for (int i = 0; i < axis->count(); ++i) QCOMPARE(axis->at(i), ToQt(series.points[Index(i)].label).trimmed());
  // The value axis ends above the tallest bar, on a round tick.
  QValueAxis* values = nullptr;
  for (QAbstractAxis* a : change->chart()->axes())
    if (auto* v = qobject_cast<QValueAxis*>(a)) values = v;
  QVERIFY(values);
  for (const ChartPoint& p : series.points) QVERIFY(p.value < values->max() && p.value >= values->min());
  const double step = (values->max() - values->min()) / (values->tickCount() - 1);
  const double mantissa = step / std::pow(10.0, std::floor(std::log10(step)));
  QVERIFY(qFuzzyCompare(mantissa, 1.0) || qFuzzyCompare(mantissa, 2.0) || qFuzzyCompare(mantissa, 5.0));
  // Race 3 has no odds: its charts are blank, without axes or titles.
  f.w().raceListBox()->setCurrentRow(2);
  for (const char* name : {"SnapshotChart", "WinShareChart", "ShareGapChart"}) {
    QChart* chart = f.panel().chart(name)->chart();
    QVERIFY(chart->axes().isEmpty());
    QVERIFY(chart->series().isEmpty());
    QVERIFY(chart->title().isEmpty());
  }
}

void RaceViewTest::raceCardAndGridsOfAWholeField() {
  Fixture f(1, 18);
  f.ChooseDay();
  QCOMPARE(f.panel().raceCardGrid()->rowCount(), 18);
  QCOMPARE(f.panel().raceCardGrid()->item(2, 2)->text(), FromUtf8("テストホース"));
  QCOMPARE(f.panel().horseNames().NameOf(3), FromUtf8("テストホース"));
  // The grids of horses scroll as one; at 1280 x 1024 they show every horse.
  f.w().tabs()->setCurrentIndex(7);
  f.w().show();
  QVERIFY(QTest::qWaitForWindowExposed(&f.w()));
  f.w().judgementGrid(JudgementGridKind::kAxis)->verticalScrollBar()->setValue(3);
  QCOMPARE(f.w().judgementGrid(JudgementGridKind::kDecision)->verticalScrollBar()->value(), 3);
  f.w().resize(1280, 1024);
  QTRY_COMPARE(f.w().height(), 1024);
  for (auto kind : {JudgementGridKind::kAxis, JudgementGridKind::kPartner, JudgementGridKind::kDecision}) {
    QTableWidget* grid = f.w().judgementGrid(kind);
    QTRY_VERIFY(grid->rowViewportPosition(17) + grid->rowHeight(17) <= grid->viewport()->height());
  }
}

QTEST_MAIN(RaceViewTest)
#include "race_view_test.moc"
