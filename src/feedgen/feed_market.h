// The betting market of the sample feed: from each runner's share of the win
// pool, the odds of one announcement (win, place, bracket quinella, quinella)
// the way the totalisator computes them, with JRA's take-out (win and place
// 20 %, bracket quinella and quinella 22.5 %). Pair probabilities follow the
// Harville formula. Horses are numbered 1..n; index 0 is unused.
#pragma once

#include <array>
#include <vector>

namespace tw {

// A runner's state at an announcement.
enum class RunnerState { kRunning, kScratchedBeforeSales, kScratchedAfterSales };

struct MarketInput {
  int runners = 0;                 // registered
  std::vector<double> share;       // [1..n] the public's win probability; ignored for scratched
  std::vector<RunnerState> state;  // [1..n]
  std::vector<int> bracket;        // [1..n] bracket numbers
  double winPool = 0;              // ¥100 units
};

struct MarketOdds {
  int runners = 0, starters = 0;
  int placesPaid = 0;  // 3 with 8 or more starters, 2 with 5–7, otherwise 0
  bool bracketSold = false;
  // Odds in tenths (56 = 5.6); 0 for a scratched runner or an unavailable pair.
  std::array<int, 19> win{}, winPop{}, placeLow{}, placeHigh{}, placePop{};
  std::array<double, 19> placeStake{};  // share of the place pool
  std::array<int, 37> bracketOdds{}, bracketPop{};
  std::array<bool, 37> bracketOpen{};    // pair can occur (both brackets still have runners)
  std::array<bool, 37> bracketExists{};  // pair can occur at all in this field
  std::array<int, 154> quinella{}, quinellaPop{};
  long long winVotes = 0, placeVotes = 0, bracketVotes = 0, quinellaVotes = 0;
};

MarketOdds ComputeMarket(const MarketInput& in);

// The place payout (odds tenths) of `horse` when `others` are the other placed
// horses; it lies between the announced lowest and highest place odds.
int PlacePayoutTenths(const MarketOdds& m, int horse, const std::vector<int>& others);

// Harville probabilities with shares p[1..n] (summing to 1 over the runners).
double ExactaProbability(const std::vector<double>& p, int first, int second);
double TrifectaProbability(const std::vector<double>& p, int a, int b, int c);
double WideProbability(const std::vector<double>& p, int i, int j);  // both in the first three

// Odds in tenths from a pool share: floor(10 × (1 − take-out) / share), at least 1.0, at most `cap`.
int OddsTenths(double payoutRate, double share, int cap);

// Popularity ranks (1 = shortest odds) of positive odds; 0 stays 0. Ties share a rank.
std::vector<int> Popularity(const std::vector<int>& odds);

}  // namespace tw
