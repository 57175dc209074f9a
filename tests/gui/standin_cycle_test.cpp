// A whole race day through the windows against the local stand-in and a
// generated feed: the download window fills Data, choosing the day loads it,
// flash odds at two times give two snapshots in order, and the results
// action brings the payouts.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "acquire/stream_gate.h"
#include "feedgen/feed_gen.h"
#include "gui/acquisition/download_window.h"
#include "gui/main_window.h"
#include "gui/qt_text.h"
#include "shell/app_shell.h"
#include "shell/platform_jvlink.h"
#include "store/race_day_store.h"
#include "support/fake_user_port.h"
#include "text/fields.h"
#include "text/files.h"

using namespace tw;

class StandInCycleTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void raceDayThroughTheWindows();
};

void StandInCycleTest::raceDayThroughTheWindows() {
  QTemporaryDir dir;
  const std::string app = dir.path().toStdString();
  FeedGenOptions feed;
  feed.outFolder = JoinPath(app, "Feed");
  feed.date = {2026, 12, 6, 0, 0, 0};
  feed.seed = 7;
  feed.courses = 1;
  feed.racesPerCourse = 8;
  std::string error;
  QVERIFY2(GenerateFeed(feed, nullptr, &error), error.c_str());

  ManualClock clock({2026, 12, 6, 8, 30, 0});
  test::FakeUserPort ui;
  StandInOptions options;
  options.appFolder = app;
  options.paceMillis = 1;
  PlatformJVLinkFactory factory(clock, options);
  factory.tryComControl = false;
  AppShell shell(AppPaths(app, "turfwise"), clock, ui, factory);
  QtUserPort qtUi;
  MainWindow window(shell, qtUi);
  QVERIFY(window.created());
  window.show();  // JVInit

  {
    // The download window, as "JVデータ取得" opens it.
    RaceDayStore store(shell.paths().DataFolder());
    StreamGate gate;
    DownloadWindow form(*shell.jvlink(), store, shell.settings(), clock, gate, &ui);
    form.normalChoice()->setChecked(true);
    QTest::mouseClick(form.findChild<QPushButton*>("StartButton"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(form.progressLabel()->text().startsWith(QString::fromUtf8("データ読込み完了")), 20000);
    QVERIFY(form.madeFiles()->model()->rowCount() > 0);
    form.close();
  }
  const std::string dayName = DayNameOf(clock.Now());
  QVERIFY(FileExists(JoinPath(shell.paths().DataFolder(), dayName + ".jvRA")));

  window.FillDaySelector();
  const int dayRow = window.dateCombo()->findText(ToQt(dayName));
  QVERIFY(dayRow >= 0);
  window.dateCombo()->setCurrentIndex(dayRow);
  window.LoadChosenDay();  // as choosing it in the list does
  QCOMPARE(window.raceListBox()->count(), 8);
  window.raceListBox()->setCurrentRow(7);  // race 8

  clock.Set({2026, 12, 6, 10, 20, 0});
  window.findChild<QAction*>("FlashOdds")->trigger();
  clock.Set({2026, 12, 6, 12, 20, 0});
  window.findChild<QAction*>("FlashOdds")->trigger();
  const RaceAnalysis& a = window.model().slots[7].analysis;
  QCOMPARE(a.snapshotCount, 2);
  QVERIFY(IntValue(Field(window.model().slots[7].winOdds[1], 28, 8)) <
          IntValue(Field(window.model().slots[7].winOdds[2], 28, 8)));

  clock.Set({2026, 12, 6, 17, 30, 0});
  window.findChild<QAction*>("FetchResults")->trigger();
  QVERIFY(window.model().slots[7].analysis.hasPayout);
  window.close();
}

QTEST_MAIN(StandInCycleTest)
#include "standin_cycle_test.moc"
