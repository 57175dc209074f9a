// The download window at set-up scale: its list keeps the last lines and
// counts the others, what a download shows reaches the screen in batches,
// the pending events are paced, and the texts stay what they were.
#include "gui/acquisition/download_window.h"

#include <QDateTimeEdit>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "gui/acquisition/download_line_model.h"
#include "gui/qt_text.h"
#include "support/day_builder.h"
#include "support/fake_user_port.h"
#include "support/scripted_jvlink.h"
#include "text/files.h"

using namespace tw;
using tw::test::DayBuilder;
using tw::test::FakeUserPort;

class DownloadWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void listKeepsTheLastLinesAndCountsTheOthers();
  void listChangesAreRowChangesOnceLinesAreDropped();
  void aLongReadReachesTheScreenAsOneBatch();
  void setUpScaleListStaysCapped();
  void textsOfARunningDownloadShowAtTheNextFlush();
  void typedDigitsChangeTheDate();
};

namespace {

QStringList Numbered(int from, int count) {
  QStringList lines;
  for (int i = from; i < from + count; ++i) lines.push_back(QString::number(i));
  return lines;
}

// A download window over a scripted JV-Link, with the pieces it works with.
struct Download {
  QTemporaryDir dir;
  std::string data = JoinPath(dir.path().toStdString(), "Data");
  ManualClock clock{{2024, 5, 12, 9, 0, 0}};
  FakeUserPort ui;
  Settings settings{JoinPath(dir.path().toStdString(), "turfwise.ini")};
  ScriptedJVLink jv;
  RaceDayStore store{data};
  StreamGate gate;
  DayBuilder day{data};

  Download() {
    EnsureFolder(data);
    settings.WriteString(setting::kDownloadFromTime, "2024/05/03 10:20:30");
  }
  std::string Race(int race) const {
    std::string line = test::RaceLine(day.Key("05", race), 16, "1500");
    line.replace(2, 9, "720240510");
    return line;
  }
  // `records` records in `files` stored files: the races 1..12 with 16
  // runners each, over and over.
  void QueueRecords(int records, int files) {
    jv.openResults = {{0, files, 0, "20240511183000"}};
    const int perFile = records / files;
    int n = 0;
    for (int f = 0; f < files; ++f) {
      for (int i = 0; i < perFile; ++i, ++n) {
        const int race = 1 + (n / 17) % 12, horse = n % 17;
        jv.QueueRecord(horse == 0 ? Race(race) : test::RunnerLine(day.Key("05", race), horse));
      }
      jv.readResults.push_back({-1, "", ""});
    }
  }
};

}  // namespace

void DownloadWindowTest::listKeepsTheLastLinesAndCountsTheOthers() {
  DownloadLineModel model;
  model.Append(Numbered(0, 7000));
  QCOMPARE(model.rowCount(), 7000);
  QCOMPARE(model.dropped(), 0);
  QCOMPARE(model.Text(0), QString("0"));
  model.Append(Numbered(7000, 7000));
  model.Append(Numbered(14000, 11000));  // a batch longer than what is kept
  QCOMPARE(model.keptLines(), DownloadLineModel::kKeptLines);
  QCOMPARE(model.dropped(), 15000);
  QCOMPARE(model.rowCount(), 10001);
  QCOMPARE(model.Text(0), FromUtf8("（これより前の15000行は省略）"));
  QCOMPARE(model.index(0).data().toString(), model.Text(0));
  QCOMPARE(model.Text(1), QString("15000"));
  QCOMPARE(model.Text(10000), QString("24999"));
  QCOMPARE(model.index(10000).data().toString(), QString("24999"));
  QVERIFY(!model.index(10001).data().isValid());

  model.Clear();
  QCOMPARE(model.rowCount(), 0);
  QCOMPARE(model.dropped(), 0);
}

void DownloadWindowTest::listChangesAreRowChangesOnceLinesAreDropped() {
  // What a view is told must match the rows, or it shows wrong lines.
  DownloadLineModel model(nullptr, 5);
  QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
  QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
  QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
  QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
  model.Append(Numbered(0, 3));
  QCOMPARE(inserted.count(), 1);
  QCOMPARE(inserted.last().at(1).toInt(), 0);
  QCOMPARE(inserted.last().at(2).toInt(), 2);
  model.Append(Numbered(3, 4));  // the first drop: the count line appears
  QCOMPARE(reset.count(), 1);
  QCOMPARE(model.rowCount(), 6);
  QCOMPARE(model.Text(1), QString("2"));
  model.Append(Numbered(7, 2));  // "2" and "3" go, "7" and "8" come
  QCOMPARE(reset.count(), 1);
  QCOMPARE(removed.count(), 1);
  QCOMPARE(removed.last().at(1).toInt(), 1);
  QCOMPARE(removed.last().at(2).toInt(), 2);
  QCOMPARE(changed.count(), 1);  // the count line
  QCOMPARE(inserted.count(), 2);
  QCOMPARE(inserted.last().at(1).toInt(), 4);
  QCOMPARE(inserted.last().at(2).toInt(), 5);
  QStringList rows;
  for (int r = 0; r < model.rowCount(); ++r) rows.push_back(model.Text(r));
  QCOMPARE(rows, (QStringList{FromUtf8("（これより前の4行は省略）"), "4", "5", "6", "7", "8"}));

  // Lines let go before they got here take the kept ones with them: the
  // list shows the last lines without a gap.
  model.Append({"20", "21"}, 11);
  rows.clear();
  for (int r = 0; r < model.rowCount(); ++r) rows.push_back(model.Text(r));
  QCOMPARE(rows, (QStringList{FromUtf8("（これより前の20行は省略）"), "20", "21"}));
}

void DownloadWindowTest::aLongReadReachesTheScreenAsOneBatch() {
  Download d;
  DownloadWindow form(d.jv, d.store, d.settings, d.clock, d.gate, &d.ui);
  QCOMPARE(form.flushTimer()->interval(), 200);
  long long millis = 5000;
  form.SetMillisecondClock([&] { return millis; });
  d.QueueRecords(3400, 4);
  QSignalSpy inserted(form.madeLines(), &QAbstractItemModel::rowsInserted);
  QSignalSpy reset(form.madeLines(), &QAbstractItemModel::modelReset);
  QSignalSpy readBar(form.progressBar(2), &QProgressBar::valueChanged);
  form.normalChoice()->setChecked(true);
  QTest::mouseClick(form.findChild<QPushButton*>("StartButton"), Qt::LeftButton);
  QVERIFY(!form.download().running());
  QCOMPARE(form.download().outcome(), DownloadOutcome::kCompleted);

  // One change of the list, one of the bar, however many records and files.
  QCOMPARE(inserted.count() + reset.count(), 2);  // the clear at the start, then the lines
  QCOMPARE(inserted.count(), 1);
  QVERIFY(readBar.count() <= 1);
  QCOMPARE(form.madeFiles()->model()->rowCount(), 3400);
  QVERIFY(!form.flushTimer()->isActive());
  // The clock stood still: the events ran once, not before every read.
  QCOMPARE(d.ui.processEventsCalls, 1);

  // The texts as they always were.
  const QString day = ToQt(d.day.dayName());
  QCOMPARE(form.madeLines()->Text(0), FromUtf8("作成済み:01R/") + day + ".jvRA");
  QCOMPARE(form.madeLines()->Text(3), FromUtf8("作成済み:01R/03番/") + day + FromUtf8("東京.jvSEr"));
  QCOMPARE(form.progressLabel()->text(), FromUtf8("データ読込み完了(4/4)"));
  QCOMPARE(form.progressBar(2)->value(), 0);
}

void DownloadWindowTest::setUpScaleListStaysCapped() {
  Download d;
  DownloadWindow form(d.jv, d.store, d.settings, d.clock, d.gate, &d.ui);
  long long millis = 0;
  form.SetMillisecondClock([&] { return millis += 10; });  // 10 ms a read
  d.QueueRecords(25000, 2);
  QTest::mouseClick(form.findChild<QPushButton*>("StartButton"), Qt::LeftButton);
  QCOMPARE(form.download().outcome(), DownloadOutcome::kCompleted);
  QCOMPARE(form.madeLines()->keptLines(), DownloadLineModel::kKeptLines);
  QCOMPARE(form.madeLines()->dropped(), 15000);
  QCOMPARE(form.madeFiles()->model()->rowCount(), 10001);
  QCOMPARE(form.madeLines()->Text(0), FromUtf8("（これより前の15000行は省略）"));
  // Every fifth read let the events run: 50 ms apart.
  QVERIFY(d.ui.processEventsCalls >= 25000 / 5);
  QVERIFY(d.ui.processEventsCalls <= 25000 / 5 + 2);
}

void DownloadWindowTest::textsOfARunningDownloadShowAtTheNextFlush() {
  Download d;
  DownloadWindow form(d.jv, d.store, d.settings, d.clock, d.gate, &d.ui);
  d.jv.openResults = {{0, 2, 2, "20240511183000"}};
  d.jv.statusResults = {1};
  auto* cancel = form.findChild<QPushButton*>("CancelButton");
  QVERIFY(!cancel->isEnabled());  // only a running download can be cancelled
  QTest::mouseClick(form.findChild<QPushButton*>("StartButton"), Qt::LeftButton);
  QVERIFY(form.download().running());  // downloading: the status timer goes on
  QVERIFY(cancel->isEnabled());
  form.statusTimer()->stop();
  // Three texts were given; the label shows only the last, and only once flushed.
  QCOMPARE(form.progressLabel()->text(), QString());
  QVERIFY(form.flushTimer()->isActive());
  QTRY_COMPARE(form.progressLabel()->text(), FromUtf8("ダウンロード中・・・"));
  QCOMPARE(form.progressBar(1)->maximum(), 2);

  form.PollDownloadStatus();
  QCOMPARE(form.progressLabel()->text(), FromUtf8("ダウンロード中・・・"));
  form.Flush();
  QCOMPARE(form.progressLabel()->text(), FromUtf8("ダウンロード中．．．(1/2)"));
  QCOMPARE(form.progressBar(1)->value(), 1);

  // Cancelling ends it: its text shows at once.
  QTest::mouseClick(cancel, Qt::LeftButton);
  QVERIFY(!form.download().running());
  QVERIFY(!cancel->isEnabled());
  QCOMPARE(form.progressLabel()->text(), FromUtf8("JVCancel:キャンセルされました"));
  form.close();
}

void DownloadWindowTest::typedDigitsChangeTheDate() {
  Download d;
  DownloadWindow form(d.jv, d.store, d.settings, d.clock, d.gate, &d.ui);
  form.show();
  form.picker()->setFocus();
  form.picker()->setCurrentSection(QDateTimeEdit::DaySection);  // as a click before "03" leaves it
  QTest::keyClicks(form.picker(), "07");
  QCOMPARE(form.picker()->date(), QDate(2024, 5, 7));
  QCOMPARE(form.download().fromTime().day, 7);
}

QTEST_MAIN(DownloadWindowTest)
#include "download_window_test.moc"
