#include "codes/jv_message.h"

#include <gtest/gtest.h>

#include "text/sjis.h"

namespace tw {
namespace {

std::string Msg(const std::string& op, int code) { return SjisToUtf8(JVMessage(op, code)); }

TEST(JVMessage, TextFollowedByTheCode) {
  EXPECT_EQ(Msg("JVOpen", -1), " 取得済みデータより最新のデータがありません。(-1)");
  EXPECT_EQ(Msg("JVRead", 0), "全ファイルの読み込みが終了しました。（ＥＯＦ ）(0)");
  EXPECT_EQ(Msg("JVInit", -103), "sid が不正（sid の１桁目がスペース）です。(-103)");
  EXPECT_EQ(Msg("JVClose", 0), "正常に実行されました。(0)");
}

TEST(JVMessage, RealTimeOpenSharesTheOpenTexts) {
  EXPECT_EQ(Msg("JVRTOpen", -1), Msg("JVOpen", -1));
  EXPECT_EQ(Msg("JVRTOpen", -504), "サーバーがメンテナンス中です。(-504)");
  EXPECT_EQ(Msg("JVRTOpen", -411), "サーバーエラー（HTTP ステータス404 NotFount ）が発生しました。(-411)");
}

TEST(JVMessage, SameCodeDiffersByOperation) {
  EXPECT_EQ(Msg("JVOpen", -201), "JVInit が行なわれていません。(-201)");
  EXPECT_EQ(Msg("JVStatus", -201), "JVInitが行なわれていません。(-201)");
  EXPECT_EQ(Msg("JVStatus", -502), "ダウンロードに失敗しました。（通信エラーやディスクエラーなど）(-502)");
  EXPECT_EQ(Msg("JVRead", -502), "ダウンロードに失敗しました。(通信エラーやディスクエラー)(-502)");
  EXPECT_EQ(Msg("JVRead", -1), "ファイルが切り替わりました。(-1)");
  EXPECT_EQ(Msg("JVInit", -101), "sid が設定されていません。(-101)");
}

TEST(JVMessage, EveryJVSetNameUsesTheSetColumn) {
  EXPECT_EQ(Msg("JVSetUIProperties", -101), "すでにサービスキーが登録されています。(-101)");
  EXPECT_EQ(Msg("JVSetUIProperties", -100), "パラメータが不正あるいはレジストリへの保存に失敗しました。(-100)");
  EXPECT_EQ(Msg("JVSetSaveFlag", 0), "正常に実行されました。(0)");
  EXPECT_EQ(Msg("JVSetUIProperties", -1), "(-1)");
}

TEST(JVMessage, UnknownCodeOrOperationGivesOnlyTheCode) {
  EXPECT_EQ(Msg("JVClose", -201), "(-201)");
  EXPECT_EQ(Msg("JVOpen", -999), "(-999)");
  EXPECT_EQ(Msg("JVStatus", 12), "(12)");
  EXPECT_EQ(Msg("JVMVOpen", 0), "(0)");
  EXPECT_EQ(Msg("jvopen", -1), "(-1)");
  EXPECT_EQ(Msg("", 0), "(0)");
}

TEST(JVMessage, EveryTextConvertsToShiftJis) {
  for (const char* op : {"JVInit", "JVSetUIProperties", "JVOpen", "JVRTOpen", "JVStatus", "JVRead", "JVClose"}) {
    for (int code = -600; code <= 0; ++code) {
      std::string text = JVMessage(op, code);
      EXPECT_EQ(text.find('?'), std::string::npos) << op << " " << code;
      EXPECT_EQ(Utf8ToSjis(SjisToUtf8(text)), text) << op << " " << code;
    }
  }
}

TEST(JVMessage, ResultIsShiftJis) {
  std::string s = JVMessage("JVRead", -3);
  EXPECT_EQ(s, Sjis("ファイルダウンロード中") + "(-3)");
  EXPECT_EQ(s.size(), 22u + 4u);
}

}  // namespace
}  // namespace tw
