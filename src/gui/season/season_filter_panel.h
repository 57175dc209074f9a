// What the season report counts: the first and the last day (each may be
// left open), the courses, a checkable list of those the data folder has,
// and a narrower rule to test: upset ratings, an axis condition, at most so
// many bets.
#pragma once

#include <QGroupBox>
#include <array>
#include <string>
#include <vector>

#include "season/season_courses.h"
#include "season/season_filter.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QListWidget;

namespace tw {

class SeasonFilterPanel : public QGroupBox {
  Q_OBJECT

 public:
  // The dates start at the first and the last day of `dayNames` (Shift-JIS
  // day names, any order), both open.
  SeasonFilterPanel(const std::vector<SeasonCourse>& courses, const std::vector<std::string>& dayNames,
                    QWidget* parent = nullptr);

  // yyyymmdd; empty when open.
  std::string from() const;
  std::string to() const;
  // The checked courses: their codes, and their names (Shift-JIS). Both
  // empty when every course is checked, which counts every race.
  std::vector<std::string> courseCodes() const;
  std::vector<std::string> courseNames() const;
  int checkedCourses() const;
  // The races that count among those; empty when every rating is ticked and
  // neither an axis condition nor a number of bets is chosen.
  SeasonFilter raceFilter() const;

  QCheckBox* fromCheck() const { return fromCheck_; }
  QCheckBox* toCheck() const { return toCheck_; }
  QDateEdit* fromEdit() const { return fromEdit_; }
  QDateEdit* toEdit() const { return toEdit_; }
  QListWidget* courseList() const { return courseList_; }
  QCheckBox* ratingCheck(int k) const { return ratingChecks_[static_cast<size_t>(k)]; }  // 小, 中, 大
  QComboBox* axisRuleChoice() const { return axisRuleChoice_; }
  QComboBox* maxBetsChoice() const { return maxBetsChoice_; }

 public Q_SLOTS:
  void CheckAllCourses();
  void UncheckAllCourses();

 private:
  bool AllChecked() const;

  std::vector<SeasonCourse> courses_;
  QCheckBox* fromCheck_ = nullptr;
  QCheckBox* toCheck_ = nullptr;
  QDateEdit* fromEdit_ = nullptr;
  QDateEdit* toEdit_ = nullptr;
  QListWidget* courseList_ = nullptr;
  std::array<QCheckBox*, 3> ratingChecks_{};
  QComboBox* axisRuleChoice_ = nullptr;
  QComboBox* maxBetsChoice_ = nullptr;
};

}  // namespace tw
