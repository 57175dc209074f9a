#!/usr/bin/env python3
"""Independent reading of the race-day load and odds analysis.

Reads one day of the Data folder (Shift-JIS fixed-length records) and prints
the same JSON as `turfwise-cli analyse --data DIR --day DAYNAME`. Written from
the description of the files and the analysis only, without looking at the
C++ code, so that the two can be compared value by value (compare.py).

It never writes to the data folder: missing odds files read as blank
snapshots, which is what the freshly created files hold.

Usage: oracle.py --data DIR --day 2024年05月12日
"""

import json
import math
import os
import sys

NO_VALUE = 10000.0
MAX_RACES = 36
MAX_RUNNERS = 18
SNAPSHOTS = 3
# The "version" field of the analysis JSON (docs/analysis-json.md).
ANALYSIS_JSON_VERSION = 1

RA_LEN, SE_LEN, HR_LEN, O1_LEN, O2_LEN = 1272, 555, 719, 962, 2042

MARK_AXIS = "◎"
MARK_CAND = "○"
MARK_PARTNER = "△"
MARK_OUT = "×"
MARK_CONFIRMED = "▲"


# ---------------------------------------------------------------- text helpers

def field(rec, pos, width):
    """Bytes pos..pos+width-1 (1-based), spaces past the end."""
    s = rec[pos - 1:pos - 1 + width]
    if len(s) < width:
        s = s + b" " * (width - len(s))
    return s


def int_value(text):
    """Leading spaces skipped, one optional sign, digits up to the first other
    character; no digits gives 0."""
    i = 0
    n = len(text)
    while i < n and text[i:i + 1] == b" ":
        i += 1
    sign = 1
    if i < n and text[i:i + 1] in (b"+", b"-"):
        if text[i:i + 1] == b"-":
            sign = -1
        i += 1
    v = 0
    while i < n and 0x30 <= text[i] <= 0x39:
        v = v * 10 + (text[i] - 0x30)
        i += 1
    return sign * v


def is_blank(text):
    return text.strip(b" ") == b""


QUINELLA_PAIRS = [(a, b) for a in range(1, 19) for b in range(a + 1, 19)]  # index j-1
BRACKET_PAIRS = [(a, b) for a in range(1, 9) for b in range(a, 9)]


def label_of(a, b):
    return b"%2d-%2d" % (a, b)


QUINELLA_INDEX = {label_of(a, b): j + 1 for j, (a, b) in enumerate(QUINELLA_PAIRS)}
BRACKET_INDEX = {label_of(a, b): j + 1 for j, (a, b) in enumerate(BRACKET_PAIRS)}


def round_half_away(v):
    a = abs(v)
    i = math.floor(a)
    if a - i >= 0.5:
        i += 1
    return -i if v < 0 else i


def zeros6(x):
    """Picture "000000": integer, at least six digits, minus sign in front."""
    v = round_half_away(x)
    if v < 0:
        return b"-%06d" % (-v)
    return b"%06d" % v


def sort_key(x, h):
    """K(x, h) = x * 100 in "000000" followed by h in "00"."""
    return zeros6(x * 100) + b"%02d" % h


def key_horse(key):
    return int_value(key[6:8])


def rounded(v):
    return float("%.2f" % v)


def course_name(code):
    names = {
        b"01": "札幌", b"02": "函館", b"03": "福島", b"04": "新潟", b"05": "東京",
        b"06": "中山", b"07": "中京", b"08": "京都", b"09": "阪神", b"10": "小倉",
    }
    if code in names:
        return names[code].encode("cp932")
    raise KeyError(code)  # the generated days use JRA courses only


# ---------------------------------------------------------------- file reading

def read_records(path, length):
    """Fixed-length records; a last record that lacks only its CR LF counts,
    any other partial record at the end is not read."""
    try:
        with open(path, "rb") as f:
            data = f.read()
    except FileNotFoundError:
        return None
    recs = []
    pos = 0
    while pos + length <= len(data):
        recs.append(data[pos:pos + length])
        pos += length
    rest = len(data) - pos
    if rest == length - 2:
        recs.append(data[pos:] + b"\r\n")
    return recs


def validity(text, zero, dash, star):
    t = text.strip(b" ")
    if t == b"" or t == zero:
        return False
    if text == dash or text == star:
        return False
    return True


def valid_win(t):
    return validity(t, b"0000", b"----", b"****")


def valid_bracket(t):
    return validity(t, b"00000", b"-----", b"*****")


def valid_quinella(t):
    return validity(t, b"000000", b"------", b"******")


def share_of(text, k):
    x = int_value(text)
    if x - 1 <= 0:
        return 0.0
    return k / (x - 1)


# ---------------------------------------------------------------- the model

class Analysis:
    def __init__(self):
        self.present = False
        self.axisRule = 0
        self.fetchTimes = ["", "", ""]
        self.quinellaSnapshotTimes = ["", "", ""]
        self.winSnapshotTimes = ["", "", ""]
        self.upsetDegree = ""
        self.axisMark = [""] * 19
        self.partnerMark = [""] * 19
        self.snapshotCount = 0
        self.shortQuinellaCount = [0] * 4
        self.winPopularityOrder = [[0] * 4 for _ in range(19)]
        self.firstWinRank = [0] * 19
        self.winShare = [[0.0] * 4 for _ in range(19)]
        self.quinellaShare = [[0.0] * 4 for _ in range(19)]
        self.bracketShare = [[0.0] * 4 for _ in range(19)]
        self.shareGap = [[NO_VALUE] * 4 for _ in range(19)]
        self.winShareChange = [NO_VALUE] * 19
        self.quinellaShareChange = [NO_VALUE] * 19
        self.shareGapChange = [NO_VALUE] * 19
        self.maxShareGap = [NO_VALUE] * 19
        self.driftMark = [""] * 19
        self.winChangeRank = [0] * 19
        self.quinellaChangeRank = [0] * 19
        self.axisConditionMarks = [[""] * 8 for _ in range(19)]
        self.partnerConditionMarks = [[""] * 6 for _ in range(19)]
        self.betLabels = [""] * 19
        self.hasPayout = False


class Slot:
    def __init__(self):
        self.race = b" " * RA_LEN
        self.payout = b" " * HR_LEN
        self.win = [None, b" " * O1_LEN, b" " * O1_LEN, b" " * O1_LEN]
        self.quin = [None, b" " * O2_LEN, b" " * O2_LEN, b" " * O2_LEN]
        self.a = Analysis()


def add_minutes(t, m):
    if is_blank(t):
        return ""
    total = int_value(t[0:2]) * 60 + int_value(t[2:4]) + m
    hours = int(total / 60)
    mins = int(math.fmod(total, 60))
    return "%02d%02d" % (hours, mins)


def fetch_times(race):
    r = int_value(field(race, 26, 2))
    post = field(race, 874, 4)
    post30 = "" if (is_blank(post) or post == b"0000") else add_minutes(post, -30)
    if r == 1:
        return ["0915", "0930", ""]
    if 2 <= r <= 5:
        return ["0930", post30, ""]
    if r == 6:
        return ["1015", "1215", ""]
    if 7 <= r <= 12:
        return ["1015", "1215", post30]
    return ["", "", ""]


def snapshot_time(rec):
    hour = field(rec, 32, 2)
    if is_blank(hour):
        return ""
    return (hour + "時".encode("cp932") + field(rec, 34, 2) + "分".encode("cp932")).decode("cp932")


def load_day(data_dir, day):
    """The slots of the day, or None when there is no race file."""
    race_path = os.path.join(data_dir, day + ".jvRA")
    if not os.path.isfile(race_path):
        return None, False
    from_2005 = int_value(day.encode("cp932")[0:4]) >= 2005
    slots = [Slot() for _ in range(MAX_RACES)]

    races = read_records(race_path, RA_LEN) or []
    i = 0
    for rec in races:
        if i > 35:
            break
        slots[i].race = rec
        if is_blank(field(rec, 12, 4)):
            continue
        slots[i].a.present = True
        i += 1

    # payouts
    hr = read_records(os.path.join(data_dir, day + ".jvHR"), HR_LEN)
    if hr is not None:
        for n, rec in enumerate(hr):
            if n > 35:
                break
            key = field(rec, 12, 16)
            for s in slots:
                if field(s.race, 12, 16) == key:
                    s.payout = rec
                    s.a.hasPayout = True
                    break

    # odds snapshots
    for ext, length, attr in ((".jvO1", O1_LEN, "win"), (".jvO2", O2_LEN, "quin")):
        recs = read_records(os.path.join(data_dir, day + ext), length)
        if recs is None:
            continue
        for idx, s in enumerate(slots):
            cr = field(s.race, 20, 2) + field(s.race, 26, 2)
            if is_blank(cr):
                continue
            for k in range(1, 4):
                line = 3 * idx + k - 1
                if line < len(recs):
                    rec = recs[line]
                    if field(rec, 20, 2) + field(rec, 26, 2) == cr:
                        getattr(s, attr)[k] = rec

    for s in slots:
        a = s.a
        a.fetchTimes = fetch_times(s.race)
        for k in range(1, 4):
            a.quinellaSnapshotTimes[k - 1] = snapshot_time(s.quin[k])
            a.winSnapshotTimes[k - 1] = snapshot_time(s.win[k])
        if not is_blank(field(s.win[3], 12, 4)):
            a.snapshotCount = 3
        elif not is_blank(field(s.win[2], 12, 4)):
            a.snapshotCount = 2
        elif not is_blank(field(s.win[1], 12, 4)):
            a.snapshotCount = 1
        else:
            a.snapshotCount = 0
        analyse(s, from_2005)
    return slots, from_2005


# ---------------------------------------------------------------- the analysis

def change_of(values):
    texts = ["%.2f" % (v + 1000) for v in values]
    if len(texts) < 2:
        return NO_VALUE
    nums = sorted(float(t) for t in texts)
    return nums[-1] - nums[0]


def analyse(slot, from_2005):
    a = slot.a
    race = slot.race
    n_raw = int_value(field(race, 882, 2))
    n = min(max(n_raw, 0), MAX_RUNNERS)
    quinella_mode = n_raw > 8 or from_2005
    S = a.snapshotCount

    def win_text(h, s):
        return field(slot.win[s], 46 + 8 * (h - 1), 4)

    def bracket_text(j, s):
        return field(slot.win[s], 606 + 9 * (j - 1), 5)

    def quin_text(j, s):
        return field(slot.quin[s], 45 + 13 * (j - 1), 6)

    # 1. win share
    for h in range(1, 19):
        for s in range(1, 4):
            t = win_text(h, s)
            a.winShare[h][s] = share_of(t, 738.0) if valid_win(t) else 0.0
    # 2./3. quinella share
    for s in range(1, 4):
        if quinella_mode:
            for j, (p, q) in enumerate(QUINELLA_PAIRS, start=1):
                t = quin_text(j, s)
                if not valid_quinella(t):
                    continue
                add = share_of(t, 369.0)
                for h in (p, q):
                    a.quinellaShare[h][s] += add
        else:
            for j, (p, q) in enumerate(BRACKET_PAIRS, start=1):
                t = bracket_text(j, s)
                if not valid_bracket(t):
                    continue
                add = share_of(t, 369.0)
                for h in range(1, 19):
                    if h == p or h == q:
                        a.bracketShare[h][s] += add
            for h in range(1, 19):
                a.quinellaShare[h][s] = a.bracketShare[h][s]
    # 4. difference
    for h in range(1, 19):
        for s in range(1, 4):
            if a.quinellaShare[h][s] > 0 and a.winShare[h][s] > 0:
                a.shareGap[h][s] = a.winShare[h][s] - a.quinellaShare[h][s]
    # 5. changes, 6. maximum difference
    for h in range(1, 19):
        a.winShareChange[h] = change_of([a.winShare[h][s] for s in range(1, 4) if a.winShare[h][s] > 0])
        a.quinellaShareChange[h] = change_of(
            [a.quinellaShare[h][s] for s in range(1, 4) if a.quinellaShare[h][s] > 0])
        gaps = [a.shareGap[h][s] for s in range(1, 4) if a.shareGap[h][s] < NO_VALUE]
        a.shareGapChange[h] = change_of(gaps)
        if gaps:
            r = [rounded(v) for v in gaps]
            if any(v >= 0 for v in r):
                a.maxShareGap[h] = max(r)
            else:
                a.maxShareGap[h] = max(abs(v) for v in r)
    # 7. popularity
    for s in range(1, 4):
        keys = []
        for h in range(1, 19):
            t = win_text(h, s)
            if valid_win(t):
                keys.append(t + b"%2d" % h)
        keys.sort()
        for r, k in enumerate(keys, start=1):
            horse = int_value(k[4:6])
            a.winPopularityOrder[r][s] = horse
            if s == 1:
                a.firstWinRank[horse] = r
    # 8. short quinella count
    if quinella_mode:
        for s in range(1, 4):
            c = 0
            for j in range(1, 154):
                v = int_value(quin_text(j, s))
                if v > 0 and v / 10 < 10:
                    c += 1
            a.shortQuinellaCount[s] = c

    if S < 2:
        return
    horses = range(1, n + 1)
    W, Q, D, MD = a.winShare, a.quinellaShare, a.shareGap, a.maxShareGap

    # 9. drift mark and change ranks
    for h in horses:
        t1, tS = win_text(h, 1), win_text(h, S)
        o1 = int_value(t1) if valid_win(t1) else 0
        oS = int_value(tS) if valid_win(tS) else 0
        if o1 > 0:
            a.driftMark[h] = MARK_CAND if o1 < oS else ""
    for changes, ranks in ((a.winShareChange, a.winChangeRank), (a.quinellaShareChange, a.quinellaChangeRank)):
        keys = sorted(b"%8.2f" % (changes[h] + 1000) + b"%2d" % h for h in horses if changes[h] < NO_VALUE)
        for pos, k in enumerate(keys):
            ranks[int_value(k[8:10])] = len(keys) - pos

    # pair list at S
    pair_list = []
    if quinella_mode:
        for j, (p, q) in enumerate(QUINELLA_PAIRS, start=1):
            v = int_value(quin_text(j, S))
            if v > 0:
                pair_list.append(b"%6d" % v + label_of(p, q))
    else:
        for j, (p, q) in enumerate(BRACKET_PAIRS, start=1):
            v = int_value(bracket_text(j, S))
            if v > 0:
                pair_list.append(b"%6d" % v + label_of(p, q))
    pair_list.sort()

    def pair_horses(k):
        return int_value(k[6:8]), int_value(k[9:11])

    f = a.winPopularityOrder[1][S]

    def has_f(k):
        x, y = pair_horses(k)
        return x == f or y == f

    acm = a.axisConditionMarks

    def claim(k):
        if a.axisRule == 0:
            a.axisRule = k

    def last_horse(keys, back=1):
        return key_horse(sorted(keys)[-back])

    # axis 1
    cands = []
    keys = []
    for h in horses:
        v = int_value(win_text(h, S))
        if v > 0 and v / 10 >= 20.0:
            cands.append(h)
            acm[h][1] = MARK_CAND
            if MD[h] < NO_VALUE:
                keys.append(sort_key(abs(MD[h] + 1000), h))
    if len(cands) >= 2 and keys:
        acm[last_horse(keys)][1] = MARK_AXIS
        a.axisRule = 1

    # axis 2
    def share_test(h):
        return W[h][S] >= 30.0 and Q[h][S] >= 25.0

    E = len(pair_list)
    for pos, k in enumerate(pair_list, start=1):
        if not has_f(k):
            E = pos
            break
    F = sum(1 for k in pair_list[:10] if has_f(k))
    if E >= 6 or F >= 7:
        any2 = False
        for h in horses:
            if W[h][S] > 0 and Q[h][S] > 0 and share_test(h):
                acm[h][2] = MARK_AXIS
                any2 = True
        if any2:
            claim(2)

    # axis 3
    keys = sorted(sort_key(Q[h][S], h) for h in horses if Q[h][S] > 0 and D[h][S] < NO_VALUE)
    top = set(key_horse(k) for k in keys[len(keys) - min(3, len(keys)):])
    rest = [key_horse(k) for k in keys if key_horse(k) not in top]
    keys2 = [sort_key(D[h][1] + 1000, h) for h in rest if D[h][1] < NO_VALUE]
    if keys2:
        c = last_horse(keys2)
        if 4.0 <= W[c][1] < 12.5 and W[c][2] < W[c][1] and 1.0 <= D[c][1] < 10.0:
            acm[c][3] = MARK_AXIS
            claim(3)
        else:
            acm[c][3] = MARK_CAND

    # axis 4
    first_out = 0
    for pos, k in enumerate(pair_list, start=1):
        if not has_f(k):
            first_out = pos
            break
    if first_out in (4, 5):
        x, y = pair_horses(pair_list[first_out - 1])
        if abs(MD[x]) > abs(MD[y]):
            acm[x][4], acm[y][4] = MARK_AXIS, MARK_CAND
        elif abs(MD[x]) == abs(MD[y]):
            if Q[x][S] > Q[y][S]:
                acm[x][4], acm[y][4] = MARK_AXIS, MARK_CAND
            else:
                acm[y][4], acm[x][4] = MARK_AXIS, MARK_CAND
        else:
            acm[y][4], acm[x][4] = MARK_AXIS, MARK_CAND
        claim(4)
        if not any(share_test(h) for h in horses):
            for h in range(1, 19):
                acm[h][4] = ""
            if a.axisRule == 4:
                a.axisRule = 0

    # axis 5
    keys = [sort_key(Q[h][1] + 1000, h) for h in horses
            if D[h][1] < NO_VALUE and W[h][2] > 0 and Q[h][1] > 0 and D[h][1] > 0]
    if len(keys) >= 2:
        c = last_horse(keys, 2)
        if W[c][1] >= 4.95 and W[c][1] > W[c][2] and D[c][1] >= 1.0:
            acm[c][5] = MARK_AXIS
            claim(5)

    # axis 6
    ka, kb = [], []
    for h in horses:
        if 0 < D[h][S] < NO_VALUE:
            acm[h][6] = MARK_CAND
            ka.append(sort_key(MD[h] + 1000, h))
        if Q[h][S] > 0:
            kb.append(sort_key(Q[h][S] + 1000, h))
    if ka and kb and last_horse(ka) != last_horse(kb):
        acm[last_horse(ka)][6] = MARK_AXIS
        claim(6)

    # axis 7
    keys = [sort_key(abs(MD[h]), h) for h in horses if MD[h] < NO_VALUE]
    if keys:
        acm[last_horse(keys)][7] = MARK_AXIS
    claim(7)

    for h in horses:
        if 1 <= a.axisRule <= 7 and acm[h][a.axisRule] == MARK_AXIS:
            a.axisMark[h] = MARK_AXIS

    # partners
    pcm = a.partnerConditionMarks
    keys = sorted(sort_key(a.winShareChange[h] + 1000, h) for h in horses
                  if a.winShareChange[h] < NO_VALUE and a.axisMark[h] != MARK_AXIS)
    for k in keys[len(keys) - min(5, len(keys)):]:
        pcm[key_horse(k)][1] = MARK_PARTNER
    for h in horses:
        if pcm[h][1] == MARK_PARTNER and 0 < W[h][S] < 0.74:
            pcm[h][1] = MARK_OUT

    keys = sorted(sort_key(Q[h][S] + 1000, h) for h in horses
                  if D[h][S] < NO_VALUE and abs(D[h][S]) >= 2.0 and pcm[h][1] != MARK_PARTNER)
    if keys:
        pcm[key_horse(keys[-1])][2] = MARK_PARTNER
        if len(keys) >= 2:
            pcm[key_horse(keys[-2])][2] = MARK_PARTNER

    for h in horses:
        if W[h][S] > 0 and W[h][S] - W[h][S - 1] >= 0.1:
            pcm[h][3] = MARK_PARTNER
    for h in horses:
        if pcm[h][3] == MARK_PARTNER and 0 < W[h][S] < 0.74:
            pcm[h][3] = MARK_OUT

    for h in horses:
        if Q[h][S] > 0 and Q[h][1] > 0 and Q[h][S] - Q[h][1] >= 0.1:
            pcm[h][4] = MARK_PARTNER

    for h in horses:
        g = a.shareGapChange[h]
        if g < NO_VALUE and D[h][S] < NO_VALUE and D[h][1] < NO_VALUE and D[h][1] >= 0.2 and (
                g >= 0.5 or D[h][S] >= 0.2):
            pcm[h][5] = MARK_PARTNER

    for h in horses:
        if any(pcm[h][k] == MARK_PARTNER for k in range(1, 6)):
            a.partnerMark[h] = MARK_PARTNER

    # bet list
    L = 0
    for h in range(1, 19):
        if a.axisMark[h] == MARK_AXIS:
            L = h
    if L == 0:
        return
    bets = []
    for j in range(1, 19):
        if a.partnerMark[j] != MARK_PARTNER:
            continue
        label = label_of(min(L, j), max(L, j))
        if quinella_mode:
            idx = QUINELLA_INDEX.get(label, 0)
            v = int_value(quin_text(idx, S)) if idx else 0
        else:
            idx = BRACKET_INDEX.get(label, 0)
            v = int_value(bracket_text(idx, S)) if idx else 0
        if idx and v >= 1:
            bets.append(b"%7.1f" % (v / 10) + label)
    bets.sort()
    for k, key in enumerate(bets, start=1):
        a.betLabels[k] = key[7:12].decode("ascii")
    if not bets:
        return
    o = float(bets[0][:7])
    if a.axisRule <= 2 and o <= 9.0:
        a.upsetDegree = "小"
    elif o > 11.0:
        a.upsetDegree = "大"
    else:
        a.upsetDegree = "中"
    upto = {"小": 3, "中": 4, "大": 5}[a.upsetDegree]
    for h in horses:
        if any(pcm[h][k] == MARK_PARTNER for k in range(1, upto + 1)):
            a.partnerMark[h] = MARK_CONFIRMED


# ---------------------------------------------------------------- JSON

def num_or_null(v):
    return v if v < NO_VALUE else None


def race_json(i, slot):
    a = slot.a
    race = slot.race
    horses = []
    for h in range(1, 19):
        horses.append({
            "h": h,
            "winShare": [a.winShare[h][s] for s in range(1, 4)],
            "quinellaShare": [a.quinellaShare[h][s] for s in range(1, 4)],
            "bracketShare": [a.bracketShare[h][s] for s in range(1, 4)],
            "shareGap": [num_or_null(a.shareGap[h][s]) for s in range(1, 4)],
            "winShareChange": num_or_null(a.winShareChange[h]),
            "quinellaShareChange": num_or_null(a.quinellaShareChange[h]),
            "shareGapChange": num_or_null(a.shareGapChange[h]),
            "maxShareGap": num_or_null(a.maxShareGap[h]),
            "firstWinRank": a.firstWinRank[h],
            "driftMark": a.driftMark[h],
            "winChangeRank": a.winChangeRank[h],
            "quinellaChangeRank": a.quinellaChangeRank[h],
            "axisConditionMarks": [a.axisConditionMarks[h][k] for k in range(1, 8)],
            "partnerConditionMarks": [a.partnerConditionMarks[h][k] for k in range(1, 6)],
            "axisMark": a.axisMark[h],
            "partnerMark": a.partnerMark[h],
        })
    return {
        "slot": i,
        "key": field(race, 12, 16).decode("cp932", errors="replace"),
        "raceNumber": int_value(field(race, 26, 2)),
        "runners": int_value(field(race, 882, 2)),
        "snapshotCount": a.snapshotCount,
        "fetchTimes": a.fetchTimes,
        "winSnapshotTimes": a.winSnapshotTimes,
        "quinellaSnapshotTimes": a.quinellaSnapshotTimes,
        "axisRule": a.axisRule,
        "upsetDegree": a.upsetDegree,
        "betLabels": [b for b in a.betLabels[1:] if b],
        "shortQuinellaCount": a.shortQuinellaCount[1:],
        "winPopularityOrder": [[a.winPopularityOrder[r][s] for r in range(1, 19)] for s in range(1, 4)],
        "hasPayout": a.hasPayout,
        "horses": horses,
    }


def day_json(data_dir, day):
    slots, _ = load_day(data_dir, day)
    if slots is None:
        return None
    return {"version": ANALYSIS_JSON_VERSION, "day": day,
            "races": [race_json(i, s) for i, s in enumerate(slots) if s.a.present]}


def main(argv):
    data = day = None
    i = 0
    while i < len(argv):
        if argv[i] == "--data" and i + 1 < len(argv):
            data = argv[i + 1]
            i += 2
        elif argv[i] == "--day" and i + 1 < len(argv):
            day = argv[i + 1]
            i += 2
        else:
            sys.stderr.write("usage: oracle.py --data DIR --day DAYNAME\n")
            return 2
    if data is None or day is None:
        sys.stderr.write("usage: oracle.py --data DIR --day DAYNAME\n")
        return 2
    result = day_json(data, day)
    if result is None:
        sys.stderr.write("oracle: no race day %s in %s\n" % (day, data))
        return 1
    sys.stdout.write(json.dumps(result, ensure_ascii=False) + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
