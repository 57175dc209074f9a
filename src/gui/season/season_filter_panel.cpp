#include "gui/season/season_filter_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "analysis/analysis_marks.h"
#include "gui/date_field.h"
#include "gui/qt_text.h"
#include "season/season_day.h"

namespace tw {
namespace {

QDate DateOf(const std::string& yyyymmdd) {
  return QDate::fromString(QString::fromStdString(yyyymmdd), QStringLiteral("yyyyMMdd"));
}

QDateEdit* MakeDateEdit(const QString& name, const QDate& date, QWidget* parent) {
  auto* edit = new DateField(date, parent);
  edit->setObjectName(name);
  edit->setCalendarPopup(true);
  // Open until its box is checked.
  edit->setEnabled(false);
  return edit;
}

}  // namespace

SeasonFilterPanel::SeasonFilterPanel(const std::vector<SeasonCourse>& courses, const std::vector<std::string>& dayNames,
                                     QWidget* parent)
    : QGroupBox(FromUtf8("集計条件"), parent), courses_(courses) {
  setObjectName("SeasonFilterPanel");
  std::vector<std::string> dates;
  for (const std::string& name : dayNames) {
    std::string date = DateOfDayName(name);
    if (!date.empty()) dates.push_back(std::move(date));
  }
  std::sort(dates.begin(), dates.end());
  const QDate first = dates.empty() ? QDate::currentDate() : DateOf(dates.front());
  const QDate last = dates.empty() ? QDate::currentDate() : DateOf(dates.back());

  auto* grid = new QGridLayout(this);
  fromCheck_ = new QCheckBox(FromUtf8("開始日"), this);
  fromCheck_->setObjectName("SeasonFromCheck");
  fromEdit_ = MakeDateEdit("SeasonFromDate", first, this);
  toCheck_ = new QCheckBox(FromUtf8("終了日"), this);
  toCheck_->setObjectName("SeasonToCheck");
  toEdit_ = MakeDateEdit("SeasonToDate", last, this);
  connect(fromCheck_, &QCheckBox::toggled, fromEdit_, &QWidget::setEnabled);
  connect(toCheck_, &QCheckBox::toggled, toEdit_, &QWidget::setEnabled);
  grid->addWidget(fromCheck_, 0, 0);
  grid->addWidget(fromEdit_, 0, 1);
  grid->addWidget(toCheck_, 1, 0);
  grid->addWidget(toEdit_, 1, 1);
  auto* note = new QLabel(FromUtf8("（チェックしない日付は制限なし）"), this);
  grid->addWidget(note, 2, 0, 1, 2);

  grid->addWidget(new QLabel(FromUtf8("競馬場"), this), 0, 2, Qt::AlignTop);
  courseList_ = new QListWidget(this);
  courseList_->setObjectName("SeasonCourseList");
  // The courses side by side, wrapping: ten at most.
  courseList_->setFlow(QListView::LeftToRight);
  courseList_->setWrapping(true);
  courseList_->setResizeMode(QListView::Adjust);
  courseList_->setSpacing(2);
  for (const SeasonCourse& course : courses_) {
    auto* item = new QListWidgetItem(ToQt(course.name), courseList_);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Checked);
  }
  const int rowHeight = courseList_->fontMetrics().height() + 10;
  courseList_->setFixedHeight(2 * rowHeight + 2 * courseList_->frameWidth() + 4);
  grid->addWidget(courseList_, 0, 3, 3, 1);
  auto* buttons = new QVBoxLayout;
  auto* all = new QPushButton(FromUtf8("全選択(&A)"), this);
  all->setObjectName("SeasonCheckAllCourses");
  auto* none = new QPushButton(FromUtf8("全ｸﾘｱ(&L)"), this);
  none->setObjectName("SeasonUncheckAllCourses");
  for (QPushButton* b : {all, none}) {
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  buttons->addStretch();
  grid->addLayout(buttons, 0, 4, 3, 1);
  grid->setColumnStretch(3, 1);

  // The narrower rule: every rating ticked, no condition, no limit counts
  // every race.
  auto* rule = new QHBoxLayout;
  rule->addWidget(new QLabel(FromUtf8("波乱度"), this));
  const std::string* ratings[] = {&SmallUpsetText(), &MediumUpsetText(), &LargeUpsetText()};
  for (size_t k = 0; k < ratingChecks_.size(); ++k) {
    ratingChecks_[k] = new QCheckBox(ToQt(*ratings[k]), this);
    ratingChecks_[k]->setObjectName(QStringLiteral("SeasonRating%1").arg(k + 1));
    ratingChecks_[k]->setChecked(true);
    rule->addWidget(ratingChecks_[k]);
  }
  rule->addSpacing(12);
  rule->addWidget(new QLabel(FromUtf8("軸条件"), this));
  axisRuleChoice_ = new QComboBox(this);
  axisRuleChoice_->setObjectName("SeasonAxisRule");
  axisRuleChoice_->addItem(FromUtf8("すべて"));
  for (int r = 1; r <= 7; ++r) axisRuleChoice_->addItem(FromUtf8("軸条件%1").arg(r));
  rule->addWidget(axisRuleChoice_);
  rule->addSpacing(12);
  rule->addWidget(new QLabel(FromUtf8("買い目"), this));
  maxBetsChoice_ = new QComboBox(this);
  maxBetsChoice_->setObjectName("SeasonMaxBets");
  maxBetsChoice_->addItem(FromUtf8("制限なし"));
  for (int n = 1; n <= 18; ++n) maxBetsChoice_->addItem(FromUtf8("%1点以下").arg(n));
  rule->addWidget(maxBetsChoice_);
  rule->addStretch();
  grid->addLayout(rule, 3, 0, 1, 5);
  connect(all, &QPushButton::clicked, this, &SeasonFilterPanel::CheckAllCourses);
  connect(none, &QPushButton::clicked, this, &SeasonFilterPanel::UncheckAllCourses);
}

std::string SeasonFilterPanel::from() const {
  return fromCheck_->isChecked() ? fromEdit_->date().toString(QStringLiteral("yyyyMMdd")).toStdString() : "";
}

std::string SeasonFilterPanel::to() const {
  return toCheck_->isChecked() ? toEdit_->date().toString(QStringLiteral("yyyyMMdd")).toStdString() : "";
}

int SeasonFilterPanel::checkedCourses() const {
  int checked = 0;
  for (int k = 0; k < courseList_->count(); ++k) checked += courseList_->item(k)->checkState() == Qt::Checked;
  return checked;
}

bool SeasonFilterPanel::AllChecked() const { return checkedCourses() == courseList_->count(); }

std::vector<std::string> SeasonFilterPanel::courseCodes() const {
  std::vector<std::string> codes;
  if (AllChecked()) return codes;
  for (int k = 0; k < courseList_->count(); ++k) {
    if (courseList_->item(k)->checkState() != Qt::Checked) continue;
    for (const std::string& code : courses_[static_cast<size_t>(k)].codes) codes.push_back(code);
  }
  return codes;
}

std::vector<std::string> SeasonFilterPanel::courseNames() const {
  std::vector<std::string> names;
  if (AllChecked()) return names;
  for (int k = 0; k < courseList_->count(); ++k) {
    if (courseList_->item(k)->checkState() == Qt::Checked) names.push_back(courses_[static_cast<size_t>(k)].name);
  }
  return names;
}

SeasonFilter SeasonFilterPanel::raceFilter() const {
  static const std::string* const ratings[] = {&SmallUpsetText(), &MediumUpsetText(), &LargeUpsetText()};
  SeasonFilter filter;
  bool all = true;
  for (size_t k = 0; k < ratingChecks_.size(); ++k) {
    if (ratingChecks_[k]->isChecked()) {
      filter.upsetDegrees.push_back(*ratings[k]);
    } else {
      all = false;
    }
  }
  // Every rating ticked counts the races without one too.
  if (all) filter.upsetDegrees.clear();
  if (axisRuleChoice_->currentIndex() > 0) filter.axisRules.push_back(axisRuleChoice_->currentIndex());
  if (maxBetsChoice_->currentIndex() > 0) filter.maxBets = maxBetsChoice_->currentIndex();
  return filter;
}

void SeasonFilterPanel::CheckAllCourses() {
  for (int k = 0; k < courseList_->count(); ++k) courseList_->item(k)->setCheckState(Qt::Checked);
}

void SeasonFilterPanel::UncheckAllCourses() {
  for (int k = 0; k < courseList_->count(); ++k) courseList_->item(k)->setCheckState(Qt::Unchecked);
}

}  // namespace tw
