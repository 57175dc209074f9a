#include "feedgen/feed_market.h"

#include <algorithm>
#include <cmath>

#include "codes/pairs.h"

namespace tw {

int OddsTenths(double payoutRate, double share, int cap) {
  if (share <= 0) return cap;
  double tenths = std::floor(payoutRate * 10.0 / share + 1e-9);
  if (tenths < 10) tenths = 10;
  if (tenths > cap) tenths = cap;
  return static_cast<int>(tenths);
}

std::vector<int> Popularity(const std::vector<int>& odds) {
  std::vector<int> rank(odds.size(), 0);
  for (size_t i = 0; i < odds.size(); ++i) {
    if (odds[i] <= 0) continue;
    int r = 1;
    for (size_t j = 0; j < odds.size(); ++j)
      if (odds[j] > 0 && odds[j] < odds[i]) ++r;
    rank[i] = r;
  }
  return rank;
}

double ExactaProbability(const std::vector<double>& p, int first, int second) {
  if (first == second || p[first] >= 1.0) return 0;
  return p[first] * p[second] / (1.0 - p[first]);
}

double TrifectaProbability(const std::vector<double>& p, int a, int b, int c) {
  if (a == b || a == c || b == c) return 0;
  double rest = 1.0 - p[a] - p[b];
  if (rest <= 0) return 0;
  return ExactaProbability(p, a, b) * p[c] / rest;
}

double WideProbability(const std::vector<double>& p, int i, int j) {
  int n = static_cast<int>(p.size()) - 1;
  double sum = 0;
  for (int k = 1; k <= n; ++k) {
    if (k == i || k == j) continue;
    const int orders[6][3] = {{i, j, k}, {j, i, k}, {i, k, j}, {j, k, i}, {k, i, j}, {k, j, i}};
    for (const auto& o : orders) sum += TrifectaProbability(p, o[0], o[1], o[2]);
  }
  return sum;
}

namespace {
int PlaceTenths(const std::array<double, 19>& stake, int horse, const std::vector<int>& others, int places);
}

int PlacePayoutTenths(const MarketOdds& m, int horse, const std::vector<int>& others) {
  return PlaceTenths(m.placeStake, horse, others, m.placesPaid);
}

namespace {

// The place payout of `horse` (odds tenths) when `others` are the other placed horses.
int PlaceTenths(const std::array<double, 19>& stake, int horse, const std::vector<int>& others, int places) {
  double paid = stake[horse];
  for (int o : others) paid += stake[o];
  double profit = (0.8 - paid) / (places * stake[horse]);
  double tenths = std::floor((1.0 + std::max(0.0, profit)) * 10.0 + 1e-9);
  return static_cast<int>(std::clamp(tenths, 10.0, 9999.0));
}

}  // namespace

MarketOdds ComputeMarket(const MarketInput& in) {
  MarketOdds m;
  const int n = in.runners;
  m.runners = n;
  std::vector<double> p(static_cast<size_t>(n) + 1, 0.0);
  double total = 0;
  for (int h = 1; h <= n; ++h)
    if (in.state[h] == RunnerState::kRunning) total += in.share[h];
  for (int h = 1; h <= n; ++h) {
    if (in.state[h] != RunnerState::kRunning) continue;
    p[h] = in.share[h] / total;
    ++m.starters;
  }
  m.placesPaid = m.starters >= 8 ? 3 : m.starters >= 5 ? 2 : 0;
  m.bracketSold = n >= 9;  // with 8 or fewer every horse is its own bracket

  // Win: the votes of each runner, and the odds the pool gives them.
  std::vector<long long> votes(static_cast<size_t>(n) + 1, 0);
  for (int h = 1; h <= n; ++h)
    if (p[h] > 0) votes[h] = std::max<long long>(1, std::llround(p[h] * in.winPool));
  for (int h = 1; h <= n; ++h) m.winVotes += votes[h];
  std::vector<int> win(static_cast<size_t>(n) + 1, 0);
  for (int h = 1; h <= n; ++h)
    if (votes[h] > 0) win[h] = OddsTenths(0.8, static_cast<double>(votes[h]) / m.winVotes, 9999);
  std::vector<int> pop = Popularity(win);
  for (int h = 1; h <= n; ++h) m.win[h] = win[h], m.winPop[h] = pop[h];

  // Place: stakes follow each runner's chance to be placed.
  m.placeVotes = std::llround(in.winPool * 1.15);
  if (m.placesPaid > 0) {
    std::vector<double> placed(static_cast<size_t>(n) + 1, 0.0);
    for (int a = 1; a <= n; ++a) {
      if (p[a] <= 0) continue;
      for (int b = 1; b <= n; ++b) {
        if (b == a || p[b] <= 0) continue;
        double ab = ExactaProbability(p, a, b);
        if (m.placesPaid == 2) {
          placed[a] += ab;
          placed[b] += ab;
          continue;
        }
        for (int c = 1; c <= n; ++c) {
          if (c == a || c == b || p[c] <= 0) continue;
          double abc = ab * p[c] / (1.0 - p[a] - p[b]);
          placed[a] += abc;
          placed[b] += abc;
          placed[c] += abc;
        }
      }
    }
    double sum = 0;
    for (int h = 1; h <= n; ++h) sum += placed[h];
    for (int h = 1; h <= n; ++h) m.placeStake[h] = sum > 0 ? placed[h] / sum : 0;
    for (int h = 1; h <= n; ++h) {
      if (p[h] <= 0) continue;
      // Lowest odds when the most-backed horses are placed with it, highest with the least-backed.
      std::vector<int> most, least;
      std::vector<std::pair<double, int>> ranked;
      for (int o = 1; o <= n; ++o)
        if (o != h && p[o] > 0) ranked.push_back({m.placeStake[o], o});
      std::sort(ranked.begin(), ranked.end());
      for (int k = 0; k < m.placesPaid - 1 && k < static_cast<int>(ranked.size()); ++k) {
        least.push_back(ranked[static_cast<size_t>(k)].second);
        most.push_back(ranked[ranked.size() - 1 - static_cast<size_t>(k)].second);
      }
      m.placeLow[h] = PlaceTenths(m.placeStake, h, most, m.placesPaid);
      m.placeHigh[h] = PlaceTenths(m.placeStake, h, least, m.placesPaid);
    }
    std::vector<int> low(m.placeLow.begin(), m.placeLow.begin() + n + 1);
    std::vector<int> placePop = Popularity(low);
    for (int h = 1; h <= n; ++h) m.placePop[h] = placePop[h];
  }

  // Quinella.
  m.quinellaVotes = std::llround(in.winPool * 2.6);
  std::vector<double> pairP(kQuinellaPairs + 1, 0.0);
  for (int i = 1; i <= n; ++i)
    for (int j = i + 1; j <= n; ++j)
      if (p[i] > 0 && p[j] > 0)
        pairP[QuinellaPairIndexOf(i, j)] = ExactaProbability(p, i, j) + ExactaProbability(p, j, i);
  {
    std::vector<int> odds(kQuinellaPairs + 1, 0);
    for (int k = 1; k <= kQuinellaPairs; ++k) {
      if (pairP[k] <= 0) continue;
      long long v = std::max<long long>(1, std::llround(pairP[k] * m.quinellaVotes));
      odds[k] = OddsTenths(0.775, static_cast<double>(v) / m.quinellaVotes, 999999);
    }
    std::vector<int> qp = Popularity(odds);
    for (int k = 1; k <= kQuinellaPairs; ++k) m.quinella[k] = odds[k], m.quinellaPop[k] = qp[k];
  }

  // Bracket quinella.
  if (m.bracketSold) {
    m.bracketVotes = std::llround(in.winPool * 0.45);
    std::array<int, 9> inBracket{}, runningIn{};
    for (int h = 1; h <= n; ++h) {
      ++inBracket[in.bracket[h]];
      if (p[h] > 0) ++runningIn[in.bracket[h]];
    }
    std::vector<double> bp(kBracketPairs + 1, 0.0);
    for (int i = 1; i <= n; ++i)
      for (int j = i + 1; j <= n; ++j) {
        int a = std::min(in.bracket[i], in.bracket[j]), b = std::max(in.bracket[i], in.bracket[j]);
        bp[BracketPairIndexOf(a, b)] += pairP[QuinellaPairIndexOf(i, j)];
      }
    std::vector<int> odds(kBracketPairs + 1, 0);
    for (int a = 1; a <= 8; ++a)
      for (int b = a; b <= 8; ++b) {
        int k = BracketPairIndexOf(a, b);
        m.bracketExists[k] = a == b ? inBracket[a] >= 2 : inBracket[a] >= 1 && inBracket[b] >= 1;
        m.bracketOpen[k] = a == b ? runningIn[a] >= 2 : runningIn[a] >= 1 && runningIn[b] >= 1;
        if (!m.bracketOpen[k] || bp[k] <= 0) continue;
        long long v = std::max<long long>(1, std::llround(bp[k] * m.bracketVotes));
        odds[k] = OddsTenths(0.775, static_cast<double>(v) / m.bracketVotes, 99999);
      }
    std::vector<int> bpop = Popularity(odds);
    for (int k = 1; k <= kBracketPairs; ++k) m.bracketOdds[k] = odds[k], m.bracketPop[k] = bpop[k];
  }
  return m;
}

}  // namespace tw
