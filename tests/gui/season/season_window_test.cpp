// The season report window on the hand-worked season of tests/support:
// opened by "成績集計" of the main window, its figures, sorting, the kind
// filter, stopping a run, the conditions and the CSV, PDF and print.
#include "gui/season/season_window.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include "gui/main_window_fixture.h"
#include "gui/printing/shared_printer.h"
#include "gui/report_actions.h"
#include "gui/season/season_exports.h"
#include "gui/season/season_filter_panel.h"
#include "gui/season/season_profit_chart.h"
#include "gui/season/season_run.h"
#include "season/season_table.h"
#include "support/season_days.h"
#include "text/files.h"

using namespace tw;

class SeasonWindowTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void openedFromTheMainWindowShowsTheSeason();
  void openedAtStartCountsAtOnce();
  void headingsSortByTheFiguresAndTheKindFilters();
  void cancelStopsMidRun();
  void conditionsChooseTheDaysAndCourses();
  void csvPdfAndPrintWriteTheirFiles();
};

namespace {

// A window of its own on the hand-worked season.
struct Fixture {
  QTemporaryDir dir;
  std::string data = dir.filePath("Data").toStdString();
  test::FakeUserPort port;
  SharedPrinter printer;
  std::unique_ptr<SeasonWindow> window;
  Fixture() {
    test::WriteHandWorkedSeason(data);
    window = std::make_unique<SeasonWindow>(data, dir.path().toStdString(), printer, port);
  }
  SeasonWindow& w() { return *window; }
};

void RunToTheEnd(SeasonWindow& window) {
  window.runButton()->click();
  QTRY_VERIFY_WITH_TIMEOUT(window.run().finished(), 10000);
}

QString Cell(QTableView* view, int row, int column) { return view->model()->index(row, column).data().toString(); }

QStringList Column(QTableView* view, int column) {
  QStringList texts;
  for (int r = 0; r < view->model()->rowCount(); ++r) texts << Cell(view, r, column);
  return texts;
}

void ClickHeading(QTableView* view, int column) {
  QHeaderView* header = view->horizontalHeader();
  const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

}  // namespace

void SeasonWindowTest::openedFromTheMainWindowShowsTheSeason() {
  test::MainWindowFixture f;
  test::WriteHandWorkedSeason(f.shell->paths().DataFolder());
  MainWindow& main = f.OpenWindow();
  bool seen = false;
  main.reportActions().beforeSeasonWindow = [&](SeasonWindow& shown) {
    QTimer::singleShot(0, &shown, [&] {
      seen = true;
      QListWidget* courses = shown.filters()->courseList();
      QCOMPARE(courses->count(), 2);
      QCOMPARE(courses->item(0)->text(), QString("東京"));
      QCOMPARE(courses->item(1)->text(), QString("中山"));
      QVERIFY(!shown.csvButton()->isEnabled());
      RunToTheEnd(shown);

      QTableView* summary = shown.summaryView();
      QCOMPARE(summary->model()->rowCount(), 3);
      QCOMPARE(Cell(summary, 0, kSeasonKindColumn), QString("馬連"));
      QCOMPARE(Cell(summary, 0, kSeasonRacesColumn), QString("7"));
      QCOMPARE(Cell(summary, 0, kSeasonBetsColumn), QString("38"));
      QCOMPARE(Cell(summary, 0, kSeasonStakeColumn), QString("3800"));
      QCOMPARE(Cell(summary, 0, kSeasonReturnColumn), QString("23280"));
      QCOMPARE(Cell(summary, 0, kSeasonReturnRateColumn), QString("612.6%"));
      QCOMPARE(Cell(summary, 0, kSeasonHitPlaceColumn), QString("2024年06月01日 東京 2R   6-10"));
      QCOMPARE(Cell(summary, 1, kSeasonReturnColumn), QString("7690"));
      QCOMPARE(Cell(summary, 2, kSeasonReturnColumn), QString("600"));
      QCOMPARE(shown.progress()->value(), 5);
      QCOMPARE(shown.progress()->maximum(), 5);
      QVERIFY(shown.countsLabel()->text().contains("集計した日 2  結果未取得の日 1  読み込めなかった日 2"));

      // The days not counted, with the reasons of the skipped ones.
      QCOMPARE(shown.tabs()->tabText(shown.tabs()->indexOf(shown.dayTree())), QString("数えなかった日（3）"));
      QTreeWidget* days = shown.dayTree();
      QCOMPARE(days->topLevelItemCount(), 2);
      QCOMPARE(days->topLevelItem(0)->child(0)->text(0), QString("2024年05月12日"));
      QCOMPARE(days->topLevelItem(1)->childCount(), 2);
      QVERIFY(days->topLevelItem(1)->child(1)->child(0)->text(0).contains("壊れた行があります"));

      // The running profit: a point for each counted day.
      QLineSeries* suggested = shown.profitChart()->suggested();
      QCOMPARE(suggested->count(), 2);
      QCOMPARE(suggested->at(1).y(), 23280.0 - 3800.0);
      QCOMPARE(shown.profitChart()->reference()->at(1).y(), 600.0 - 3800.0);
      QVERIFY(shown.csvButton()->isEnabled());
      shown.close();
    });
  };
  // An action of the file menu.
  QVERIFY(main.menuBar()->findChild<QMenu*>("FileMenu")->actions().contains(main.findChild<QAction*>("SeasonReport")));
  QCOMPARE(main.findChild<QAction*>("SeasonReport")->text(), QString("成績集計(&S)..."));
  main.findChild<QAction*>("SeasonReport")->trigger();
  QVERIFY(seen);
}

void SeasonWindowTest::openedAtStartCountsAtOnce() {
  test::MainWindowFixture f;
  test::WriteHandWorkedSeason(f.shell->paths().DataFolder());
  MainWindow& main = f.OpenWindow();
  bool counted = false;
  main.reportActions().beforeSeasonWindow = [&](SeasonWindow& shown) {
    QTimer::singleShot(0, &shown, [&] {
      QTRY_VERIFY_WITH_TIMEOUT(shown.run().finished(), 10000);
      counted = true;
      QCOMPARE(Cell(shown.summaryView(), 0, kSeasonStakeColumn), QString("3800"));
      shown.close();
    });
  };
  main.reportActions().OpenSeasonReportCounting();
  QVERIFY(counted);
}

void SeasonWindowTest::headingsSortByTheFiguresAndTheKindFilters() {
  Fixture f;
  f.w().show();
  QVERIFY(QTest::qWaitForWindowExposed(&f.w()));
  RunToTheEnd(f.w());
  QTableView* courses = f.w().breakdownView(SeasonDimension::kCourse);
  // In the report's order: 東京 then 中山, each 馬連, ワイド, 参考.
  QCOMPARE(Column(courses, kSeasonReturnRateColumn),
           QStringList({"751.0%", "248.1%", "9.0%", "0.0%", "0.0%", "45.7%"}));
  // By the rate, not by its text ("9.0%" after "751.0%" as text), either way.
  const QStringList up({"0.0%", "0.0%", "9.0%", "45.7%", "248.1%", "751.0%"});
  const QStringList down({"751.0%", "248.1%", "45.7%", "9.0%", "0.0%", "0.0%"});
  for (int click = 0; click < 2; ++click) {
    ClickHeading(courses, kSeasonReturnRateColumn);
    QCOMPARE(courses->horizontalHeader()->sortIndicatorSection(), int(kSeasonReturnRateColumn));
    const bool ascending = courses->horizontalHeader()->sortIndicatorOrder() == Qt::AscendingOrder;
    QCOMPARE(Column(courses, kSeasonReturnRateColumn), ascending ? up : down);
  }
  // The group heading gives the report's order back.
  courses->sortByColumn(kSeasonGroupColumn, Qt::AscendingOrder);
  QCOMPARE(Cell(courses, 0, kSeasonGroupColumn), QString("東京"));

  // A return rate without a stake ("-") sorts below 0.0%.
  QTableView* counts = f.w().breakdownView(SeasonDimension::kBetCount);
  counts->sortByColumn(kSeasonReturnRateColumn, Qt::DescendingOrder);
  QCOMPARE(Cell(counts, counts->model()->rowCount() - 1, kSeasonReturnRateColumn), QString("-"));
  QCOMPARE(Cell(counts, counts->model()->rowCount() - 1, kSeasonGroupColumn), QString("0点"));
  // The stake sorts as a number: 600 below 1400.
  counts->sortByColumn(kSeasonStakeColumn, Qt::AscendingOrder);
  QCOMPARE(Column(counts, kSeasonStakeColumn).mid(3),
           QStringList({"600", "600", "600", "1400", "1400", "1400", "1800", "1800", "1800"}));

  // One kind of ticket in every breakdown.
  f.w().kindFilter()->setCurrentIndex(3);  // 参考
  QCOMPARE(Column(courses, kSeasonKindColumn), QStringList({"参考", "参考"}));
  QCOMPARE(f.w().breakdownView(SeasonDimension::kMonth)->model()->rowCount(), 2);
  f.w().kindFilter()->setCurrentIndex(0);
  QCOMPARE(courses->model()->rowCount(), 6);
}

void SeasonWindowTest::cancelStopsMidRun() {
  Fixture f;
  f.w().runButton()->click();
  QVERIFY(f.w().run().running());
  QVERIFY(f.w().cancelButton()->isEnabled());
  QVERIFY(!f.w().runButton()->isEnabled());
  QVERIFY(!f.w().filters()->isEnabled());
  // One step, as the timer's first tick runs it, then "中止".
  f.w().run().StepOnce();
  const int done = f.w().run().report()->daysDone();
  QVERIFY(done >= 1 && done < 5);
  f.w().cancelButton()->click();
  QTest::qWait(100);
  QCOMPARE(f.w().run().report()->daysDone(), done);
  QVERIFY(!f.w().run().running());
  QVERIFY(f.w().run().canceled());
  QVERIFY(f.w().statusLabel()->text().startsWith("中止しました"));
  QVERIFY(f.w().runButton()->isEnabled());
  QVERIFY(!f.w().cancelButton()->isEnabled());
  // Part of a season is not handed out.
  QVERIFY(!f.w().csvButton()->isEnabled());
  QVERIFY(!f.w().pdfButton()->isEnabled());
  // The days counted so far are on view: May 11 was the first.
  QCOMPARE(Cell(f.w().summaryView(), 0, kSeasonRacesColumn), QString("5"));

  // A run after it counts the whole season again.
  RunToTheEnd(f.w());
  QCOMPARE(Cell(f.w().summaryView(), 0, kSeasonRacesColumn), QString("7"));
  QVERIFY(f.w().csvButton()->isEnabled());
}

void SeasonWindowTest::conditionsChooseTheDaysAndCourses() {
  Fixture f;
  SeasonFilterPanel& filters = *f.w().filters();
  // The dates start at the first and the last day, open.
  QCOMPARE(filters.fromEdit()->date(), QDate(2024, 5, 11));
  QCOMPARE(filters.toEdit()->date(), QDate(2024, 6, 1));
  QVERIFY(!filters.fromEdit()->isEnabled());

  filters.fromCheck()->setChecked(true);
  filters.toCheck()->setChecked(true);
  filters.fromEdit()->setDate(QDate(2024, 6, 1));
  filters.toEdit()->setDate(QDate(2024, 5, 31));
  f.w().runButton()->click();
  QVERIFY(!f.w().run().report());
  QCOMPARE(f.port.events.back(), std::string("inform:開始日が終了日より後になっています。"));

  filters.fromEdit()->setDate(QDate(2024, 5, 11));
  filters.UncheckAllCourses();
  f.w().runButton()->click();
  QCOMPARE(f.port.events.back(), std::string("inform:競馬場を1つ以上選んでください。"));

  // 中山 only, in May: its three races of May 11.
  filters.courseList()->item(1)->setCheckState(Qt::Checked);
  RunToTheEnd(f.w());
  QCOMPARE(f.w().run().report()->dayCount(), 4);
  QCOMPARE(Cell(f.w().summaryView(), 0, kSeasonRacesColumn), QString("3"));
  QCOMPARE(Cell(f.w().summaryView(), 0, kSeasonStakeColumn), QString("700"));
  QVERIFY(f.w().countsLabel()->text().startsWith("2024年05月11日～2024年05月31日"));

  // A folder without days.
  QTemporaryDir empty;
  SeasonWindow none(empty.filePath("Data").toStdString(), empty.path().toStdString(), f.printer, f.port);
  QCOMPARE(none.filters()->courseList()->count(), 0);
  RunToTheEnd(none);
  QVERIFY(none.statusLabel()->text().startsWith("集計する日がありません"));
}

void SeasonWindowTest::csvPdfAndPrintWriteTheirFiles() {
  Fixture f;
  RunToTheEnd(f.w());
  QString asked;
  QString chosen = f.dir.filePath("season.csv");
  f.w().exports().chooseFile = [&](const QString& caption, const QString& suggested) {
    asked = caption + "|" + suggested;
    return chosen;
  };
  f.w().csvButton()->click();
  QCOMPARE(asked, "CSV出力|" + f.dir.filePath("成績集計.csv"));
  const std::string csv = ReadFileBytes(chosen.toStdString()).value_or("");
  QVERIFY(csv.rfind("\xEF\xBB\xBF日付,競馬場,", 0) == 0);
  int lines = 0;
  for (size_t at = csv.find("\r\n"); at != std::string::npos; at = csv.find("\r\n", at + 2)) ++lines;
  QCOMPARE(lines, 1 + 7);  // the headings and every counted race
  QVERIFY(f.w().statusLabel()->text().contains("7レース"));

  // A folder that is not there: told, nothing written.
  chosen = f.dir.filePath("nowhere/season.csv");
  f.w().csvButton()->click();
  QVERIFY(f.port.events.back().rfind("inform:CSVファイルを保存できませんでした：", 0) == 0);

  chosen = f.dir.filePath("season.pdf");
  f.w().pdfButton()->click();
  QVERIFY(ReadFileBytes(chosen.toStdString()).value_or("").rfind("%PDF", 0) == 0);
  QCOMPARE(f.w().statusLabel()->text(), "PDFファイルに保存しました：" + chosen);

  // Printing goes to the shared printer, here a PDF file.
  const QString printed = f.dir.filePath("printed.pdf");
  f.printer.printer().setOutputFormat(QPrinter::PdfFormat);
  f.printer.printer().setOutputFileName(printed);
  f.w().exports().confirmPrinter = [] { return true; };
  f.w().printButton()->click();
  // The same pages as the PDF: the figures, every breakdown, the charts.
  auto pageCount = [](const QString& file) {
    const QRegularExpression count(QStringLiteral("/Count (\\d+)"));
    return count.match(QString::fromLatin1(ReadFileBytes(file.toStdString()).value_or(""))).captured(1).toInt();
  };
  QVERIFY(pageCount(chosen) > 1);
  QCOMPARE(pageCount(printed), pageCount(chosen));
  QCOMPARE(f.w().statusLabel()->text(), QString("印刷しました"));
}

QTEST_MAIN(SeasonWindowTest)
#include "season_window_test.moc"
