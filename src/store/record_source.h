// Where a record offered to the store came from. The race-card download
// tests data kind and date and stores race and payout records with their
// data kind and creation date zeroed, and may create files; the result fetch
// stores what it receives, only into the day files the download made.
#pragma once

namespace tw {

enum class RecordSource { kDownload, kResultFetch };

}  // namespace tw
