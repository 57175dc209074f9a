// The print window: preview at each zoom, the page list, and printing the
// checked pages into a PDF file skips pages of races without odds.
#include "gui/printing/print_window.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "gui/main_window.h"
#include "gui/main_window_fixture.h"
#include "gui/printing/print_actions.h"
#include "support/day_builder.h"
#include "text/files.h"

using namespace tw;

class PrintWindowTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void previewAndPrintCheckedPages();
  void failedStartLeavesPrinterUsable();
  void escapeSavesPlaceAndResetsPaper();
  void opensLargeEnoughForThePage();
  void pdfButtonWritesEveryPageThatMayBePrinted();
  void returnInThePageNumberTicksNoPage();
};

namespace {

// A day of three races on 2024-05-12, race 2 without odds, loaded in the window.
void LoadThreeRaces(test::MainWindowFixture& f) {
  test::DayBuilder day(f.shell->paths().DataFolder(), 2024, 5, 12);
  for (int r = 1; r <= 3; ++r) {
    const int slot = day.AddRace("05", r, 12, "1545");
    day.AddRunners(slot);
    if (r != 2) {
      for (int s = 1; s <= 3; ++s) day.AddSampleSnapshot(slot, s, 9 + s, 10 * s);
    }
  }
  day.Write();
  f.w().FillDaySelector();
  f.w().dateCombo()->setCurrentIndex(0);
  f.w().LoadChosenDay();
}

// Runs `check` on the print window once it is shown modally, then closes it.
bool WithPrintWindow(test::MainWindowFixture& f, const std::function<void(PrintWindow&)>& check) {
  bool seen = false;
  f.w().printActions().beforePrintWindow = [&](PrintWindow& shown) {
    QTimer::singleShot(0, &shown, [&] {
      seen = true;
      check(shown);
      if (shown.isVisible()) shown.close();
    });
  };
  f.w().findChild<QAction*>("PrintDay")->trigger();
  return seen;
}

}  // namespace

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
  window.printActions().beforePrintWindow = [&](PrintWindow& shown) {
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

      window.printActions().printer().setOutputFormat(QPrinter::PdfFormat);
      window.printActions().printer().setOutputFileName(pdf);
      form.findChild<QPushButton*>("CheckAllButton")->click();  // check every page
      form.findChild<QPushButton*>("PrintCheckedButton")->click();
      form.close();
    });
  };
  window.findChild<QAction*>("PrintDay")->trigger();
  QVERIFY(seen);
  // Pages 1 and 3: the page of the race without odds is skipped.
  const std::string bytes = ReadFileBytes(pdf.toStdString()).value_or("");
  QVERIFY(!bytes.empty());
  QVERIFY(bytes.find("/Count 2") != std::string::npos);
  QVERIFY(shell.settings().ReadRaw(setting::kPrintWindowWidth).has_value());
}

void PrintWindowTest::failedStartLeavesPrinterUsable() {
  test::MainWindowFixture f;
  f.OpenWindow();
  LoadThreeRaces(f);
  const QString pdf = f.dir.path() + "/after-failure.pdf";
  QVERIFY(WithPrintWindow(f, [&](PrintWindow& form) {
    auto* print = form.findChild<QPushButton*>("PrintPageButton");
    QPrinter& printer = f.w().printActions().printer();
    if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty()) {
      // No printer installed and no file chosen: nothing to print on.
      print->click();
      QCOMPARE(f.port.events.back(), std::string("inform:プリンタが登録されていません"));
    }
    // A start that fails (a file that cannot be written)...
    f.w().printActions().printer().setOutputFormat(QPrinter::PdfFormat);
    f.w().printActions().printer().setOutputFileName(f.dir.path() + "/no-such-folder/x.pdf");
    print->click();
    QCOMPARE(f.port.events.back(), std::string("inform:印刷を開始できませんでした。"));
    // ...and then print-to-file chosen: the page is written.
    f.w().printActions().printer().setOutputFormat(QPrinter::PdfFormat);
    f.w().printActions().printer().setOutputFileName(pdf);
    QCOMPARE(f.w().printActions().printer().outputFileName(), pdf);
    print->click();
  }));
  const std::string bytes = ReadFileBytes(pdf.toStdString()).value_or("");
  QVERIFY(bytes.find("/Count 1") != std::string::npos);
}

void PrintWindowTest::escapeSavesPlaceAndResetsPaper() {
  test::MainWindowFixture f;
  f.OpenWindow();
  LoadThreeRaces(f);
  QVERIFY(WithPrintWindow(f, [&](PrintWindow& form) {
    f.w().printActions().printer().setPageSize(QPageSize(QPageSize::A3));
    f.w().printActions().printer().setPageOrientation(QPageLayout::Landscape);
    form.move(40, 50);
    QTest::keyClick(&form, Qt::Key_Escape);
    QVERIFY(!form.isVisible());
  }));
  QCOMPARE(f.shell->settings().ReadInteger(setting::kPrintWindowLeft), 40);
  QCOMPARE(f.shell->settings().ReadInteger(setting::kPrintWindowTop), 50);
  QVERIFY(f.shell->settings().ReadRaw(setting::kPrintWindowHeight).has_value());
  QPrinter& printer = f.w().printActions().printer();
  QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::A4);
  QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
}

void PrintWindowTest::opensLargeEnoughForThePage() {
  test::MainWindowFixture f;
  f.OpenWindow();
  LoadThreeRaces(f);
  f.shell->settings().WriteInteger(setting::kPrintWindowLeft, 30);
  f.shell->settings().WriteInteger(setting::kPrintWindowTop, 20);
  QVERIFY(WithPrintWindow(f, [&](PrintWindow& form) {
    // At the default 50 % the preview shows the whole page width, unless the
    // window already reaches the screen's right edge.
    auto* scroll = form.findChild<QScrollArea*>();
    const QRect screen = form.screen()->availableGeometry();
    QVERIFY(scroll->viewport()->width() >= form.preview()->pixmap().width() || form.width() >= screen.right() - 30 - 8);
    QVERIFY(form.width() > 630 && form.height() > 450);
    QCOMPARE(form.pos(), QPoint(30, 20));
  }));
}

void PrintWindowTest::pdfButtonWritesEveryPageThatMayBePrinted() {
  test::MainWindowFixture f;
  f.OpenWindow();
  LoadThreeRaces(f);
  const QString pdf = f.dir.path() + "/day.pdf";
  QVERIFY(WithPrintWindow(f, [&](PrintWindow& form) {
    form.chooseFile = [&](const QString&) { return pdf; };
    form.findChild<QPushButton*>("PdfButton")->click();  // nothing checked: pages 1 and 3
    QCOMPARE(f.port.events.back(), "inform:2ページをPDFファイルに保存しました：" + pdf.toStdString());
  }));
  QVERIFY(ReadFileBytes(pdf.toStdString()).value_or("").find("/Count 2") != std::string::npos);
}

void PrintWindowTest::returnInThePageNumberTicksNoPage() {
  test::MainWindowFixture f;
  f.OpenWindow();
  LoadThreeRaces(f);
  QVERIFY(WithPrintWindow(f, [&](PrintWindow& form) {
    QTest::keyClick(form.pageSelector(), Qt::Key_Return);
    QCOMPARE(form.pageList()->item(0)->checkState(), Qt::Unchecked);
  }));
}

QTEST_MAIN(PrintWindowTest)
#include "print_window_test.moc"
