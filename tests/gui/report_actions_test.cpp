// The hit-report buttons and the time-series actions of the main window.
#include "gui/report_actions.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "gui/main_window.h"
#include "gui/qt_text.h"
#include "gui/raceview/race_view_cells.h"
#include "main_window_fixture.h"
#include "support/day_builder.h"
#include "text/files.h"

using namespace tw;

class ReportActionsTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void hitReportWalksTheRacesAndCopiesTheReport();
  void reportThatCannotBeOpenedSaysWhereItIs();
  void timeSeriesFolderAndImport();
};

namespace {

struct Fixture : test::MainWindowFixture {
  Fixture() {
    OpenWindow();
    test::DayBuilder day(shell->paths().DataFolder(), 2024, 5, 12);
    for (int r = 1; r <= 4; ++r) {
      const int slot = day.AddRace("05", r, 14, "1545");
      day.AddRunners(slot);
      for (int s = 1; s <= 3; ++s) day.AddSampleSnapshot(slot, s, 9 + s, 10 * s);
      day.AddSamplePayout(slot);
    }
    day.Write();
    window->FillDaySelector();
    window->dateCombo()->setCurrentIndex(0);
    window->LoadChosenDay();
  }
};

bool HasInform(const test::FakeUserPort& port, const std::string& start) {
  for (const auto& e : port.events)
    if (e.rfind("inform:" + start, 0) == 0) return true;
  return false;
}

}  // namespace

void ReportActionsTest::hitReportWalksTheRacesAndCopiesTheReport() {
  Fixture f;
  std::string opened;
  f.window->reportActions().openReport = [&](const std::string& path) {
    opened = path;
    return true;
  };
  QApplication::clipboard()->clear();
  f.window->findChild<QAction*>("HitReport")->trigger();
  // Every race was shown in turn; the last one stays on view.
  QCOMPARE(f.window->raceListBox()->currentRow(), 3);
  const std::vector<std::string> reports = ListFolder(f.shell->paths().UploadFolder(), "TK*.txt");
  if (reports.empty()) {
    // No hit: nothing written, nothing opened.
    QVERIFY(opened.empty());
    QVERIFY(!FileExists(JoinPath(f.shell->paths().UploadFolder(), "Manbaken.txt")));
    return;
  }
  QCOMPARE(reports.size(), size_t(1));
  QCOMPARE(QString::fromStdString(reports[0]), QString("TK20240512.txt"));
  QCOMPARE(opened, JoinPath(f.shell->paths().UploadFolder(), reports[0]));
  const std::string bytes = ReadFileBytes(opened).value_or("");
  QCOMPARE(QApplication::clipboard()->text(), ToQt(bytes));
  QVERIFY(FileExists(JoinPath(f.shell->paths().UploadFolder(), "Manbaken.txt")));
}

void ReportActionsTest::reportThatCannotBeOpenedSaysWhereItIs() {
  Fixture f;
  // The first bet of a race becomes its quinella payout: the report has a hit.
  int slot = -1;
  for (int i = 0; i < 4 && slot < 0; ++i)
    if (!f.window->model().slots[Index(i)].analysis.betLabels[1].empty()) slot = i;
  QVERIFY(slot >= 0);
  const std::string bet = f.window->model().slots[Index(slot)].analysis.betLabels[1];
  const std::string payouts = JoinPath(f.shell->paths().DataFolder(), Sjis("2024年05月12日.jvHR"));
  std::string bytes = ReadFileBytes(payouts).value_or("");
  QVERIFY(bytes.size() >= Index(719 * (slot + 1)));
  const std::string pair = std::string(bet.substr(0, 2)) + bet.substr(3, 2);
  bytes.replace(Index(719 * slot + 245), 4, pair);
  bytes.replace(Index(719 * slot + 249), 9, "000012340");
  QVERIFY(WriteFileAtomic(payouts, bytes).ok);
  f.window->LoadChosenDay();

  // A desktop that cannot open it: the user is told where the report is.
  f.window->reportActions().openReport = [&](const std::string&) { return false; };
  f.port.events.clear();
  f.window->findChild<QAction*>("HitReport")->trigger();
  const std::string report = JoinPath(f.shell->paths().UploadFolder(), "TK20240512.txt");
  QVERIFY(FileExists(report));
  QCOMPARE(
      f.port.events.back(),
      "inform:" +
          SjisToUtf8(
              Sjis("レポートを開けませんでした。レポートはクリップボードにコピーし、次のファイルに保存しました：") +
              report));
}

void ReportActionsTest::timeSeriesFolderAndImport() {
  Fixture f;
  // Without a chosen folder the import stops at its first check.
  f.window->findChild<QAction*>("ImportTimeSeries")->trigger();
  QVERIFY(f.port.events.size() >= 2);
  QCOMPARE(QString::fromStdString(f.port.events[f.port.events.size() - 2]), QString("beep"));

  QTemporaryDir viewer;
  f.window->reportActions().folderChooser = [&]() -> std::optional<std::string> { return viewer.path().toStdString(); };
  f.window->findChild<QAction*>("TimeSeriesFolderItem")->trigger();
  QCOMPARE(QString::fromStdString(f.shell->settings().ReadString(setting::kTimeSeriesFolder)), viewer.path());

  // With an empty viewer folder the import runs, shows its summary and the
  // day is loaded again.
  f.port.events.clear();
  f.window->findChild<QAction*>("ImportTimeSeries")->trigger();
  QVERIFY(!f.port.events.empty());
  QVERIFY(!HasInform(f.port, "beep"));
  QCOMPARE(f.window->raceListBox()->count(), 4);
}

QTEST_MAIN(ReportActionsTest)
#include "report_actions_test.moc"
