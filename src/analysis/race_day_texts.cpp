#include "analysis/race_day_texts.h"

#include "codes/courses.h"
#include "codes/numbers.h"
#include "text/fields.h"
#include "text/sjis.h"

namespace tw {

std::string RaceListEntryText(const std::string& race) {
  static const std::string kMeeting = Sjis("回 ");
  static const std::string kDay = Sjis("日");
  return CourseGroupName(Field(race, 20, 2)) + PadNumber(Field(race, 22, 2)) + kMeeting +
         PadNumber(Field(race, 24, 2)) + kDay + PadNumber(Field(race, 26, 2)) + "R";
}

RaceHeaderTexts RaceHeader(const std::string& race) {
  static const std::string kYear = Sjis("年");
  static const std::string kMonth = Sjis("月");
  static const std::string kDay = Sjis("日");
  static const std::string kMeeting = Sjis("回");
  static const std::string kRunners = Sjis("頭");
  static const std::string kHour = Sjis("時");
  static const std::string kPost = Sjis("分発走");
  RaceHeaderTexts t;
  t.dateLine = Field(race, 12, 4) + kYear + Field(race, 16, 2) + kMonth + Field(race, 18, 2) + kDay +
               CourseName(Field(race, 20, 2)) + Field(race, 22, 2) + kMeeting + Field(race, 24, 2) + kDay;
  t.raceLine = PadNumber(Field(race, 26, 2)) + "R";
  t.fieldLine = PadNumber(Field(race, 882, 2)) + kRunners;
  t.postLine = Field(race, 874, 2) + kHour + Field(race, 876, 2) + kPost;
  return t;
}

std::string PostTimeLess30(const std::string& race) {
  std::string post = Field(race, 874, 4);
  if (IsBlank(post) || post == "0000") return {};
  // A damaged post time before 00:30 would give a negative time.
  if (IntValue(post.substr(0, 2)) * 60 + IntValue(post.substr(2, 2)) < 30) return {};
  return AddMinutes(post, -30);
}

PerSnapshot<std::string> PlannedFetchTimes(const std::string& race) {
  PerSnapshot<std::string> t;
  long long r = FieldInt(race, 26, 2);
  if (r == 1) {
    t[1] = "0915";
    t[2] = "0930";
  } else if (r >= 2 && r <= 5) {
    t[1] = "0930";
    t[2] = PostTimeLess30(race);
  } else if (r == 6) {
    t[1] = "1015";
    t[2] = "1215";
  } else if (r >= 7 && r <= 12) {
    t[1] = "1015";
    t[2] = "1215";
    t[3] = PostTimeLess30(race);
  }
  return t;
}

std::string SnapshotTimeText(const std::string& odds) {
  static const std::string kHour = Sjis("時");
  static const std::string kMinute = Sjis("分");
  std::string hour = Field(odds, 32, 2);
  if (IsBlank(hour)) return {};
  return hour + kHour + Field(odds, 34, 2) + kMinute;
}

int SnapshotCountOf(const RaceSlot& slot) {
  for (int s = kSnapshots; s >= 1; --s) {
    if (!IsBlank(Field(slot.winOdds[s], 12, 4))) return s;
  }
  return 0;
}

}  // namespace tw
