// A date field (yyyy/MM/dd) that takes digits typed over a date already in
// it: Qt's date edit ignores a digit that would make a full part longer,
// so typing after a click into a date did nothing.
#pragma once

#include <QDateEdit>

namespace tw {

class DateField : public QDateEdit {
  Q_OBJECT

 public:
  explicit DateField(const QDate& date = QDate(2000, 1, 1), QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tw
