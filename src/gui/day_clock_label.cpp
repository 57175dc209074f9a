#include "gui/day_clock_label.h"

#include <QCheckBox>
#include <QListWidget>
#include <QTimer>

#include "acquire/fetch_time_settings.h"
#include "gui/qt_text.h"
#include "view/day_clock.h"

namespace tw {

DayClockLabel::DayClockLabel(const RaceDayModel& model, const Clock& clock, const Settings& settings,
                             const QListWidget* raceList, const QCheckBox* autoFetch, QWidget* parent)
    : QLabel(parent), model_(model), clock_(clock), settings_(settings), raceList_(raceList), autoFetch_(autoFetch) {
  setObjectName("DayClockLabel");
  timer_ = new QTimer(this);
  timer_->setInterval(1000);
  connect(timer_, &QTimer::timeout, this, &DayClockLabel::Renew);
  timer_->start();
  Renew();
}

void DayClockLabel::Renew() {
  const int race = raceList_ && raceList_->currentRow() >= 0 ? model_.selectedRace : -1;
  const DayClockTexts now =
      MakeDayClockTexts(model_, race, clock_.Now(), ReadFetchDelay(settings_), autoFetch_ && autoFetch_->isChecked());
  QString text = ToQt(now.nextFetch);
  if (!now.postCountdown.empty()) text += (text.isEmpty() ? "" : FromUtf8("　｜　")) + ToQt(now.postCountdown);
  // The status bar hides the label while a hint shows; it is never shown here.
  setText(text);
}

}  // namespace tw
