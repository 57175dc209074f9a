// A data folder of five race days whose season figures can be worked out by
// hand, for the tests of the season report and its command. The sample
// odds of the day builder give every race with three snapshots the axis
// horse 6 with every other horse as its partner: the bets of a field of n
// are " 1- 6" … " 5- 6", " 6- 7" … " 6- n" (n − 1 bets), and the cheapest
// pairs of the last snapshot are  1- 2,  1- 3,  2- 3,  1- 4,  2- 4,  1- 5,
//  2- 5,  1- 6,  2- 6 in this order.
//
// 2024年05月11日 (counted)
//   東京 1R, 7 runners: 6 bets; quinella  1- 6 pays 2350; wide  1- 6 890,
//            1- 2 300,  2- 6 1200.
//   東京 2R, 8 runners: 7 bets; a dead heat: quinella  3- 6 1500 and  6- 8
//           4200; wide  3- 6 500,  6- 8 1300,  3- 8 2000.
//   中山 1R, 7 runners, only snapshot 1: no bets; quinella  1- 2 500.
//   中山 2R, 7 runners, snapshots 1 and 3: the analysis has bets, the bet
//           grid (fetch count "１回") shows none; quinella  1- 6 3000,
//           wide  1- 6 1000.
//   中山 3R, 9 runners, horse 3 scratched in snapshot 3: 7 bets without
//           3- 6; the reference skips the pairs of horse 3; quinella  1- 2
//           320; wide  1- 2 150,  1- 9 400,  2- 9 600.
//   中山 4R, 8 runners: no payout yet.
// 2024年05月12日: one race with bets, no payout file: no results yet.
// 2024年05月18日: a race file too large to be read: skipped.
// 2024年05月19日: a damaged line in the win-odds file: skipped, although
//   its payout would pay a bet.
// 2024年06月01日 (counted)
//   東京 1R, 10 runners: 9 bets; quinella  1- 2 280; wide  1- 2 130,  1- 3
//            200,  2- 3 350.
//   東京 2R, 10 runners: 9 bets; quinella  6-10 15230; wide  6-10 3000,
//            3- 6 800,  3-10 5000.
#pragma once

#include <string>

namespace tw::test {

// Writes the five days into `dataFolder` (Shift-JIS path, created).
void WriteHandWorkedSeason(const std::string& dataFolder);

}  // namespace tw::test
