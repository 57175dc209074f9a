#include "codes/jv_message.h"

#include <map>
#include <utility>

#include "text/sjis.h"

namespace tw {
namespace {

// Message texts, as JV-Link's documentation words them (spaces included).
constexpr const char* kM0 = "正常に実行されました。";
constexpr const char* kM1 = " 取得済みデータより最新のデータがありません。";
constexpr const char* kM2 = "セットアップダイアログでキャンセルが押されました。";
constexpr const char* kM111 = "dataspec パラメータが不正です。";
constexpr const char* kM112 = "fromdate パラメータが不正です。";
constexpr const char* kM114 = "key パラメータが不正です。";
constexpr const char* kM115 = "option パラメータが不正です。";
constexpr const char* kM116 = "dataspec とoption の組み合わせが不正です。";
constexpr const char* kM201a = "JVInit が行なわれていません。";
constexpr const char* kM201b = "JVInitが行なわれていません。";
constexpr const char* kM202 = "前回のJVOpen/JVRTOpen/JVMVOpen に対してJVClose が呼ばれていません。（オープン中）";
constexpr const char* kM203 = "JVOpenが行なわれていません。";
constexpr const char* kM211 = "レジストリ内容が不正（レジストリ内容が不正に変更された）です。";
constexpr const char* kM301 = "認証エラーが発生しました。";
constexpr const char* kM302 = "サービスキーの有効期限切れです。";
constexpr const char* kM303 = "サービスキーが設定されていません。（サービスキーが空値）";
constexpr const char* kM401 = "JV- Link 内部エラーが発生しました。";
constexpr const char* kM402 = "ダウンロードしたファイルサイズが異常です。";
constexpr const char* kM403 = "ダウンロードしたファイル内容が異常です。";
constexpr const char* kM411 = "サーバーエラー（HTTP ステータス404 NotFount ）が発生しました。";
constexpr const char* kM412 = "サーバーエラー（HTTP ステータス403 Forbidden ）が発生しました。";
constexpr const char* kM413 = "サーバーエラー（HTTP ステータス200,403,404 以外）が発生しました。";
constexpr const char* kM421 = "サーバーエラー（サーバーの応答が不正）が発生しました。";
constexpr const char* kM431 = "サーバーエラー（サーバーアプリケーション内部エラー）が発生しました。";
constexpr const char* kM501 = "セットアップ処理においてＣＤ －ＲＯＭ が無効です。";
constexpr const char* kM502a = "ダウンロードに失敗しました。（通信エラーやディスクエラーなど）";
constexpr const char* kM502b = "ダウンロードに失敗しました。(通信エラーやディスクエラー)";
constexpr const char* kM503 = "ファイルが見つかりません。";
constexpr const char* kM504 = "サーバーがメンテナンス中です。";
constexpr const char* kR0 = "全ファイルの読み込みが終了しました。（ＥＯＦ ）";
constexpr const char* kR1 = "ファイルが切り替わりました。";
constexpr const char* kR3 = "ファイルダウンロード中";
constexpr const char* kI101 = "sid が設定されていません。";
constexpr const char* kI102 = "sid が64byte 以上あります。";
constexpr const char* kI103 = "sid が不正（sid の１桁目がスペース）です。";
constexpr const char* kS100 = "パラメータが不正あるいはレジストリへの保存に失敗しました。";
constexpr const char* kS101 = "すでにサービスキーが登録されています。";

struct Entry {
  const char* operation;
  int code;
  const char* text;
};

// Every JVSet… call (JVSetUIProperties, JVSetSaveFlag, …) shares one column.
constexpr const char* kSetFamily = "JVSet";

constexpr Entry kEntries[] = {
    {"JVInit", 0, kM0},       {"JVInit", -101, kI101},    {"JVInit", -102, kI102},   {"JVInit", -103, kI103},

    {kSetFamily, 0, kM0},     {kSetFamily, -100, kS100},  {kSetFamily, -101, kS101},

    {"JVOpen", 0, kM0},       {"JVOpen", -1, kM1},        {"JVOpen", -2, kM2},       {"JVOpen", -111, kM111},
    {"JVOpen", -112, kM112},  {"JVOpen", -114, kM114},    {"JVOpen", -115, kM115},   {"JVOpen", -116, kM116},
    {"JVOpen", -201, kM201a}, {"JVOpen", -202, kM202},    {"JVOpen", -211, kM211},   {"JVOpen", -301, kM301},
    {"JVOpen", -302, kM302},  {"JVOpen", -303, kM303},    {"JVOpen", -401, kM401},   {"JVOpen", -411, kM411},
    {"JVOpen", -412, kM412},  {"JVOpen", -413, kM413},    {"JVOpen", -421, kM421},   {"JVOpen", -431, kM431},
    {"JVOpen", -501, kM501},  {"JVOpen", -504, kM504},

    {"JVStatus", 0, kM0},     {"JVStatus", -201, kM201b}, {"JVStatus", -203, kM203}, {"JVStatus", -502, kM502a},

    {"JVRead", 0, kR0},       {"JVRead", -1, kR1},        {"JVRead", -3, kR3},       {"JVRead", -201, kM201b},
    {"JVRead", -202, kM202},  {"JVRead", -203, kM203},    {"JVRead", -402, kM402},   {"JVRead", -403, kM403},
    {"JVRead", -502, kM502b}, {"JVRead", -503, kM503},

    {"JVClose", 0, kM0},
};

using Table = std::map<std::pair<std::string, int>, std::string>;

const Table& Messages() {
  static const Table table = [] {
    Table t;
    for (const Entry& e : kEntries) t[{e.operation, e.code}] = Sjis(e.text);
    return t;
  }();
  return table;
}

// JVRTOpen reports the same codes as JVOpen.
std::string TableName(const std::string& operation) {
  if (operation.starts_with(kSetFamily)) return kSetFamily;
  if (operation == "JVRTOpen") return "JVOpen";
  return operation;
}

}  // namespace

std::string JVMessage(const std::string& operation, int code) {
  std::string text;
  auto it = Messages().find({TableName(operation), code});
  if (it != Messages().end()) text = it->second;
  return text + "(" + std::to_string(code) + ")";
}

}  // namespace tw
