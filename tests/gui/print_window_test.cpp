// The print window: preview at each zoom, the page list, and printing the
// checked pages into a PDF file skips pages of races without odds.
#include "gui/print_window.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include "gui/main_window.h"
#include "gui/print_commands.h"
#include "main_window_fixture.h"
#include "support/day_builder.h"
#include "text/files.h"

using namespace tw;

class PrintWindowTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void previewAndPrintCheckedPages();
};

void PrintWindowTest::previewAndPrintCheckedPages() {
  test::MainWindowFixture f;
  MainWindow& window = f.OpenWindow();
  AppShell& shell = *f.shell;
  test::DayBuilder day(shell.paths().DataFolder(), 2024, 5, 12);
  for (int r = 1; r <= 3; ++r) {
    const int slot = day.AddRace("05", r, 12, "1545");
    day.AddRunners(slot);
    if (r != 2) {  // race 2 has no odds
      for (int s = 1; s <= 3; ++s) day.AddSampleSnapshot(slot, s, 9 + s, 10 * s);
    }
  }
  day.Write();
  window.FillDaySelector();
  window.dateCombo()->setCurrentIndex(0);
  window.LoadChosenDay();

  const QString pdf = f.dir.path() + "/print.pdf";
  bool seen = false;
  window.printCommands().beforePrintWindow = [&](PrintWindow& shown) {
    // Runs once the window is shown modally.
    QTimer::singleShot(0, &shown, [&] {
      PrintWindow& form = shown;
      seen = true;
      QCOMPARE(form.pageList()->count(), 3);
      QCOMPARE(form.zoom(), 50);  // the default zoom choice
      const int width50 = form.preview()->pixmap().width();
      form.findChild<QButtonGroup*>()->button(3)->click();
      QCOMPARE(form.zoom(), 100);
      QVERIFY(form.preview()->pixmap().width() > width50 * 3 / 2);
      QCOMPARE(shell.settings().ReadInteger(setting::kPrintZoom), 3);
      form.pageSelector()->setValue(3);
      QCOMPARE(form.pageInView(), 3);

      window.printCommands().printer().setOutputFormat(QPrinter::PdfFormat);
      window.printCommands().printer().setOutputFileName(pdf);
      form.findChild<QPushButton*>("CheckAllButton")->click();  // check every page
      form.findChild<QPushButton*>("PrintCheckedButton")->click();
      form.close();
    });
  };
  window.action("PrintDay")->trigger();
  QVERIFY(seen);
  // Pages 1 and 3: the page of the race without odds is skipped.
  const std::string bytes = ReadFileBytes(pdf.toStdString()).value_or("");
  QVERIFY(!bytes.empty());
  QVERIFY(bytes.find("/Count 2") != std::string::npos);
  QVERIFY(shell.settings().ReadRaw(setting::kPrintWindowWidth).has_value());
}

QTEST_MAIN(PrintWindowTest)
#include "print_window_test.moc"
