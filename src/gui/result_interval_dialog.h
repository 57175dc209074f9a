// ResultIntervalDialog, "データ取得時刻設定": the interval of automatic result
// fetching, 5 to 59 minutes.
#pragma once

#include <QDialog>

class QSpinBox;

namespace tw {

class Settings;

class ResultIntervalDialog : public QDialog {
  Q_OBJECT

 public:
  // The box starts at ("Time", "AutoRdataGet"), default 15.
  explicit ResultIntervalDialog(Settings& settings, QWidget* parent = nullptr);
  QSpinBox* spinEdit() const { return spinEdit4_; }

 public Q_SLOTS:
  // OK: the value goes to ("Time", "AutoRdataGet") and the dialog closes.
  void BitBtn1Click();

 private:
  Settings& settings_;
  QSpinBox* spinEdit4_ = nullptr;
};

}  // namespace tw
