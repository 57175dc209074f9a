#include "gui/season/season_filter_panel.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

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

void SeasonFilterPanel::CheckAllCourses() {
  for (int k = 0; k < courseList_->count(); ++k) courseList_->item(k)->setCheckState(Qt::Checked);
}

void SeasonFilterPanel::UncheckAllCourses() {
  for (int k = 0; k < courseList_->count(); ++k) courseList_->item(k)->setCheckState(Qt::Unchecked);
}

}  // namespace tw
