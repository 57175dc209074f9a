#include "text/files.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <system_error>

#include "text/fields.h"
#include "text/memory_files.h"
#include "text/save_fault.h"
#include "text/sjis.h"
#include "text/temp_files.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace tw {

namespace fs = std::filesystem;

std::string JoinPath(std::string_view folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  std::string out(folder);
  if (out.back() != '/' && out.back() != '\\') out += kPathSep;
  out += name;
  return out;
}

fs::path ToFsPath(std::string_view sjisPath) {
#ifdef _WIN32
  std::string utf8 = SjisToUtf8(sjisPath);
  return fs::u8path(utf8);
#else
  return fs::path(SjisToUtf8(sjisPath));
#endif
}

std::string FromFsPath(const fs::path& path) {
#ifdef _WIN32
  auto u8 = path.u8string();
  return Utf8ToSjis(std::string(u8.begin(), u8.end()));
#else
  return Utf8ToSjis(path.string());
#endif
}

bool FileExists(std::string_view sjisPath) {
  if (const ScopedMemoryFiles* memory = ScopedMemoryFiles::Active()) return memory->Find(sjisPath) != nullptr;
  std::error_code ec;
  return fs::is_regular_file(ToFsPath(sjisPath), ec);
}

bool FolderExists(std::string_view sjisPath) {
  if (const ScopedMemoryFiles* memory = ScopedMemoryFiles::Active()) return memory->HasFolder(sjisPath);
  std::error_code ec;
  return fs::is_directory(ToFsPath(sjisPath), ec);
}

bool PathExists(std::string_view sjisPath) {
  if (const ScopedMemoryFiles* memory = ScopedMemoryFiles::Active()) return memory->Find(sjisPath) != nullptr;
  std::error_code ec;
  return fs::exists(fs::symlink_status(ToFsPath(sjisPath), ec));
}

bool EnsureFolder(std::string_view sjisPath, std::string* error) {
  // In memory every folder a file may be saved into exists.
  if (ScopedMemoryFiles::Active()) return true;
  std::error_code ec;
  fs::path p = ToFsPath(sjisPath);
  if (fs::is_directory(p, ec)) return true;
  fs::create_directories(p, ec);
  if (ec && error) *error = ec.message();
  return fs::is_directory(p, ec);
}

namespace {

// Shift-JIS text as characters of one or two bytes, so that a trail byte is
// never compared with an ASCII pattern character and '?' takes a whole kanji.
std::vector<std::string_view> SjisChars(std::string_view s) {
  std::vector<std::string_view> chars;
  for (size_t i = 0; i < s.size();) {
    size_t n = IsSjisLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size() ? 2 : 1;
    chars.push_back(s.substr(i, n));
    i += n;
  }
  return chars;
}

bool SameChar(std::string_view a, std::string_view b) {
  if (a.size() == 1 && b.size() == 1) return EqualsIgnoreCase(a, b);
  return a == b;
}

bool SameChar(char a, char b) { return EqualsIgnoreCase(std::string_view(&a, 1), std::string_view(&b, 1)); }

bool IsChar(std::string_view c, char x) { return c.size() == 1 && c[0] == x; }
bool IsChar(char c, char x) { return c == x; }

// Without a lead byte every character is one byte: such a name is matched on
// its bytes, without a list of its characters.
bool IsSingleBytes(std::string_view s) {
  return std::none_of(s.begin(), s.end(), [](char c) { return IsSjisLeadByte(static_cast<unsigned char>(c)); });
}

template <typename Chars>
bool MatchChars(const Chars& pattern, const Chars& name) {
  size_t p = 0, n = 0, star = std::string_view::npos, mark = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (IsChar(pattern[p], '?') || SameChar(pattern[p], name[n]))) {
      ++p;
      ++n;
    } else if (p < pattern.size() && IsChar(pattern[p], '*')) {
      star = p++;
      mark = n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++mark;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && IsChar(pattern[p], '*')) ++p;
  return p == pattern.size();
}

}  // namespace

bool WildcardMatch(std::string_view patternText, std::string_view nameText) {
  if (IsSingleBytes(patternText) && IsSingleBytes(nameText)) return MatchChars(patternText, nameText);
  return MatchChars(SjisChars(patternText), SjisChars(nameText));
}

std::vector<std::string> ListFolder(std::string_view sjisFolder, std::string_view pattern) {
  std::vector<std::string> names;
  if (const ScopedMemoryFiles* memory = ScopedMemoryFiles::Active()) {
    for (std::string& name : memory->NamesIn(sjisFolder)) {
      if (WildcardMatch(pattern, name)) names.push_back(std::move(name));
    }
    return names;
  }
  std::error_code ec;
  fs::directory_iterator it(ToFsPath(sjisFolder), ec);
  if (ec) return names;
  for (const auto& entry : it) {
    std::error_code e2;
    if (!entry.is_regular_file(e2)) continue;
    std::string name = FromFsPath(entry.path().filename());
    if (WildcardMatch(pattern, name)) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end());
  return names;
}

ReadStatus ReadFileBounded(std::string_view sjisPath, std::uintmax_t maxBytes, std::string& bytes) {
  bytes.clear();
  if (const ScopedMemoryFiles* memory = ScopedMemoryFiles::Active()) {
    const std::string* file = memory->Find(sjisPath);
    if (file == nullptr) return ReadStatus::kMissing;
    if (file->size() > maxBytes) return ReadStatus::kTooLarge;
    bytes = *file;
    return ReadStatus::kRead;
  }
  fs::path path = ToFsPath(sjisPath);
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (!fs::status_known(status)) return ReadStatus::kUnreadable;
  if (!fs::exists(status)) return ReadStatus::kMissing;
  // A folder opens for reading on POSIX but fails on the first read.
  if (!fs::is_regular_file(status)) return ReadStatus::kUnreadable;
  std::uintmax_t size = fs::file_size(path, ec);
  if (!ec && size > maxBytes) return ReadStatus::kTooLarge;
  std::ifstream in(path, std::ios::binary);
  if (!in) return ReadStatus::kUnreadable;
  // The size the file has now read straight into the text: day files are
  // read on every load, and a copy through a buffer would cost as much again.
  if (!ec && size > 0) {
    bytes.resize(static_cast<size_t>(size));
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    bytes.resize(static_cast<size_t>(in.gcount()));
  }
  // istream::read turns a failing read into badbit; a stream iterator would
  // let the library's exception escape instead. The limit holds for a file
  // that grows while it is read, too.
  char buf[1 << 16];
  while (in) {
    in.read(buf, sizeof buf);
    bytes.append(buf, static_cast<size_t>(in.gcount()));
    if (bytes.size() > maxBytes) {
      bytes.clear();
      return ReadStatus::kTooLarge;
    }
  }
  if (in.bad()) {
    bytes.clear();
    return ReadStatus::kUnreadable;
  }
  return ReadStatus::kRead;
}

std::optional<std::string> ReadFileBytes(std::string_view sjisPath, std::uintmax_t maxBytes) {
  std::string bytes;
  if (ReadFileBounded(sjisPath, maxBytes, bytes) != ReadStatus::kRead) return std::nullopt;
  return bytes;
}

namespace {

// Renames `from` to `to` unless `to` exists; false (and no error) when it did.
bool RenameUnlessThere(const fs::path& from, const fs::path& to, std::error_code& ec) {
#ifdef _WIN32
  if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) return true;
  DWORD code = GetLastError();
  if (code == ERROR_ALREADY_EXISTS || code == ERROR_FILE_EXISTS) {
    fs::remove(from, ec);
    ec.clear();
    return false;
  }
  ec = std::error_code(static_cast<int>(code), std::system_category());
  return true;
#else
  // A link fails when the name is taken; file systems without links get a
  // check and a rename.
  fs::create_hard_link(from, to, ec);
  const bool there = ec == std::errc::file_exists || (ec && fs::exists(to));
  if (ec && !there) {
    ec.clear();
    fs::rename(from, to, ec);
    return true;
  }
  std::error_code ignored;
  fs::remove(from, ignored);
  if (there) ec.clear();
  return !there;
#endif
}

// The temporary file takes the target's name: renamed over it, or linked to
// it only when there is none (`alreadyThere` then tells that there was one).
SaveResult WriteThroughTemporary(std::string_view sjisPath, std::string_view bytes, bool* alreadyThere) {
  SaveResult result;
  if (ScopedMemoryFiles* memory = ScopedMemoryFiles::Active()) {
    if (alreadyThere != nullptr && memory->Find(sjisPath) != nullptr) {
      *alreadyThere = true;
    } else {
      memory->Save(sjisPath, bytes);
    }
    return result;
  }
  fs::path target = ToFsPath(sjisPath);
  RemoveStaleTemporaryFiles(target.parent_path());
  fs::path temp = target;
  temp += TemporarySuffix();
  const ScopedSaveFault* fault = ScopedSaveFault::For(sjisPath);
  const auto failsAt = [fault](SaveFaultStage stage) { return fault != nullptr && fault->stage() == stage; };
#ifdef _WIN32
  FILE* f = failsAt(SaveFaultStage::kOpen) ? nullptr : _wfopen(temp.c_str(), L"wb");
#else
  FILE* f = failsAt(SaveFaultStage::kOpen) ? nullptr : std::fopen(temp.c_str(), "wb");
#endif
  if (!f) {
    result.ok = false;
    result.error = std::strerror(failsAt(SaveFaultStage::kOpen) ? ENOSPC : errno);
    return result;
  }
  bool ok;
  int err = 0;
  if (failsAt(SaveFaultStage::kWrite)) {
    std::fwrite(bytes.data(), 1, bytes.size() / 2, f);
    ok = false;
    err = ENOSPC;
  } else {
    ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    err = ok ? 0 : errno;
  }
  if (ok && std::fflush(f) != 0) {
    ok = false;
    err = errno;
  }
#ifndef _WIN32
  if (ok && ::fsync(fileno(f)) != 0) {
    ok = false;
    err = errno;
  }
#endif
  if (std::fclose(f) != 0 && ok) {
    ok = false;
    err = errno;
  }
  std::error_code ec;
  if (ok) {
    if (failsAt(SaveFaultStage::kRename)) {
      ec = std::make_error_code(std::errc::permission_denied);
    } else if (alreadyThere == nullptr) {
      fs::rename(temp, target, ec);
    } else {
      *alreadyThere = !RenameUnlessThere(temp, target, ec);
    }
    if (ec) {
      ok = false;
      result.error = ec.message();
    }
  } else {
    result.error = std::strerror(err ? err : EIO);
  }
  if (!ok) {
    fs::remove(temp, ec);
    result.ok = false;
  }
  return result;
}

}  // namespace

SaveResult WriteFileAtomic(std::string_view sjisPath, std::string_view bytes) {
  return WriteThroughTemporary(sjisPath, bytes, nullptr);
}

SaveResult CreateFileAtomic(std::string_view sjisPath, std::string_view bytes, bool& alreadyThere) {
  alreadyThere = false;
  return WriteThroughTemporary(sjisPath, bytes, &alreadyThere);
}

std::unique_ptr<std::istream> OpenFileStream(std::string_view sjisPath) {
  if (const ScopedMemoryFiles* memory = ScopedMemoryFiles::Active()) {
    const std::string* file = memory->Find(sjisPath);
    auto in = std::make_unique<std::istringstream>(file != nullptr ? *file : std::string());
    if (file == nullptr) in->setstate(std::ios::failbit);
    return in;
  }
  return std::make_unique<std::ifstream>(ToFsPath(sjisPath), std::ios::binary);
}

std::vector<std::string> SplitLines(std::string_view bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t nl = bytes.find('\n', start);
    if (nl == std::string_view::npos) {
      lines.emplace_back(bytes.substr(start));
      break;
    }
    size_t end = nl;
    if (end > start && bytes[end - 1] == '\r') --end;
    lines.emplace_back(bytes.substr(start, end - start));
    start = nl + 1;
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  size_t total = 0;
  for (const auto& l : lines) total += l.size() + 2;
  std::string out;
  out.reserve(total);
  for (const auto& l : lines) {
    out += l;
    out += "\r\n";
  }
  return out;
}

std::optional<std::vector<std::string>> LoadLines(std::string_view sjisPath, std::uintmax_t maxBytes) {
  auto bytes = ReadFileBytes(sjisPath, maxBytes);
  if (!bytes) return std::nullopt;
  return SplitLines(*bytes);
}

SaveResult SaveLines(std::string_view sjisPath, const std::vector<std::string>& lines) {
  return WriteFileAtomic(sjisPath, JoinLines(lines));
}

void ReportFileSizeLimitAsWriteFailure() {
#ifdef SIGXFSZ
  // Ignored, the signal lets the write return EFBIG, which the save reports.
  std::signal(SIGXFSZ, SIG_IGN);
#endif
}

}  // namespace tw
