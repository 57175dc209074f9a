// Recorded print pages drawn with QPainter: unit conversion, pens, brushes,
// text placement and the PDF file.
#include "render/page_renderer.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include "print/page.h"
#include "render/fonts.h"

using namespace tw;

class PrintRendererTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { SetUpFonts(); }
  void convertsUnitsToDots();
  void drawsRectanglesLinesAndText();
  void scalesGridPagesToTheDevice();
  void writesOnePdfPagePerPage();
};

namespace {

// A white image of the page area at `dpi`, with the page drawn on it.
QImage Draw(const Page& page, int dpi, int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  RenderPage(painter, page, dpi, dpi);
  painter.end();
  return image;
}

bool IsBlack(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 64; }
bool IsWhite(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) > 230; }

}  // namespace

void PrintRendererTest::convertsUnitsToDots() {
  QCOMPARE(TenthMmToDots(254, 600), 600);
  QCOMPARE(TenthMmToDots(2000, 600), 4724);  // 472.44 -> nearest
  QCOMPARE(TenthMmToDots(1, 300), 1);        // 1.18
  QCOMPARE(PenWidthToDots(20, 600), 13);     // 12.5 -> 13
  QCOMPARE(PenWidthToDots(1, 96), 1);        // never below one dot
  QCOMPARE(PenWidthToDots(5, 96), 1);
}

void PrintRendererTest::drawsRectanglesLinesAndText() {
  Page page;
  PageCanvas canvas(page);
  canvas.SetFontName("");
  canvas.SetBrush(colour::kBlack, BrushStyle::Solid);
  canvas.Rectangle(100, 100, 200, 200);  // 10 mm square from 10 mm
  canvas.SetBrushStyle(BrushStyle::Clear);
  canvas.SetPenWidth(10);
  canvas.Rectangle(300, 100, 400, 200);  // outline only
  canvas.SetFont(20, true);
  canvas.Text(500, 100, "W");
  const QImage image = Draw(page, 254, 700, 300);  // one dot per tenth of a millimetre
  QVERIFY(IsBlack(image, 150, 150));
  QVERIFY(IsWhite(image, 250, 150));
  QVERIFY(IsBlack(image, 300, 150));  // the clear rectangle's outline
  QVERIFY(IsWhite(image, 350, 150));  // and its unfilled inside
  // The text hangs below its top-left corner.
  bool inked = false;
  for (int y = 100; y < 200 && !inked; ++y)
    for (int x = 500; x < 600 && !inked; ++x) inked = IsBlack(image, x, y);
  QVERIFY(inked);
  for (int x = 480; x < 700; ++x) QVERIFY(IsWhite(image, x, 95));
}

void PrintRendererTest::scalesGridPagesToTheDevice() {
  Page page;
  page.units = PageUnits::PrinterDots;
  page.dotsPerInchX = page.dotsPerInchY = 600;
  PageCanvas canvas(page);
  canvas.SetBrush(colour::kBlack, BrushStyle::Solid);
  canvas.Rectangle(600, 600, 1200, 1200);  // 1 inch square from 1 inch
  const QImage image = Draw(page, 100, 300, 300);
  QVERIFY(IsBlack(image, 150, 150));
  QVERIFY(IsWhite(image, 90, 150));
  QVERIFY(IsWhite(image, 210, 150));
}

void PrintRendererTest::writesOnePdfPagePerPage() {
  QTemporaryDir dir;
  Page page;
  PageCanvas canvas(page);
  canvas.Text(200, 30, "Turfwise");
  const QString file = dir.filePath("out.pdf");
  QString error;
  QVERIFY(WritePagesToPdf({page, page, page}, file, "title", &error));
  QFile pdf(file);
  QVERIFY(pdf.open(QIODevice::ReadOnly));
  const QByteArray bytes = pdf.readAll();
  QVERIFY(bytes.startsWith("%PDF"));
  QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 3);

  QVERIFY(!QFile::exists(file + ".part"));
  // The target is an existing folder: nothing is written over it.
  QVERIFY(QDir(dir.path()).mkdir("taken.pdf"));
  QVERIFY(!WritePagesToPdf({page}, dir.filePath("taken.pdf"), "title", &error));
  QVERIFY(QFileInfo(dir.filePath("taken.pdf")).isDir());
  QVERIFY(!QFile::exists(dir.filePath("taken.pdf.part")));

  // A folder that does not exist cannot take the file.
  QVERIFY(!WritePagesToPdf({page}, dir.filePath("missing/out.pdf"), "title", &error));
  QVERIFY(!error.isEmpty());
}

QTEST_MAIN(PrintRendererTest)
#include "page_renderer_test.moc"
