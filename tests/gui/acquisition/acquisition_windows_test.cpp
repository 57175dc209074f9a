// The acquisition windows offscreen: the race-card download window, the
// odds fetch window, the two setting dialogs, and the main window's actions
// wired by AcquisitionActions, all against the scripted JV-Link.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMessageBox>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <algorithm>

#include "acquire/fetch_time_settings.h"
#include "analysis/load_race_day.h"
#include "gui/acquisition/acquisition_actions.h"
#include "gui/acquisition/download_window.h"
#include "gui/acquisition/minutes_dialog.h"
#include "gui/acquisition/odds_fetch_window.h"
#include "gui/main_window.h"
#include "gui/main_window_fixture.h"
#include "gui/printing/shared_printer.h"
#include "gui/qt_text.h"
#include "gui/qt_user_port.h"
#include "shell/app_shell.h"
#include "support/day_builder.h"
#include "support/fake_user_port.h"
#include "support/scripted_jvlink.h"
#include "text/fields.h"
#include "text/files.h"

using namespace tw;
using tw::test::DayBuilder;
using tw::test::FakeUserPort;

class AcquisitionWindowsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void downloadWindow();
  void oddsWindow();
  void oddsWindowShowsADayOf24Races();
  void settingDialogs();
  void mainWindowActions();
  void closingDuringAFetchCancelsItFirst();
};

namespace {

// A race day of eight Tokyo races on 2024-05-12 in a temporary folder, with
// the pieces every fetch works with.
struct Day {
  QTemporaryDir dir;
  std::string data = JoinPath(dir.path().toStdString(), "Data");
  ManualClock clock{{2024, 5, 12, 9, 0, 0}};
  FakeUserPort ui;
  Settings settings{JoinPath(dir.path().toStdString(), "turfwise.ini")};
  ErrorLog log{JoinPath(dir.path().toStdString(), "ErrorLog.txt"), clock, ui};
  ScriptedJVLink jv;
  RaceDayStore store{data};
  StreamGate gate;
  RaceDayModel model;
  RaceList list;
  DayBuilder day{data};

  Day() {
    EnsureFolder(data);
    for (int r = 1; r <= 8; ++r) day.AddRace("05", r, 10, "1400");
    day.AddSampleSnapshot(7, 1, 10, 16);
    day.Write();
    LoadRaceDay(model, list, data, day.dayName(), ReadResultInterval(settings), DayNameOf(clock.Now()));
  }
  AcquisitionContext context() { return {jv, store, settings, log, clock, ui, model, gate}; }
};

}  // namespace

void AcquisitionWindowsTest::downloadWindow() {
  Day d;
  d.settings.WriteString(setting::kDownloadFromTime, "2024/05/03 10:20:30");
  DownloadWindow form(d.jv, d.store, d.settings, d.clock, d.gate, &d.ui);
  QCOMPARE(form.windowTitle(), FromUtf8("ＪＶデータ取込"));
  QVERIFY(form.thisWeekChoice()->isChecked());
  QCOMPARE(form.picker()->date(), QDate(2024, 5, 3));
  QCOMPARE(form.fromTimeLabel()->text(), QString("2024/05/03 10:20:30"));
  QCOMPARE(form.statusTimer()->interval(), 10);
  QVERIFY(form.findChild<QPushButton*>("JVLinkSettingsButton")->toolTip().startsWith(FromUtf8("JRA-VAN")));

  d.jv.openResults = {{0, 1, 0, "20240511183000"}};
  std::string race = test::RaceLine(d.day.Key("05", 9), 10, "1500") + "\r\n";
  race.replace(2, 9, "720240510");
  d.jv.QueueRecord(race);
  d.jv.readResults.push_back({-1, "", ""});
  form.normalChoice()->setChecked(true);
  QTest::mouseClick(form.findChild<QPushButton*>("StartButton"), Qt::LeftButton);
  QCOMPARE(QString::fromStdString(d.jv.calls.front()), QString("JVOpen(RACE,20240503102030,1)"));
  QCOMPARE(form.madeFiles()->model()->rowCount(), 1);
  QCOMPARE(form.madeFiles()->model()->index(0, 0).data().toString(),
           FromUtf8("作成済み:09R/") + ToQt(d.day.dayName() + ".jvRA"));
  QCOMPARE(form.progressLabel()->text(), FromUtf8("データ読込み完了(1/1)"));
  QCOMPARE(form.fromTimeLabel()->text(), QString("2024/05/11 18:30:00"));
  QVERIFY(!form.download().running());

  // The date picker keeps the time part of the from-time.
  form.picker()->setDate(QDate(2024, 5, 4));
  QCOMPARE(QString::fromStdString(FormatDateTime(form.download().fromTime())), QString("2024/05/04 18:30:00"));
  bool closed = false;
  form.onClosed = [&] { closed = true; };
  form.close();
  QVERIFY(closed);
}

void AcquisitionWindowsTest::oddsWindow() {
  Day d;
  AcquisitionContext context = d.context();
  OddsFetchWindow form(context, &d.ui);
  QCOMPARE(form.windowTitle(), FromUtf8("オッズ手動取得"));
  form.Fill(MakeScheduleGrid(d.model, d.day.dayName()));
  QCOMPARE(form.dateLabel()->text(), ToQt(d.day.dayName()));
  QCOMPARE(form.checkList()->count(), 8);
  QCOMPARE(form.grid()->rowCount(), 8);
  QCOMPARE(form.grid()->horizontalHeaderItem(2)->text(), FromUtf8("1回目時刻"));
  QCOMPARE(form.grid()->item(7, 2)->text(), QString("10:15"));
  QCOMPARE(form.grid()->item(7, 3)->text(), QString("10:16"));
  QCOMPARE(form.grid()->item(7, 2)->background().color(), QColor(193, 255, 255));
  QCOMPARE(form.grid()->item(7, 3)->background().color(), QColor(252, 205, 238));
  QCOMPARE(form.grid()->item(0, 1)->background().color(), QColor(Qt::white));
  // The schedule prints as a ruled table; here into a PDF file.
  QVERIFY(form.printButton()->isEnabled());
  SharedPrinter printer;
  form.printer = &printer;
  if (!printer.HasTarget()) {
    form.PrintSchedule();
    QCOMPARE(d.ui.events, std::vector<std::string>({"beep", "inform:プリンタが登録されていません"}));
    d.ui.events.clear();
  }
  printer.printer().setOutputFormat(QPrinter::PdfFormat);
  const QString pdf = d.dir.path() + "/schedule.pdf";
  printer.printer().setOutputFileName(pdf);
  form.PrintSchedule();
  QVERIFY(ReadFileBytes(pdf.toStdString()).value_or("").find("/Count 1") != std::string::npos);
  QCOMPARE(form.fetchButton()->text(), FromUtf8("ｵｯｽﾞを今すぐ取得"));

  form.FetchNow();  // nothing ticked
  QCOMPARE(d.ui.events, std::vector<std::string>({"beep", "inform:オッズ取得するレースをチェックしてください。"}));
  form.CheckAllRaces();
  QCOMPARE(form.Ticks(), std::vector<bool>(8, true));
  form.UncheckAllRaces();
  form.checkList()->item(2)->setCheckState(Qt::Checked);
  d.ui.events.clear();
  d.jv.rtOpenResults = {0};
  d.jv.QueueRecord(test::WinOddsLine(d.day.Key("05", 3), "05120930", test::SampleWinOdds(10, 0)));
  // The grid shows the new snapshot's time as soon as the run has stored it.
  form.scheduleAfterFetch = [&] {
    LoadRaceDay(d.model, d.list, d.data, d.day.dayName(), ReadResultInterval(d.settings), DayNameOf(d.clock.Now()));
    return MakeScheduleGrid(d.model, d.day.dayName());
  };
  QCOMPARE(form.grid()->item(2, 3)->text(), QString());
  form.FetchNow();
  QCOMPARE(form.grid()->item(2, 3)->text(), QString("09:30"));
  QCOMPARE(form.checkList()->item(2)->checkState(), Qt::Checked);
  QCOMPARE(form.progressBar()->value(), 100);
  QVERIFY(!form.stopButton()->isEnabled() && form.fetchButton()->isEnabled());  // 中止 only while it runs
  QCOMPARE(form.progressLabel()->text(), FromUtf8("データ読込み中:東京 3R"));
  QCOMPARE(QString::fromStdString(d.ui.events.back()),
           FromUtf8("inform:データ作成が完了しました。\nオッズを保存したレース：1"));
  auto lines = LoadLines(JoinPath(d.data, d.day.dayName() + ".jvO1")).value();
  QCOMPARE(QString::fromStdString(Field(lines[6], 28, 8)), QString("05120930"));
}

void AcquisitionWindowsTest::oddsWindowShowsADayOf24Races() {
  Day d;
  DayBuilder two(d.data, 2024, 5, 19);
  for (const char* course : {"07", "08"})
    for (int r = 1; r <= 12; ++r) two.AddRace(course, r, 16, "1500");
  two.Write();
  LoadRaceDay(d.model, d.list, d.data, two.dayName(), ReadResultInterval(d.settings), DayNameOf(d.clock.Now()));
  AcquisitionContext context = d.context();
  OddsFetchWindow form(context, &d.ui);
  form.Fill(MakeScheduleGrid(d.model, two.dayName()));
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  QTableWidget* grid = form.grid();
  QCOMPARE(grid->rowCount(), 24);
  // Every race on one line, every row and column in view.
  QVERIFY(!grid->wordWrap());
  const QString label = grid->item(12, 0)->text();
  QVERIFY(grid->columnWidth(0) > grid->fontMetrics().horizontalAdvance(label));
  QVERIFY(grid->rowViewportPosition(23) + grid->rowHeight(23) <= grid->viewport()->height());
  const int last = grid->columnCount() - 1;
  QVERIFY(grid->columnViewportPosition(last) + grid->columnWidth(last) <= grid->viewport()->width());
  QListWidget* list = form.checkList();
  QVERIFY(list->visualItemRect(list->item(23)).bottom() <= list->viewport()->height());
}

void AcquisitionWindowsTest::settingDialogs() {
  Day d;
  MinutesDialog delay(FetchDelaySetting(), d.settings);
  QCOMPARE(delay.windowTitle(), FromUtf8("オッズデータ取得時刻調整"));
  QCOMPARE(delay.minutesBox()->value(), 5);
  QCOMPARE(delay.minutesBox()->maximum(), 15);
  delay.minutesBox()->setValue(9);
  delay.StoreAndClose();
  QCOMPARE(d.settings.ReadInteger(setting::kFetchDelay), 9);

  MinutesDialog interval(ResultIntervalSetting(), d.settings);
  QCOMPARE(interval.windowTitle(), FromUtf8("データ取得時刻設定"));
  QCOMPARE(interval.minutesBox()->value(), 15);
  QCOMPARE(interval.minutesBox()->minimum(), 5);
  QCOMPARE(interval.minutesBox()->maximum(), 59);
  interval.minutesBox()->setValue(30);
  interval.reject();  // closing without OK stores nothing
  QVERIFY(!d.settings.ReadRaw(setting::kResultInterval).has_value());

  // 3 typed (below 5) and OK: 5 is stored.
  MinutesDialog typed(ResultIntervalSetting(), d.settings);
  typed.show();
  QLineEdit* edit = typed.minutesBox()->findChild<QLineEdit*>();
  edit->selectAll();
  QTest::keyClicks(edit, "3");
  QCOMPARE(typed.minutesBox()->text(), QString("3"));
  QCOMPARE(typed.minutesBox()->value(), 15);
  auto* ok = typed.findChild<QPushButton*>("OkButton");
  ok->setFocus();  // the box loses the focus as the button is pressed
  QTest::mouseClick(ok, Qt::LeftButton);
  QCOMPARE(d.settings.ReadInteger(setting::kResultInterval), 5);
}

void AcquisitionWindowsTest::mainWindowActions() {
  test::MainWindowFixture f(true);
  AppShell& shell = *f.shell;
  MainWindow& w = f.OpenWindow();
  QVERIFY(w.created());
  DayBuilder day(shell.paths().DataFolder());
  for (int r = 1; r <= 8; ++r) day.AddRace("05", r, 10, "1400");
  day.Write();
  w.FillDaySelector();
  // The window's own actions, as it wired them.
  AcquisitionActions& acquisition = w.acquisition();
  QVERIFY(w.findChild<QAction*>("FetchOdds")->isEnabled());
  QVERIFY(w.findChild<QAction*>("FlashOdds")->isEnabled());
  QVERIFY(w.autoFetchCheck()->isEnabled());
  QCOMPARE(acquisition.scheduleTimer()->interval(), 40000);
  QVERIFY(!acquisition.scheduleTimer()->isActive());

  // "読込後ﾃﾞｰﾀﾘｽﾄを消す": choosing the day hides the side panel.
  w.findChild<QAction*>("CloseListAfterLoadItem")->trigger();
  w.show();
  w.dateCombo()->setCurrentIndex(0);
  Q_EMIT w.dateCombo()->activated(0);
  QVERIFY(w.raceListBox()->count() == 8);
  QVERIFY(w.sidePanel()->isHidden());
  w.findChild<QAction*>("ToggleRaceList")->trigger();
  QVERIFY(!w.sidePanel()->isHidden());
  QVERIFY(w.resultTimer()->isActive());  // today's day arms the result timer

  w.autoFetchCheck()->click();  // today, final card: automatic fetching goes on
  QVERIFY(w.autoFetchCheck()->isChecked());
  QVERIFY(acquisition.scheduleTimer()->isActive());
  QVERIFY(!w.findChild<QAction*>("FetchOdds")->isEnabled());
  w.autoFetchCheck()->click();
  QVERIFY(!acquisition.scheduleTimer()->isActive());
  QVERIFY(w.findChild<QAction*>("FetchOdds")->isEnabled());

  auto* jv = dynamic_cast<ScriptedJVLink*>(shell.jvlink());
  QVERIFY(jv);
  // A failed flash-odds fetch stays in the status bar with its time...
  w.raceListBox()->setCurrentRow(4);
  jv->rtOpenResults = {-201};
  w.findChild<QAction*>("FlashOdds")->trigger();
  QVERIFY(w.statusLabel()->text().startsWith(FromUtf8("09:00 速報ｵｯｽﾞ：東京 5R:JVRTOpenエラー:")));
  QVERIFY(w.lastFailureLabel()->text().startsWith(FromUtf8("【エラー】09:00:00：09:00 速報ｵｯｽﾞ")));
  // ...until a fetch succeeds; the reload keeps the side panel in view.
  jv->rtOpenResults = {0};
  jv->QueueRecord(test::WinOddsLine(day.Key("05", 5), "05120935", test::SampleWinOdds(10, 0)));
  w.findChild<QAction*>("FlashOdds")->trigger();
  QCOMPARE(w.lastFailureLabel()->text(), QString());
  QCOMPARE(w.statusLabel()->text(), FromUtf8("09:00 速報ｵｯｽﾞ：東京 5Rのｵｯｽﾞを保存"));
  QCOMPARE(QString::fromStdString(Field(w.model().slots[4].winOdds[1], 28, 8)), QString("05120935"));
  QCOMPARE(w.raceListBox()->currentRow(), 4);  // the same race is shown again
  QVERIFY(!w.sidePanel()->isHidden());

  // After a new day list no row shows a race.
  w.FillDaySelector();
  QCOMPARE(w.raceList().rows(), 0);
  QVERIFY(w.raceList().slots.empty());
  w.hide();
}

void AcquisitionWindowsTest::closingDuringAFetchCancelsItFirst() {
  test::MainWindowFixture f(true);
  MainWindow& w = f.OpenWindow();
  DayBuilder day(f.shell->paths().DataFolder());
  for (int r = 1; r <= 8; ++r) day.AddRace("05", r, 10, "1400");
  day.Write();
  w.FillDaySelector();
  w.show();
  w.dateCombo()->setCurrentIndex(0);
  w.LoadChosenDay();
  w.raceListBox()->setCurrentRow(2);
  auto* jv = dynamic_cast<ScriptedJVLink*>(f.shell->jvlink());
  jv->rtOpenResults = {0};
  // A stream that is never ready: only a cancel ends the read loop.
  for (int i = 0; i < 20000; ++i) jv->readResults.push_back({-3, "", ""});
  bool asked = false;
  QTimer::singleShot(0, &w, [&] {
    // Closing in the middle of the fetch asks first...
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box);
      asked = true;
      QCOMPARE(box->text(), FromUtf8("データ取得中です。取得を中止して終了しますか？"));
      box->button(QMessageBox::Yes)->click();
    });
    w.close();
    QVERIFY(w.isVisible());  // ...and waits for the loop to end
  });
  w.findChild<QAction*>("FlashOdds")->trigger();
  QVERIFY(asked);
  QVERIFY(!w.isVisible());
  QVERIFY(jv->readResults.size() > 19000);
  const auto& calls = jv->calls;
  const auto cancel = std::find(calls.begin(), calls.end(), "JVCancel()");
  QVERIFY(cancel != calls.end());
  QVERIFY(std::find(cancel, calls.end(), "JVClose()") != calls.end());
}

QTEST_MAIN(AcquisitionWindowsTest)
#include "acquisition_windows_test.moc"
