#include "analysis/day_file_problems.h"

#include <filesystem>
#include <system_error>

#include "text/sjis.h"

namespace tw {

bool IsNonRegularFile(const std::string& file) {
  std::error_code ec;
  const std::filesystem::file_status status = std::filesystem::status(ToFsPath(file), ec);
  return !ec && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status);
}

void NoteReadProblem(DayFileProblems& problems, const std::string& file, ReadStatus status, int records,
                     int damagedLines) {
  DayFileProblem problem;
  problem.file = file;
  switch (status) {
    case ReadStatus::kMissing:
      return;
    case ReadStatus::kTooLarge:
      problem.kind = DayFileProblem::Kind::kTooLarge;
      break;
    case ReadStatus::kUnreadable:
      problem.kind = IsNonRegularFile(file) ? DayFileProblem::Kind::kNotRegular : DayFileProblem::Kind::kUnreadable;
      break;
    case ReadStatus::kRead:
      if (records == 0 && damagedLines == 0) {
        problem.kind = DayFileProblem::Kind::kEmpty;
        break;
      }
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
    case DayFileProblem::Kind::kMissing:
      return Sjis("ファイルがありません：") + problem.file;
    case DayFileProblem::Kind::kEmpty:
      return Sjis("ファイルが空です（0バイト）：") + problem.file;
    case DayFileProblem::Kind::kNotRegular:
      return Sjis("通常のファイルではないため読み込みませんでした：") + problem.file;
  }
  return problem.file;
}

}  // namespace tw
