// Help opens the compiled help beside the program where there is one, else
// the user guide shipped with the program in the desktop's browser; F1 is
// its key; without a browser the user is told where it is. The version
// window tells the application folder.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QUrl>
#include <QtTest>

#include "gui/about_box.h"
#include "gui/qt_text.h"
#include "main_window_fixture.h"

using namespace tw;

class HelpTest : public QObject {
  Q_OBJECT

 public Q_SLOTS:
  void openUrl(const QUrl& url) { opened << url; }

 private Q_SLOTS:
  void init() { QDesktopServices::setUrlHandler("file", this, "openUrl"); }
  void cleanup() {
    QDesktopServices::unsetUrlHandler("file");
    opened.clear();
  }
  void helpOpensTheCompiledHelpBesideTheProgram();
  void helpOpensTheGuideWithoutIt();
  void helpWithoutABrowserTellsWhereItIs();
  void versionWindowTellsTheFolder();

 private:
  QList<QUrl> opened;
};

void HelpTest::helpOpensTheCompiledHelpBesideTheProgram() {
  test::MainWindowFixture f;
  MainWindow& w = f.OpenWindow();
  const QString chm = f.dir.filePath("TWjdl.chm");
  QFile file(chm);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.close();
  QCOMPARE(w.findChild<QAction*>("Help")->shortcut(), QKeySequence(Qt::Key_F1));
  w.findChild<QAction*>("Help")->trigger();
  QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(chm)});
}

void HelpTest::helpOpensTheGuideWithoutIt() {
  // The guide beside this test program, as the build puts it beside turfwise.
  const QString folder = QCoreApplication::applicationDirPath() + "/guide";
  QVERIFY(QDir().mkpath(folder));
  const QString guide = folder + "/index.html";
  {
    QFile file(guide);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<html></html>");
  }
  test::MainWindowFixture f;
  MainWindow& w = f.OpenWindow();
  w.findChild<QAction*>("Help")->trigger();
  QDir(folder).removeRecursively();
  QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(QDir::cleanPath(guide))});
}

void HelpTest::helpWithoutABrowserTellsWhereItIs() {
  test::MainWindowFixture f;
  MainWindow& w = f.OpenWindow();
  const QString chm = f.dir.filePath("TWjdl.chm");
  QFile file(chm);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.close();
  w.openHelp = [](const std::string&) { return false; };
  w.findChild<QAction*>("Help")->trigger();
  QCOMPARE(QApplication::clipboard()->text(), chm);
  QVERIFY(f.port.events.back().ends_with("：" + chm.toStdString()));
}

void HelpTest::versionWindowTellsTheFolder() {
  AboutBox box(FromUtf8("Ver.1.28"), FromUtf8("/home/u/.local/share/turfwise"));
  QCOMPARE(box.versionLabel()->text(), FromUtf8("Ver.1.28"));
  QCOMPARE(box.folderLabel()->text(), FromUtf8("データの保存先：/home/u/.local/share/turfwise"));
}

QTEST_MAIN(HelpTest)
#include "help_test.moc"
