#include "fuzz_support.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <system_error>

#include "store/data_folder_lock.h"
#include "text/sjis.h"

namespace tw::fuzz {

const std::string& FuzzInput::Part(size_t index) const {
  static const std::string none;
  return index < parts.size() ? parts[index] : none;
}

FuzzInput SplitInput(const uint8_t* data, size_t size) {
  FuzzInput input;
  if (size == 0) return input;
  input.mode = data[0];
  input.fitted = (data[0] & 1) != 0;
  std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  while (true) {
    size_t at = rest.find(kPartMark);
    if (at == std::string_view::npos) {
      input.parts.emplace_back(rest);
      break;
    }
    input.parts.emplace_back(rest.substr(0, at));
    rest.remove_prefix(at + kPartMark.size());
  }
  return input;
}

std::string JoinInput(unsigned mode, const std::vector<std::string>& parts) {
  std::string out(1, static_cast<char>(mode));
  for (size_t k = 0; k < parts.size(); ++k) {
    if (k > 0) out += kPartMark;
    out += parts[k];
  }
  return out;
}

std::string FitLines(const std::string& bytes, size_t length) {
  // Sized once: the fitted files of a full day are hundreds of kilobytes,
  // and growing them by doubling mapped fresh memory several times.
  size_t lines = static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
  if (!bytes.empty() && bytes.back() != '\n') ++lines;
  std::string out;
  out.reserve(lines * (length + 2));
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string_view line(bytes.data() + start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    line = line.substr(0, length);
    out += line;
    out.append(length - line.size(), ' ');
    out += "\r\n";
    start = end + 1;
  }
  return out;
}

size_t CountLineBreaks(const std::string& bytes) {
  size_t n = 0;
  for (char c : bytes) n += (c == '\r' || c == '\n') ? 1 : 0;
  return n;
}

ScratchFolder::ScratchFolder() {
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/turfwise-fuzz-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  if (!mkdtemp(name.data())) {
    std::perror("mkdtemp");
    std::abort();
  }
  path_ = name.data();
}

ScratchFolder::~ScratchFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

ScratchFolder& EmptiedScratch() {
  static ScratchFolder scratch;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(scratch.path(), ec)) {
    std::filesystem::remove_all(entry.path(), ec);
  }
  return scratch;
}

namespace {

long long NowNanos() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

struct PhaseTotals {
  bool on = false;
  long long start = 0, inputs = 0, inside = 0;
  std::vector<std::pair<std::string, long long>> phases;
  ~PhaseTotals() {
    if (!on || inputs == 0) return;
    const long long total = NowNanos() - start;
    std::fprintf(stderr, "==turfwise-fuzz== phases over %lld inputs, %.1f s:\n", inputs, total / 1e9);
    for (const auto& [name, nanos] : phases) {
      std::fprintf(stderr, "  %-10s %5.1f%%  %8.1f us/input\n", name.c_str(), 100.0 * nanos / total,
                   nanos / 1e3 / inputs);
    }
    std::fprintf(stderr, "  %-10s %5.1f%%  %8.1f us/input\n", "libFuzzer", 100.0 * (total - inside) / total,
                 (total - inside) / 1e3 / inputs);
  }
};

PhaseTotals& Totals() {
  static PhaseTotals totals = [] {
    PhaseTotals t;
    const char* value = std::getenv("TURFWISE_FUZZ_PHASES");
    t.on = value && std::string(value) == "1";
    t.start = NowNanos();
    return t;
  }();
  return totals;
}

}  // namespace

PhaseClock::PhaseClock() : last_(Totals().on ? NowNanos() : 0) {
  if (Totals().on) ++Totals().inputs;
}

void PhaseClock::Mark(const char* phase) {
  PhaseTotals& totals = Totals();
  if (!totals.on) return;
  const long long now = NowNanos();
  auto it =
      std::find_if(totals.phases.begin(), totals.phases.end(), [phase](const auto& p) { return p.first == phase; });
  if (it == totals.phases.end()) it = totals.phases.insert(it, {phase, 0});
  it->second += now - last_;
  totals.inside += now - last_;
  last_ = now;
}

Tree MemoryTree(std::map<std::string, std::string, std::less<>> files, const std::string& root) {
  Tree tree;
  const std::string prefix = root + "/";
  for (auto& [path, bytes] : files) {
    const bool below = path.compare(0, prefix.size(), prefix) == 0;
    tree[below ? tw::SjisToUtf8(path.substr(prefix.size())) : "../" + tw::SjisToUtf8(path)] = std::move(bytes);
  }
  return tree;
}

Tree ReadTree(const std::filesystem::path& root) {
  Tree tree;
  ReadTree(root, tree);
  return tree;
}

void ReadTree(const std::filesystem::path& root, Tree& tree) {
  Tree old;
  old.swap(tree);
  std::error_code ec;
  for (auto it = std::filesystem::recursive_directory_iterator(root, ec);
       !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
    if (!it->is_regular_file()) continue;
    // The writer's lock file is the store's own bookkeeping, not data.
    if (it->path().filename() == tw::DataFolderLock::kFileName) continue;
    std::string path = std::filesystem::relative(it->path(), root).string();
    auto kept = old.extract(path);
    std::string& bytes = kept.empty() ? tree[path] : tree.insert(std::move(kept)).position->second;
    std::ifstream in(it->path(), std::ios::binary | std::ios::ate);
    bytes.resize(static_cast<size_t>(in.tellg()));
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) {
    std::fprintf(stderr, "fuzz set-up: cannot write %s\n", path.c_str());
    std::abort();
  }
}

void Check(bool ok, const std::string& what) {
  if (ok) return;
  std::fprintf(stderr, "\n==turfwise-fuzz== invariant broken: %s\n", what.c_str());
  std::abort();
}

bool StrictChecks() {
  static const bool strict = [] {
    // On by default now that the faults they caught are fixed; "0" turns
    // them off to look past a finding.
    const char* value = std::getenv("TURFWISE_FUZZ_STRICT");
    return !value || std::string(value) != "0";
  }();
  return strict;
}

void StrictCheck(bool ok, const std::string& what) {
  if (StrictChecks()) Check(ok, "[strict] " + what);
}

bool FixedLines(const std::string& bytes, size_t length) {
  const size_t record = length + 2;
  if (bytes.size() % record != 0) return false;
  for (size_t at = 0; at < bytes.size(); at += record) {
    if (std::memchr(bytes.data() + at, '\r', length) || std::memchr(bytes.data() + at, '\n', length)) return false;
    if (bytes[at + length] != '\r' || bytes[at + length + 1] != '\n') return false;
  }
  return true;
}

std::string_view FixedRecord(const std::string& bytes, size_t recordLength, size_t index) {
  size_t at = recordLength * index;
  if (at >= bytes.size()) return {};
  return std::string_view(bytes).substr(at, recordLength);
}

void CheckOnlyIn(const Tree& after, const std::vector<std::string>& allowed) {
  for (const auto& [path, bytes] : after) {
    std::filesystem::path p(path);
    std::string folder = p.parent_path().string();
    bool inside = false;
    for (const auto& a : allowed) inside = inside || folder == a;
    Check(inside, "file outside the folders it may write: " + path);
    Check(p.filename().string().find(".tmp") == std::string::npos, "temporary file left: " + path);
  }
}

void CheckUnchanged(const Tree& before, const Tree& after, const std::string& what) {
  for (const auto& [path, bytes] : before) {
    auto it = after.find(path);
    Check(it != after.end(), what + ": file removed: " + path);
    Check(it->second == bytes, what + ": file changed: " + path);
  }
}

}  // namespace tw::fuzz
