#include "store/record_scatter.h"

#include <algorithm>
#include <cerrno>
#include <memory>
#include <optional>

#include "store/fixed_record_file.h"
#include "text/memory_files.h"

#ifndef _WIN32
#include <sys/uio.h>
#include <unistd.h>

#include <climits>

#include "text/readable_file.h"
#endif

namespace tw {

namespace {

// The buffered reading, for every case that the scattered one leaves to it.
ScatteredRecords ReadThroughBuffer(std::string_view sjisPath, int recordLength, std::uintmax_t maxBytes,
                                   const std::vector<std::string*>& targets) {
  const FixedRecordFile file(sjisPath, recordLength, maxBytes);
  const size_t n = std::min(static_cast<size_t>(file.count()), targets.size());
  for (size_t k = 0; k < n; ++k) {
    if (targets[k] != nullptr) targets[k]->assign(file.Record(static_cast<int>(k)));
  }
  return {file.status(), file.count(), file.damagedRecords()};
}

#ifndef _WIN32

// Nothing when the file changed while it was read, or has more records than
// one call takes: the buffered reading reads it then.
std::optional<ScatteredRecords> ReadScattered(std::string_view sjisPath, int recordLength, std::uintmax_t maxBytes,
                                              const std::vector<std::string*>& targets) {
  ScatteredRecords result;
  const ReadableFile file(sjisPath, maxBytes);
  result.status = file.status();
  if (result.status != ReadStatus::kRead) return result;
  const std::uintmax_t size = file.size();
  const auto length = static_cast<size_t>(recordLength);
  const size_t whole = static_cast<size_t>(size) / length;
  const size_t rest = static_cast<size_t>(size) % length;
  const size_t records = whole + (rest > 0 ? 1 : 0);
  // One piece more for a byte past the size: a file that grew is seen in
  // the same call.
  if (records + 1 > static_cast<size_t>(IOV_MAX)) return std::nullopt;

  // Each record into its target, or into the scratch room; a last, partial
  // record gets room for a whole one, so that its CR LF can be added.
  auto targetOf = [&](size_t n) -> std::string* {
    std::string* target = n < targets.size() ? targets[n] : nullptr;
    if (target != nullptr && target->size() != length) target->resize(length);
    return target;
  };
  size_t scratchBytes = 0;
  for (size_t n = 0; n < records; ++n) {
    if (targetOf(n) == nullptr) scratchBytes += length;
  }
  const auto scratch = std::make_unique_for_overwrite<char[]>(scratchBytes + 1);
  std::vector<iovec> pieces(records + 1);
  std::vector<char*> starts(records);
  size_t used = 0;
  for (size_t n = 0; n < records; ++n) {
    std::string* target = targetOf(n);
    starts[n] = target != nullptr ? target->data() : scratch.get() + used;
    if (target == nullptr) used += length;
    pieces[n] = {starts[n], n < whole ? length : rest};
  }
  char beyond;
  pieces[records] = {&beyond, 1};
  ssize_t got;
  do {
    got = ::readv(file.descriptor(), pieces.data(), static_cast<int>(records + 1));
  } while (got < 0 && errno == EINTR);
  if (got < 0) {
    result.status = ReadStatus::kUnreadable;
    return result;
  }
  // Fewer bytes than asked, and as many as the size: the whole file as it
  // was when opened (a regular file reads short only at its end).
  if (static_cast<std::uintmax_t>(got) != size) return std::nullopt;

  result.count = static_cast<int>(whole);
  if (rest == length - 2) {
    // The writer left off the line end of the last line only.
    starts[whole][rest] = '\r';
    starts[whole][rest + 1] = '\n';
    ++result.count;
  } else if (rest != 0) {
    ++result.damaged;
  }
  for (int n = 0; n < result.count; ++n) {
    if (IsDamagedRecord(std::string_view(starts[static_cast<size_t>(n)], length))) ++result.damaged;
  }
  return result;
}

#endif

}  // namespace

ScatteredRecords ReadRecordsInto(std::string_view sjisPath, int recordLength, std::uintmax_t maxBytes,
                                 const std::vector<std::string*>& targets) {
#ifndef _WIN32
  // Files in memory have no descriptor to scatter from.
  if (recordLength > 2 && ScopedMemoryFiles::Active() == nullptr) {
    if (std::optional<ScatteredRecords> read = ReadScattered(sjisPath, recordLength, maxBytes, targets)) return *read;
  }
#endif
  return ReadThroughBuffer(sjisPath, recordLength, maxBytes, targets);
}

}  // namespace tw
