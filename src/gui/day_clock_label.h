// The status bar's clock of the race day: the next planned odds fetch and
// the countdown to the post time of the race on view, renewed every second
// while the loaded day is today and blank on any other day.
#pragma once

#include <QLabel>

#include "analysis/race_day_model.h"
#include "base/clock.h"
#include "base/settings.h"

class QCheckBox;
class QListWidget;
class QTimer;

namespace tw {

class DayClockLabel : public QLabel {
  Q_OBJECT

 public:
  // The race on view is the model's while a row of `raceList` is selected;
  // `autoFetch` is the automatic-fetch box. All must outlive the label.
  DayClockLabel(const RaceDayModel& model, const Clock& clock, const Settings& settings, const QListWidget* raceList,
                const QCheckBox* autoFetch, QWidget* parent = nullptr);

  // Shows the texts of this moment.
  void Renew();

 private:
  const RaceDayModel& model_;
  const Clock& clock_;
  const Settings& settings_;
  const QListWidget* raceList_;
  const QCheckBox* autoFetch_;
  QTimer* timer_ = nullptr;
};

}  // namespace tw
