// A dialog that sets one number of minutes: the result-fetch interval
// ("データ取得時刻設定", 5 to 59 minutes) and the odds-fetch delay
// ("オッズデータ取得時刻調整", 0 to 15 minutes) are both this dialog with
// their own texts, range and setting.
#pragma once

#include <QDialog>
#include <QSize>
#include <string>

class QSpinBox;

namespace tw {

class Settings;

struct MinutesSetting {
  QString name;             // the dialog's object name
  std::string caption;      // window title, Shift-JIS
  std::string heading;      // above the explanation; left out when empty
  std::string explanation;  // wrapped
  std::string rangeText;    // below the explanation; left out when empty
  QString unit;             // after the number box
  int minimum = 0, maximum = 0;
  int (*read)(const Settings&) = nullptr;
  bool (*store)(Settings&, int) = nullptr;
  QSize size;
};

// ("Time", "AutoRdataGet"), default 15.
MinutesSetting ResultIntervalSetting();
// ("Time", "delay"), default 5.
MinutesSetting FetchDelaySetting();

class MinutesDialog : public QDialog {
  Q_OBJECT

 public:
  // The box starts at the stored value.
  MinutesDialog(const MinutesSetting& setting, Settings& settings, QWidget* parent = nullptr);
  QSpinBox* minutesBox() const { return minutes_; }

 public Q_SLOTS:
  // OK: the value is stored and the dialog closes.
  void StoreAndClose();

 private:
  MinutesSetting setting_;
  Settings& settings_;
  QSpinBox* minutes_ = nullptr;
  QString typed_;  // what the user typed last, when it is not the box's value
};

}  // namespace tw
