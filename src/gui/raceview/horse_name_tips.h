// Horse names as tooltips over horse numbers, the same for every table of the
// race view: over the cells of the columns headed 馬番 or 馬, and over the
// numbered headings of the tables whose rows and columns are horses.
#pragma once

#include <QObject>
#include <QString>
#include <vector>

#include "view/race_card.h"

class QTableWidget;

namespace tw {

class HorseNameTips : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

  // The cells of `table` under a 馬番 or 馬 heading get the horse's name.
  void WatchCells(QTableWidget* table);
  // The row and column headings of `table` are horse numbers.
  void WatchHeadings(QTableWidget* table);
  // The names of the race shown from now on.
  void Show(const RaceCard& card);
  // The name of horse `horse` of the race shown, empty when unknown.
  QString NameOf(int horse) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void NameHeadings(QTableWidget* table) const;

  std::vector<QString> names_;  // by horse number
  std::vector<QTableWidget*> headingTables_;
};

}  // namespace tw
