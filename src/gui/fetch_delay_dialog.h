// FetchDelayDialog, "オッズデータ取得時刻調整": the delay of automatic odds
// fetching, 0 to 15 minutes.
#pragma once

#include <QDialog>

class QSpinBox;

namespace tw {

class Settings;

class FetchDelayDialog : public QDialog {
  Q_OBJECT

 public:
  // The box starts at ("Time", "delay"), default 5.
  explicit FetchDelayDialog(Settings& settings, QWidget* parent = nullptr);
  QSpinBox* spinEdit() const { return spinEdit2_; }

 public Q_SLOTS:
  // OK: the value goes to ("Time", "delay") and the dialog closes.
  void BitBtn1Click();

 private:
  Settings& settings_;
  QSpinBox* spinEdit2_ = nullptr;
};

}  // namespace tw
