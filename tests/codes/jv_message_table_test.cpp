// Every JV-Link return-code text, compared with the table of the codes as
// JV-Link's documentation words them: a slip in any text or code shows here.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "codes/jv_message.h"
#include "text/sjis.h"

namespace tw {
namespace {

// The 37 message texts by label, spaces inside them included.
const std::map<std::string, std::string>& Texts() {
  static const std::map<std::string, std::string> texts = {
      {"M0", "正常に実行されました。"},
      {"M1", " 取得済みデータより最新のデータがありません。"},
      {"M2", "セットアップダイアログでキャンセルが押されました。"},
      {"M111", "dataspec パラメータが不正です。"},
      {"M112", "fromdate パラメータが不正です。"},
      {"M114", "key パラメータが不正です。"},
      {"M115", "option パラメータが不正です。"},
      {"M116", "dataspec とoption の組み合わせが不正です。"},
      {"M201a", "JVInit が行なわれていません。"},
      {"M201b", "JVInitが行なわれていません。"},
      {"M202", "前回のJVOpen/JVRTOpen/JVMVOpen に対してJVClose が呼ばれていません。（オープン中）"},
      {"M203", "JVOpenが行なわれていません。"},
      {"M211", "レジストリ内容が不正（レジストリ内容が不正に変更された）です。"},
      {"M301", "認証エラーが発生しました。"},
      {"M302", "サービスキーの有効期限切れです。"},
      {"M303", "サービスキーが設定されていません。（サービスキーが空値）"},
      {"M401", "JV- Link 内部エラーが発生しました。"},
      {"M402", "ダウンロードしたファイルサイズが異常です。"},
      {"M403", "ダウンロードしたファイル内容が異常です。"},
      {"M411", "サーバーエラー（HTTP ステータス404 NotFount ）が発生しました。"},
      {"M412", "サーバーエラー（HTTP ステータス403 Forbidden ）が発生しました。"},
      {"M413", "サーバーエラー（HTTP ステータス200,403,404 以外）が発生しました。"},
      {"M421", "サーバーエラー（サーバーの応答が不正）が発生しました。"},
      {"M431", "サーバーエラー（サーバーアプリケーション内部エラー）が発生しました。"},
      {"M501", "セットアップ処理においてＣＤ －ＲＯＭ が無効です。"},
      {"M502a", "ダウンロードに失敗しました。（通信エラーやディスクエラーなど）"},
      {"M502b", "ダウンロードに失敗しました。(通信エラーやディスクエラー)"},
      {"M503", "ファイルが見つかりません。"},
      {"M504", "サーバーがメンテナンス中です。"},
      {"R0", "全ファイルの読み込みが終了しました。（ＥＯＦ ）"},
      {"R1", "ファイルが切り替わりました。"},
      {"R3", "ファイルダウンロード中"},
      {"I101", "sid が設定されていません。"},
      {"I102", "sid が64byte 以上あります。"},
      {"I103", "sid が不正（sid の１桁目がスペース）です。"},
      {"S100", "パラメータが不正あるいはレジストリへの保存に失敗しました。"},
      {"S101", "すでにサービスキーが登録されています。"},
  };
  return texts;
}

struct Listed {
  const char* operation;
  int code;
  const char* label;
};

// Every code of every operation that has a text.
const std::vector<Listed>& ListedCodes() {
  static const std::vector<Listed> codes = {
      {"JVInit", 0, "M0"},
      {"JVInit", -101, "I101"},
      {"JVInit", -102, "I102"},
      {"JVInit", -103, "I103"},
      {"JVSetUIProperties", 0, "M0"},
      {"JVSetUIProperties", -100, "S100"},
      {"JVSetUIProperties", -101, "S101"},
      {"JVSet", 0, "M0"},
      {"JVSet", -100, "S100"},
      {"JVSet", -101, "S101"},
      {"JVOpen", 0, "M0"},
      {"JVOpen", -1, "M1"},
      {"JVOpen", -2, "M2"},
      {"JVOpen", -111, "M111"},
      {"JVOpen", -112, "M112"},
      {"JVOpen", -114, "M114"},
      {"JVOpen", -115, "M115"},
      {"JVOpen", -116, "M116"},
      {"JVOpen", -201, "M201a"},
      {"JVOpen", -202, "M202"},
      {"JVOpen", -211, "M211"},
      {"JVOpen", -301, "M301"},
      {"JVOpen", -302, "M302"},
      {"JVOpen", -303, "M303"},
      {"JVOpen", -401, "M401"},
      {"JVOpen", -411, "M411"},
      {"JVOpen", -412, "M412"},
      {"JVOpen", -413, "M413"},
      {"JVOpen", -421, "M421"},
      {"JVOpen", -431, "M431"},
      {"JVOpen", -501, "M501"},
      {"JVOpen", -504, "M504"},
      {"JVRTOpen", 0, "M0"},
      {"JVRTOpen", -1, "M1"},
      {"JVRTOpen", -2, "M2"},
      {"JVRTOpen", -111, "M111"},
      {"JVRTOpen", -112, "M112"},
      {"JVRTOpen", -114, "M114"},
      {"JVRTOpen", -115, "M115"},
      {"JVRTOpen", -116, "M116"},
      {"JVRTOpen", -201, "M201a"},
      {"JVRTOpen", -202, "M202"},
      {"JVRTOpen", -211, "M211"},
      {"JVRTOpen", -301, "M301"},
      {"JVRTOpen", -302, "M302"},
      {"JVRTOpen", -303, "M303"},
      {"JVRTOpen", -401, "M401"},
      {"JVRTOpen", -411, "M411"},
      {"JVRTOpen", -412, "M412"},
      {"JVRTOpen", -413, "M413"},
      {"JVRTOpen", -421, "M421"},
      {"JVRTOpen", -431, "M431"},
      {"JVRTOpen", -501, "M501"},
      {"JVRTOpen", -504, "M504"},
      {"JVStatus", 0, "M0"},
      {"JVStatus", -201, "M201b"},
      {"JVStatus", -203, "M203"},
      {"JVStatus", -502, "M502a"},
      {"JVRead", 0, "R0"},
      {"JVRead", -1, "R1"},
      {"JVRead", -3, "R3"},
      {"JVRead", -201, "M201b"},
      {"JVRead", -202, "M202"},
      {"JVRead", -203, "M203"},
      {"JVRead", -402, "M402"},
      {"JVRead", -403, "M403"},
      {"JVRead", -502, "M502b"},
      {"JVRead", -503, "M503"},
      {"JVClose", 0, "M0"},
      {"JVSetSaveFlag", 0, "M0"},
      {"JVSetSaveFlag", -100, "S100"},
      {"JVSetSaveFlag", -101, "S101"},
  };
  return codes;
}

const char* const kOperations[] = {"JVInit",   "JVSetUIProperties", "JVSet",  "JVSetSaveFlag", "JVOpen",
                                   "JVRTOpen", "JVStatus",          "JVRead", "JVClose",       "JVCancel"};

std::string Expected(const std::string& text, int code) { return text + "(" + std::to_string(code) + ")"; }

TEST(JVMessageTable, EveryListedCodeGivesItsText) {
  for (const Listed& listed : ListedCodes()) {
    const std::string& text = Texts().at(listed.label);
    EXPECT_EQ(SjisToUtf8(JVMessage(listed.operation, listed.code)), Expected(text, listed.code))
        << listed.operation << " " << listed.code << " " << listed.label;
    EXPECT_EQ(JVMessage(listed.operation, listed.code), Sjis(text) + "(" + std::to_string(listed.code) + ")")
        << "Shift-JIS bytes of " << listed.label;
  }
}

TEST(JVMessageTable, AllThirtySevenTextsAreUsed) {
  std::set<std::string> used;
  for (const Listed& listed : ListedCodes()) used.insert(listed.label);
  EXPECT_EQ(Texts().size(), 37u);
  EXPECT_EQ(used.size(), 37u);
}

TEST(JVMessageTable, EveryOtherCodeGivesOnlyTheCode) {
  std::set<std::pair<std::string, int>> listed;
  for (const Listed& l : ListedCodes()) listed.insert({l.operation, l.code});
  for (const char* operation : kOperations) {
    for (int code = -1000; code <= 1000; ++code) {
      if (listed.count({operation, code})) continue;
      EXPECT_EQ(JVMessage(operation, code), Expected("", code)) << operation << " " << code;
    }
  }
}

}  // namespace
}  // namespace tw
