#include "analysis/day_file_problems.h"

#include "text/sjis.h"

namespace tw {

void NoteReadProblem(DayFileProblems& problems, const std::string& file, ReadStatus status, int damagedLines) {
  DayFileProblem problem;
  problem.file = file;
  switch (status) {
    case ReadStatus::kMissing:
      return;
    case ReadStatus::kTooLarge:
      problem.kind = DayFileProblem::Kind::kTooLarge;
      break;
    case ReadStatus::kUnreadable:
      problem.kind = DayFileProblem::Kind::kUnreadable;
      break;
    case ReadStatus::kRead:
      if (damagedLines == 0) return;
      problem.kind = DayFileProblem::Kind::kDamagedLines;
      problem.lines = damagedLines;
      break;
  }
  problems.push_back(std::move(problem));
}

std::string DayFileProblemText(const DayFileProblem& problem) {
  switch (problem.kind) {
    case DayFileProblem::Kind::kDamagedLines:
      return Sjis("壊れた行があります（") + std::to_string(problem.lines) + Sjis("行）：") + problem.file;
    case DayFileProblem::Kind::kTooLarge:
      return Sjis("ファイルが大きすぎるため読み込みませんでした：") + problem.file;
    case DayFileProblem::Kind::kUnreadable:
      return Sjis("ファイルを読み込めません：") + problem.file;
    case DayFileProblem::Kind::kNotCreated:
      return Sjis("オッズファイルを作成できませんでした：") + problem.file + Sjis("（") + problem.reason + Sjis("）");
  }
  return problem.file;
}

}  // namespace tw
