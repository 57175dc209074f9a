#include "analysis/fetch_times.h"

#include "codes/numbers.h"
#include "records/race_record.h"
#include "records/record_header.h"
#include "text/fields.h"

namespace tw {

std::string PostTimeLess30(const std::string& race) {
  std::string post = PostTime(race);
  if (IsBlank(post) || post == "0000") return {};
  // A damaged post time before 00:30 would give a negative time.
  if (IntValue(post.substr(0, 2)) * 60 + IntValue(post.substr(2, 2)) < 30) return {};
  return AddMinutes(post, -30);
}

PerSnapshot<std::string> PlannedFetchTimes(const std::string& race) {
  PerSnapshot<std::string> t;
  long long r = RaceNumber(race);
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

}  // namespace tw
