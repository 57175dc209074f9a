#include "records/runner_record.h"

#include "text/fields.h"

namespace tw {

std::string HorseNumberText(std::string_view runner) { return Field(runner, 29, 2); }
long long HorseNumber(std::string_view runner) { return FieldInt(runner, 29, 2); }

}  // namespace tw
