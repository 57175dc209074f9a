// Qt's own dialogs as the program shows them: Japanese buttons, the folder
// picker with its prompt and OK button, messages that break only where the
// program breaks them, and captions without an added application name.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "gui/application_setup.h"
#include "gui/folder_dialog.h"
#include "gui/qt_text.h"
#include "gui/qt_user_port.h"

using namespace tw;

class DialogsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void confirmationSaysHaiAndIie();
  void summaryBreaksOnlyAtItsLineBreaks();
  void folderDialogShowsPathPromptAndOk();
  void captionsGetNoApplicationName();

 private:
  bool translated_ = false;
};

namespace {

// Runs `check` on the message box once it is shown, then presses `answer`.
void OnMessageBox(const std::function<void(QMessageBox&)>& check, QMessageBox::StandardButton answer) {
  QTimer::singleShot(0, [check, answer] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(box);
    check(*box);
    box->button(answer)->click();
  });
}

}  // namespace

void DialogsTest::initTestCase() { translated_ = SetUpApplication(*static_cast<QApplication*>(qApp)); }

void DialogsTest::confirmationSaysHaiAndIie() {
  QtUserPort port;
  bool seen = false;
  OnMessageBox(
      [&](QMessageBox& box) {
        seen = true;
        QCOMPARE(box.button(QMessageBox::Yes)->text(), FromUtf8("はい(&Y)"));
        QCOMPARE(box.button(QMessageBox::No)->text(), FromUtf8("いいえ(&N)"));
        QCOMPARE(box.button(QMessageBox::Yes)->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Y));
        QCOMPARE(box.windowTitle(), QString("Turfwise"));
      },
      QMessageBox::No);
  QVERIFY(!port.Confirm(Sjis("消去します。実行しますか？")));
  QVERIFY(seen);
}

void DialogsTest::summaryBreaksOnlyAtItsLineBreaks() {
  static const char* kSummary =
      "単複枠：24ﾚｰｽ分の1回目ｵｯｽﾞ、24ﾚｰｽ分の2回目ｵｯｽﾞ、12ﾚｰｽ分の3回目ｵｯｽﾞ、\r\n"
      "馬連：24ﾚｰｽ分の1回目ｵｯｽﾞ、24ﾚｰｽ分の2回目ｵｯｽﾞ、12ﾚｰｽ分の3回目ｵｯｽﾞ\r\nを取りこみました。";
  QtUserPort port;
  bool seen = false;
  OnMessageBox(
      [&](QMessageBox& box) {
        seen = true;
        auto* label = box.findChild<QLabel*>("qt_msgbox_label");
        QVERIFY(label);
        QVERIFY(label->text().contains("white-space:pre"));
        QVERIFY(label->text().contains(FromUtf8("12ﾚｰｽ分の3回目ｵｯｽﾞ、<br>")));
        // Three lines, each whole.
        QVERIFY(label->height() < 4 * label->fontMetrics().lineSpacing());
        QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(FromUtf8(kSummary).split("\r\n")[0]));
      },
      QMessageBox::Ok);
  port.Inform(Sjis(kSummary));
  QVERIFY(seen);
}

void DialogsTest::folderDialogShowsPathPromptAndOk() {
  const QString prompt = FromUtf8("選択したいﾌｫﾙﾀﾞのｱｲｺﾝをｸﾘｯｸしてください。");
  FolderDialog dialog(nullptr, FromUtf8("時系列ｵｯｽﾞﾃﾞｰﾀﾌｫﾙﾀﾞの指定"), prompt, QDir::tempPath());
  dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog));
  QCOMPARE(dialog.windowTitle(), FromUtf8("時系列ｵｯｽﾞﾃﾞｰﾀﾌｫﾙﾀﾞの指定"));
  QStringList buttons;
  for (QPushButton* b : dialog.findChildren<QPushButton*>()) buttons << b->text();
  QVERIFY(buttons.contains("OK"));
  if (translated_) QVERIFY(buttons.contains(FromUtf8("キャンセル")));
  auto* note = dialog.findChild<QLabel*>("PromptLabel");
  QVERIFY(note && note->isVisible());
  QCOMPARE(note->text(), prompt);
  // The box with the folder's path has the room to show it.
  auto* lookIn = dialog.findChild<QComboBox*>("lookInCombo");
  QVERIFY(lookIn);
  QVERIFY(lookIn->width() > dialog.width() / 2);
  dialog.reject();
  QCOMPARE(dialog.chosenFolder(), QString());
}

void DialogsTest::captionsGetNoApplicationName() {
  // The display name follows the application name only when none was set;
  // a set one is what the platform appends to every caption.
  QCOMPARE(QApplication::applicationName(), QString("Turfwise"));
  QApplication::setApplicationName("Other");
  QCOMPARE(QApplication::applicationDisplayName(), QString("Other"));
  QApplication::setApplicationName("Turfwise");
}

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
