#include "support/day_builder.h"

#include <algorithm>
#include <stdexcept>

#include "codes/courses.h"
#include "codes/pairs.h"
#include "text/files.h"
#include "text/format.h"
#include "text/sjis.h"

namespace tw::test {

void Put(std::string& line, int pos, const std::string& text) {
  size_t start = static_cast<size_t>(pos - 1);
  if (line.size() < start + text.size()) line.resize(start + text.size(), ' ');
  line.replace(start, text.size(), text);
}

std::string RaceKey(int year, int month, int day, const std::string& course, int meeting, int dayNumber, int race) {
  return Format("%04d%02d%02d", year, month, day) + course + Format("%02d%02d%02d", meeting, dayNumber, race);
}

std::string RaceLine(const std::string& key, int runners, const std::string& postTime) {
  std::string line(kRaceLineLength, ' ');
  Put(line, 1, "RA000000000" + key);
  Put(line, 593, Sjis("テストレース"));
  Put(line, 874, postTime);
  Put(line, 882, Format("%02d", runners));
  return line;
}

std::string RunnerLine(const std::string& key, int horse, int bracket) {
  std::string line(kRunnerLineLength, ' ');
  Put(line, 1, "SE720240510" + key + Format("%d%02d", bracket, horse));
  return line;
}

std::string PayoutLine(const std::string& key) {
  std::string line(kPayoutLineLength, ' ');
  Put(line, 1, "HR000000000" + key);
  return line;
}

void SetQuinellaPayout(std::string& line, int entry, int first, int second, long long yen) {
  Put(line, 246 + 16 * (entry - 1), Format("%02d%02d%09lld%03d", first, second, yen, 1));
}

void SetWidePayout(std::string& line, int entry, int first, int second, long long yen) {
  Put(line, 294 + 16 * (entry - 1), Format("%02d%02d%09lld%03d", first, second, yen, 1));
}

namespace {

std::string Fit(const std::string& text, size_t width) {
  std::string out = text.substr(0, std::min(text.size(), width));
  out.resize(width, ' ');
  return out;
}

}  // namespace

std::string WinOddsLine(const std::string& key, const std::string& announce, const std::vector<std::string>& win,
                        const std::vector<std::string>& bracket) {
  std::string line(kWinOddsLineLength, ' ');
  Put(line, 1, "O1120240512" + key + Fit(announce, 8));
  for (size_t h = 0; h < win.size() && h < 18; ++h) Put(line, 46 + 8 * static_cast<int>(h), Fit(win[h], 4));
  for (size_t j = 0; j < bracket.size() && j < 36; ++j) {
    Put(line, 606 + 9 * static_cast<int>(j), Fit(bracket[j], 5));
  }
  return line;
}

std::string QuinellaOddsLine(const std::string& key, const std::string& announce,
                             const std::vector<std::string>& pairs) {
  std::string line(kQuinellaOddsLineLength, ' ');
  Put(line, 1, "O2120240512" + key + Fit(announce, 8));
  for (size_t j = 0; j < pairs.size() && j < 153; ++j) Put(line, 45 + 13 * static_cast<int>(j), Fit(pairs[j], 6));
  return line;
}

namespace {

// Odds in tenths of horse h: the favourite near 2.5, the outsiders long.
int WinTenths(int h, int variant) { return 25 + (h - 1) * (h + 3) * 4 + ((h * 7 + variant * 5) % 11) * 3; }

}  // namespace

std::vector<std::string> SampleWinOdds(int runners, int variant) {
  std::vector<std::string> odds(18, "    ");
  for (int h = 1; h <= runners && h <= 18; ++h)
    odds[static_cast<size_t>(h - 1)] = Format("%04d", WinTenths(h, variant));
  return odds;
}

std::vector<std::string> SampleBracketOdds(int runners, int variant) {
  std::vector<std::string> odds(36, "     ");
  for (int j = 1; j <= 36; ++j) {
    std::string label = BracketPairLabel(j);
    int a = std::stoi(label.substr(0, 2)), b = std::stoi(label.substr(3, 2));
    if (b > std::min(runners, 8) || (a == b && runners <= 8)) continue;
    odds[static_cast<size_t>(j - 1)] = Format("%05d", WinTenths(a, variant) * WinTenths(b, variant) / 20 + 20);
  }
  return odds;
}

std::vector<std::string> SampleQuinellaOdds(int runners, int variant) {
  std::vector<std::string> odds(153, "      ");
  for (int j = 1; j <= 153; ++j) {
    std::string label = QuinellaPairLabel(j);
    int a = std::stoi(label.substr(0, 2)), b = std::stoi(label.substr(3, 2));
    if (b > runners) continue;
    odds[static_cast<size_t>(j - 1)] =
        Format("%06d", WinTenths(a, variant + 1) * WinTenths(b, variant) / 15 + 30 + (j * 13 + variant) % 40);
  }
  return odds;
}

DayBuilder::DayBuilder(std::string folder, int year, int month, int day)
    : folder_(std::move(folder)), year_(year), month_(month), day_(day) {}

std::string DayBuilder::dayName() const {
  return Format("%04d", year_) + Sjis("年") + Format("%02d", month_) + Sjis("月") + Format("%02d", day_) + Sjis("日");
}

std::string DayBuilder::Key(const std::string& course, int race, int meeting, int dayNumber) const {
  return RaceKey(year_, month_, day_, course, meeting, dayNumber, race);
}

int DayBuilder::AddRace(const std::string& course, int race, int runners, const std::string& postTime) {
  raceLines_.push_back(RaceLine(Key(course, race), runners, postTime));
  slotLines_.push_back(static_cast<int>(raceLines_.size()) - 1);
  return static_cast<int>(slotLines_.size()) - 1;
}

int DayBuilder::AddRawRaceLine(const std::string& line) {
  raceLines_.push_back(line);
  if (line.size() >= 15 && line.substr(11, 4).find_first_not_of(' ') != std::string::npos) {
    slotLines_.push_back(static_cast<int>(raceLines_.size()) - 1);
  }
  return static_cast<int>(raceLines_.size()) - 1;
}

void DayBuilder::AddBlankRaceLines(int count) {
  for (int k = 0; k < count; ++k) raceLines_.emplace_back(kRaceLineLength, ' ');
}

const std::string& DayBuilder::RaceLineOfSlot(int slot) const {
  return raceLines_.at(static_cast<size_t>(slotLines_.at(static_cast<size_t>(slot))));
}

int DayBuilder::runnersOfSlot(int slot) const { return std::stoi(RaceLineOfSlot(slot).substr(881, 2)); }

void DayBuilder::AddRunners(int slot) {
  const std::string& race = RaceLineOfSlot(slot);
  std::string course = race.substr(19, 2);
  int raceNumber = std::stoi(race.substr(25, 2));
  auto& lines = runners_[course];
  if (lines.empty()) lines.assign(216, std::string(kRunnerLineLength, ' '));
  int n = runnersOfSlot(slot);
  for (int h = 1; h <= n && h <= 18; ++h) {
    lines[static_cast<size_t>((raceNumber - 1) * 18 + h - 1)] =
        RunnerLine(race.substr(11, 16), h, BracketOfHorse(n, h));
  }
}

void DayBuilder::SetHorseName(int slot, int horse, const std::string& name) {
  const std::string& race = RaceLineOfSlot(slot);
  Put(runners_[race.substr(19, 2)][static_cast<size_t>((std::stoi(race.substr(25, 2)) - 1) * 18 + horse - 1)], 41,
      name);
}

void DayBuilder::SetWinOdds(int slot, int snapshot, const std::string& line) { win_[3 * slot + snapshot - 1] = line; }

void DayBuilder::SetQuinellaOdds(int slot, int snapshot, const std::string& line) {
  quinella_[3 * slot + snapshot - 1] = line;
}

void DayBuilder::AddSampleSnapshot(int slot, int snapshot, int hour, int minute) {
  const std::string& race = RaceLineOfSlot(slot);
  std::string key = race.substr(11, 16);
  std::string announce = Format("%02d%02d%02d%02d", month_, day_, hour, minute);
  int n = runnersOfSlot(slot);
  SetWinOdds(slot, snapshot, WinOddsLine(key, announce, SampleWinOdds(n, snapshot), SampleBracketOdds(n, snapshot)));
  SetQuinellaOdds(slot, snapshot, QuinellaOddsLine(key, announce, SampleQuinellaOdds(n, snapshot)));
}

void DayBuilder::AddPayout(const std::string& line) { payouts_.push_back(line); }

void DayBuilder::AddSamplePayout(int slot) {
  std::string line = PayoutLine(RaceLineOfSlot(slot).substr(11, 16));
  SetQuinellaPayout(line, 1, 1, 2, 1230);
  SetWidePayout(line, 1, 1, 2, 450);
  AddPayout(line);
}

std::string DayBuilder::FilePath(const std::string& extension) const {
  return JoinPath(folder_, dayName() + extension);
}

std::string DayBuilder::RaceFilePath() const { return FilePath(".jvRA"); }

std::string DayBuilder::RunnerFilePath(const std::string& course) const {
  return JoinPath(folder_, dayName() + CourseName(course) + ".jvSEr");
}

void DayBuilder::Write() const {
  WriteLines(RaceFilePath(), raceLines_);
  for (const auto& [course, lines] : runners_) WriteLines(RunnerFilePath(course), lines);
  if (!payouts_.empty()) {
    std::vector<std::string> sorted = payouts_;
    std::stable_sort(sorted.begin(), sorted.end());
    WriteLines(FilePath(".jvHR"), sorted);
  }
  if (!win_.empty() || !quinella_.empty()) {
    size_t count = 3 * raceLines_.size();
    std::vector<std::string> win(count, std::string(kWinOddsLineLength, ' '));
    std::vector<std::string> quinella(count, std::string(kQuinellaOddsLineLength, ' '));
    for (const auto& [n, line] : win_) {
      if (static_cast<size_t>(n) >= win.size())
        win.resize(static_cast<size_t>(n) + 1, std::string(kWinOddsLineLength, ' '));
      win[static_cast<size_t>(n)] = line;
    }
    for (const auto& [n, line] : quinella_) {
      if (static_cast<size_t>(n) >= quinella.size()) {
        quinella.resize(static_cast<size_t>(n) + 1, std::string(kQuinellaOddsLineLength, ' '));
      }
      quinella[static_cast<size_t>(n)] = line;
    }
    WriteLines(FilePath(".jvO1"), win);
    WriteLines(FilePath(".jvO2"), quinella);
  }
}

void WriteLines(const std::string& sjisPath, const std::vector<std::string>& lines) {
  if (!SaveLines(sjisPath, lines)) throw std::runtime_error("cannot write " + sjisPath);
}

}  // namespace tw::test
