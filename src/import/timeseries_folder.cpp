#include "import/timeseries_folder.h"

#include "base/settings.h"
#include "text/sjis.h"

namespace tw {
const std::string& TimeSeriesFolderCaption() {
  static const std::string text = Sjis("時系列ｵｯｽﾞﾃﾞｰﾀﾌｫﾙﾀﾞの指定");
  return text;
}

const std::string& TimeSeriesFolderPrompt() {
  static const std::string text = Sjis(
      "選択したいﾌｫﾙﾀﾞのｱｲｺﾝをｸﾘｯｸしてください。選択不可能なﾌｫﾙﾀﾞがｸﾘｯｸされた場合は「OK」ﾎﾞﾀﾝが有効になりません。");
  return text;
}

std::string TimeSeriesFolder(const Settings& settings, const std::string& appFolder) {
  return settings.ReadString(setting::kTimeSeriesFolder, appFolder);
}

bool IsTimeSeriesFolderSet(const Settings& settings, const std::string& appFolder) {
  return TimeSeriesFolder(settings, appFolder) != appFolder;
}

bool StoreTimeSeriesFolder(Settings& settings, const std::string& folder) {
  return settings.WriteString(setting::kTimeSeriesFolder, folder);
}

}  // namespace tw
