#include "records/runner_record.h"

#include "text/fields.h"

namespace tw {

std::string HorseNumberText(std::string_view runner) { return Field(runner, 29, 2); }
long long HorseNumber(std::string_view runner) { return FieldInt(runner, 29, 2); }
std::string BracketNumberText(std::string_view runner) { return Field(runner, 28, 1); }
std::string HorseName(std::string_view runner) { return Field(runner, 41, 36); }
std::string SexCode(std::string_view runner) { return Field(runner, 79, 1); }
std::string AgeText(std::string_view runner) { return Field(runner, 83, 2); }
std::string TrainerShortName(std::string_view runner) { return Field(runner, 91, 8); }
long long WeightCarriedTenths(std::string_view runner) { return FieldInt(runner, 289, 3); }
std::string JockeyShortName(std::string_view runner) { return Field(runner, 307, 8); }

}  // namespace tw
