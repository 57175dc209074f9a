// The main window as a user first sees it: caption, menus, tool bar, grid
// headings, every action enabled.
#include "gui/main_window.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include "gui/qt_text.h"
#include "main_window_fixture.h"

using namespace tw;

class MainWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void captionMenusAndHeadings();
  void dayListNewestFirst();
  void closingSavesPosition();
};

void MainWindowTest::captionMenusAndHeadings() {
  test::MainWindowFixture f;
  MainWindow& w = f.OpenWindow();
  QVERIFY(w.created());
  QCOMPARE(w.windowTitle(), FromUtf8("Turfwise for JRA-VAN Data Lab."));
  QCOMPARE(w.size(), QSize(851, 617));
  QStringList menus;
  for (QAction* a : w.menuBar()->actions()) menus << a->text();
  QCOMPARE(menus, QStringList(
                      {FromUtf8("ﾌｧｲﾙ(&F)"), FromUtf8("ｵﾌﾟｼｮﾝ(&O)"), FromUtf8("ﾌｫﾙﾀﾞ指定(&D)"), FromUtf8("ﾍﾙﾌﾟ(&H)")}));
  // The file menu opens with the time-series import.
  QMenu* file = w.menuBar()->findChild<QMenu*>("FileMenu");
  QVERIFY(file);
  QCOMPARE(file->actions().first()->text(), FromUtf8("時系列ｵｯｽﾞより取得(&T)"));
  QCOMPARE(w.findChild<QAction*>("CloseListAfterLoadItem")->statusTip(),
           FromUtf8("分析ﾃﾞｰﾀ読込後ﾃﾞｰﾀﾘｽﾄを消すかどうか指定します"));
  QCOMPARE(w.findChild<QAction*>("FilePrintSetupItem")->text(), FromUtf8("ﾌﾟﾘﾝﾀの設定(&R)..."));
  QCOMPARE(w.autoFetchCheck()->text(), FromUtf8("ｵｯｽﾞ自動取得"));
  // Every action is built and enabled.
  QVERIFY(w.findChild<QAction*>("PrintDay")->isEnabled());
  QVERIFY(w.findChild<QAction*>("Download")->isEnabled());
  QVERIFY(w.findChild<QAction*>("About")->isEnabled());
  // One action per command: the menu shows its text, the tool bars' buttons
  // their shorter icon texts.
  QAction* print = w.findChild<QAction*>("PrintDay");
  QCOMPARE(print->text(), FromUtf8("印刷(&P)..."));
  QVERIFY(file->actions().contains(print));
  auto buttonText = [&](const char* bar, QAction* action) {
    return qobject_cast<QToolButton*>(w.findChild<QToolBar*>(bar)->widgetForAction(action))->text();
  };
  QCOMPARE(buttonText("ToolBar", print), FromUtf8("印刷"));
  QCOMPARE(buttonText("CornerToolBar", w.findChild<QAction*>("Help")), FromUtf8("ヘルプ"));
  QCOMPARE(buttonText("CornerToolBar", w.findChild<QAction*>("About")), FromUtf8("ﾊﾞｰｼﾞｮﾝ情報"));
  QCOMPARE(buttonText("CornerToolBar", w.findChild<QAction*>("Exit")), FromUtf8("終了"));

  // The heading rows stand in the grids' fixed headers.
  auto heading = [&](JudgementGridKind kind, int column) {
    return w.judgementGrid(kind)->horizontalHeaderItem(column)->text();
  };
  QCOMPARE(heading(JudgementGridKind::kBetList, 1), FromUtf8("買い目"));
  QCOMPARE(heading(JudgementGridKind::kBetList, 2), FromUtf8("オッズ"));
  QCOMPARE(w.judgementGrid(JudgementGridKind::kBetList)->item(0, 1)->text(), FromUtf8("　"));
  QCOMPARE(heading(JudgementGridKind::kDecision, 3), FromUtf8("連対馬"));
  QCOMPARE(heading(JudgementGridKind::kAxis, 8), FromUtf8("軸条件7"));
  QCOMPARE(heading(JudgementGridKind::kPartner, 6), FromUtf8("連条件5"));
  QVERIFY(!w.judgementGrid(JudgementGridKind::kAxis)->horizontalHeader()->isHidden());

  // The "F" button hides and shows the side panel.
  w.show();
  QVERIFY(w.sidePanel()->isVisible());
  w.findChild<QAction*>("ToggleRaceList")->trigger();
  QVERIFY(!w.sidePanel()->isVisible());
  w.findChild<QAction*>("ToggleRaceList")->trigger();
  QVERIFY(w.sidePanel()->isVisible());
  w.close();
}

void MainWindowTest::dayListNewestFirst() {
  test::MainWindowFixture f;
  QDir(f.dir.path()).mkdir("Data");
  for (const char* day : {"2006年07月15日", "2006年07月22日", "2006年07月16日"}) {
    QFile file(f.dir.path() + "/Data/" + FromUtf8(day) + ".jvRA");
    QVERIFY(file.open(QIODevice::WriteOnly));
  }
  MainWindow& w = f.OpenWindow();
  QCOMPARE(w.dateCombo()->count(), 3);
  QCOMPARE(w.dateCombo()->itemText(0), FromUtf8("2006年07月22日"));
  QCOMPARE(w.dateCombo()->itemText(1), FromUtf8("2006年07月16日"));
  QCOMPARE(w.dateCombo()->itemText(2), FromUtf8("2006年07月15日"));
  QCOMPARE(w.dateCombo()->currentText(), QString());
}

void MainWindowTest::closingSavesPosition() {
  test::MainWindowFixture f;
  f.OpenWindow().show();
  f.w().close();
  f.window.reset();
  QVERIFY(f.shell->settings().ReadRaw(setting::kMainWindowTop).has_value());
  QCOMPARE(f.shell->settings().ReadInteger(setting::kMainWindowWidth) > 0, true);
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
