#!/usr/bin/env python3
"""Random race days in the JV-Data layouts, for comparing the analysis with
oracle.py. Written on its own (not with the program's sample feed), from the
public record layouts.

A day: 1-36 races over up to three JRA courses, fields of 1-18 runners
(mostly 8-18), scratched horses ("----" / "****"), snapshots missing in every
pattern (also snapshot 2 missing with 3 present), quinella odds missing at
the latest snapshot, ties and capped long odds, days before 2005 with small
fields (bracket-quinella mode), snapshots standing on another race's lines,
payouts for some races, and now and then a file whose last CR LF is missing
or whose last record is cut short.

Usage: random_days.py OUTDIR COUNT [SEED]
(writes OUTDIR/d0000, d0001, ... and prints each folder and day name)
"""

import os
import random
import sys

RA_LEN, SE_LEN, HR_LEN, O1_LEN, O2_LEN = 1270, 553, 717, 960, 2040

COURSES = {
    "01": "札幌", "02": "函館", "03": "福島", "04": "新潟", "05": "東京",
    "06": "中山", "07": "中京", "08": "京都", "09": "阪神", "10": "小倉",
}
KANJI = "桜花賞天皇皇月特別杯記念新馬未勝利歳上組級障害優駿牝馬"


def sj(text):
    return text.encode("cp932")


def put(rec, pos, text):
    """Writes bytes at 1-based position pos of bytearray rec."""
    rec[pos - 1:pos - 1 + len(text)] = text


def kanji(rng, width):
    """Full-width text of `width` bytes, padded with full-width spaces."""
    k = rng.randint(0, width // 2)
    s = "".join(rng.choice(KANJI) for _ in range(k))
    s += "\u3000" * (width // 2 - k)
    return sj(s)


def bracket_of(n, h):
    if n <= 16:
        c = (n - h) // 2
        return h if c >= n - 8 else 8 - c
    c = 8 - (16 - h) // 2
    if h > 16:
        c -= 1
    if h == 15 and n == 18:
        c -= 1
    if h == 17:
        c += 1
    return c


def header(kind, dkind, key, created):
    return sj(kind) + sj(dkind) + sj(created) + sj(key)


def race_record(rng, key, created, post, n):
    r = bytearray(b" " * RA_LEN)
    put(r, 1, header("RA", "0", key, "00000000"))
    put(r, 3, b"000000000")
    put(r, 28, b"%d" % rng.randint(1, 7))
    put(r, 29, b"0000")
    put(r, 33, kanji(rng, 60))
    put(r, 93, kanji(rng, 60))
    put(r, 153, kanji(rng, 60))
    put(r, 573, kanji(rng, 20))
    put(r, 593, kanji(rng, 12))
    put(r, 605, kanji(rng, 6))
    put(r, 698, b"%04d" % rng.choice([1200, 1400, 1600, 1800, 2000, 2400, 3000]))
    put(r, 874, post)
    put(r, 878, b"0000")
    put(r, 882, b"%02d" % n)
    put(r, 884, b"00")
    put(r, 886, b"00")
    put(r, 1270, b"0")
    return bytes(r)


def runner_record(rng, key, created, n, h):
    r = bytearray(b" " * SE_LEN)
    put(r, 1, header("SE", "2", key, created))
    put(r, 28, b"%d" % bracket_of(n, h))
    put(r, 29, b"%02d" % h)
    put(r, 31, b"%010d" % rng.randint(0, 10 ** 10 - 1))
    put(r, 41, kanji(rng, 36))
    put(r, 83, b"%02d" % rng.randint(2, 8))
    put(r, 289, b"%03d" % rng.randint(480, 600))
    return bytes(r)


def payout_record(rng, key, created, n):
    r = bytearray(b" " * HR_LEN)
    put(r, 1, header("HR", "1", key, created))
    put(r, 3, b"000000000")
    put(r, 28, b"%02d%02d" % (n, n))
    put(r, 32, b"0" * 27)
    a, b = sorted(rng.sample(range(1, max(n, 2) + 1), 2))
    put(r, 103, b"%02d%09d%02d" % (a, rng.randint(110, 9000), 1))
    put(r, 246, b"%02d%02d%09d%03d" % (a, b, rng.randint(150, 300000), 1))
    for e in range(3):
        put(r, 294 + 16 * e, b"%02d%02d%09d%03d" % (a, b, rng.randint(100, 50000), e + 1))
    return bytes(r)


def odds_text(rng, value, width):
    cap = 10 ** width - 1
    return b"%0*d" % (width, max(10, min(cap, value)))


def make_probabilities(rng, n):
    """Win probabilities of a field, sometimes with a dominant favourite."""
    if rng.random() < 0.4:
        # an even field: few long shots, so that the later axis conditions decide
        w = [rng.uniform(0.6, 1.4) for _ in range(n)]
    else:
        w = [rng.expovariate(1.0) ** rng.choice([1.0, 2.0, 3.0]) for _ in range(n)]
    if rng.random() < 0.3:
        w[rng.randrange(n)] += sum(w) * rng.uniform(0.5, 2.5)
    t = sum(w)
    return [x / t for x in w]


def drift(rng, p):
    q = [x * rng.uniform(0.7, 1.4) for x in p]
    t = sum(q)
    return [x / t for x in q]


def odds_records(rng, key, date, n, p, scratched, slot_time, mode_bracket, opts):
    """One O1 and one O2 record for probabilities p (index 0 = horse 1)."""
    mmdd = date[4:8]
    time = mmdd + slot_time
    o1 = bytearray(b" " * O1_LEN)
    put(o1, 1, header("O1", "1", key, date))
    put(o1, 28, sj(time))
    put(o1, 36, b"%02d%02d" % (n, n))
    put(o1, 40, b"7773" if n >= 8 else b"7772")
    coarse = opts.get("coarse", False)
    for h in range(1, 19):
        pos = 44 + 8 * (h - 1)
        if h > n:
            continue
        if h in scratched:
            put(o1, pos, b"%02d" % h + scratched[h] * 4 + scratched[h] * 2)
            continue
        v = int(round(8.0 / p[h - 1]))
        if coarse:
            v = int(round(v / 5.0)) * 5
        if rng.random() < 0.02:
            v = rng.choice([0, 9999, 10, 200, 199])
        t = b"0000" if v == 0 else odds_text(rng, v, 4)
        if rng.random() < 0.003:
            t = rng.choice([b"0001", b"0002", b"    "])  # odds below 1.0 or not registered
        put(o1, pos, b"%02d" % h + t + b"%02d" % rng.randint(1, n))
    # place odds, for realism only
    for h in range(1, n + 1):
        put(o1, 268 + 12 * (h - 1), b"%02d%04d%04d%02d" % (h, 11, 25, 1))
    # bracket quinella
    brackets = {}
    for h in range(1, n + 1):
        brackets.setdefault(bracket_of(n, h), []).append(h)
    j = 0
    for a in range(1, 9):
        for b in range(a, 9):
            j += 1
            pos = 604 + 9 * (j - 1)
            ha, hb = brackets.get(a, []), brackets.get(b, [])
            if not ha or not hb:
                continue
            pr = 0.0
            for x in ha:
                for y in hb:
                    if x < y or (a != b):
                        if x == y:
                            continue
                        pr += pair_probability(p, x, y)
            if a == b and len(ha) < 2:
                put(o1, pos, b"%d%d" % (a, b) + rng.choice([b"-----", b"00000", b"     "]) + b"  ")
                continue
            if any(x in scratched for x in ha + hb) and rng.random() < 0.3:
                put(o1, pos, b"%d%d" % (a, b) + b"*****" + b"**")
                continue
            v = int(round(7.75 / pr)) if pr > 0 else 0
            if coarse:
                v = int(round(v / 5.0)) * 5
            put(o1, pos, b"%d%d" % (a, b) + (odds_text(rng, v, 5) if v > 0 else b"00000") + b"%02d" % 1)
    put(o1, 928, b"%011d" % rng.randint(0, 10 ** 8))
    o2 = bytearray(b" " * O2_LEN)
    put(o2, 1, header("O2", "1", key, date))
    put(o2, 28, sj(time))
    put(o2, 36, b"%02d%02d" % (n, n))
    put(o2, 40, b"7")
    j = 0
    for a in range(1, 19):
        for b in range(a + 1, 19):
            j += 1
            pos = 41 + 13 * (j - 1)
            if a > n or b > n:
                continue
            if a in scratched or b in scratched:
                c = scratched.get(a, scratched.get(b))
                put(o2, pos, b"%02d%02d" % (a, b) + c * 6 + c * 3)
                continue
            v = int(round(7.75 / pair_probability(p, a, b)))
            if coarse:
                v = int(round(v / 10.0)) * 10
            if rng.random() < 0.01:
                v = rng.choice([0, 999999, 95, 100])
            t = b"000000" if v == 0 else odds_text(rng, v, 6)
            put(o2, pos, b"%02d%02d" % (a, b) + t + b"%03d" % rng.randint(1, 153))
    put(o2, 2030, b"%011d" % rng.randint(0, 10 ** 9))
    return bytes(o1), bytes(o2)


def pair_probability(p, a, b):
    pa, pb = p[a - 1], p[b - 1]
    return max(pa * pb / max(1e-9, 1 - pa) + pb * pa / max(1e-9, 1 - pb), 1e-7)


SNAPSHOT_PATTERNS = [
    (1, 1, 1), (1, 1, 1), (1, 1, 1), (1, 1, 0), (1, 1, 0), (1, 0, 0), (0, 0, 0),
    (1, 0, 1), (0, 1, 1), (0, 1, 0), (0, 0, 1),
]


def write_lines(path, lines, damage=None):
    data = b"".join(l + b"\r\n" for l in lines)
    if damage == "no-crlf" and data:
        data = data[:-2]
    elif damage == "cut" and len(data) > 100:
        data = data[:-rng_cut(len(lines[-1]))]
    with open(path, "wb") as f:
        f.write(data)


def rng_cut(length):
    return 3 + length // 3


def make_day(rng, out):
    year = rng.choice([rng.randint(1995, 2004), rng.randint(2005, 2030), 2004, 2005])
    month, day = rng.randint(1, 12), rng.randint(1, 28)
    date = "%04d%02d%02d" % (year, month, day)
    name = "%04d年%02d月%02d日" % (year, month, day)
    small = year < 2005 and rng.random() < 0.5
    courses = sorted(rng.sample(sorted(COURSES), rng.randint(1, 3)))
    races = []  # (key, n, post)
    for c in courses:
        count = rng.choice([12, 12, rng.randint(1, 12)])
        numbers = sorted(rng.sample(range(1, 13), count))
        meeting, dayno = rng.randint(1, 5), rng.randint(1, 12)
        for r in numbers:
            key = "%s%s%02d%02d%02d" % (date, c, meeting, dayno, r)
            n = rng.randint(2, 8) if small and rng.random() < 0.8 else rng.randint(8, 18)
            if rng.random() < 0.03:
                n = rng.randint(1, 18)
            minutes = 9 * 60 + 50 + 30 * (r - 1) + rng.randint(0, 10)
            post = b"%02d%02d" % (minutes // 60, minutes % 60)
            if rng.random() < 0.03:
                post = rng.choice([b"0000", b"    "])
            races.append((key, n, post))
    if rng.random() < 0.02:
        # a race line of year "0000" (stored files do not hold one)
        races.append(("0000" + races[0][0][4:], races[0][1], races[0][2]))
    races.sort()
    races = races[:36]
    created = date

    race_lines = [race_record(rng, k, created, post, n) for k, n, post in races]
    if rng.random() < 0.02:
        # a registered count above the 18 horse slots
        race_lines[0] = race_lines[0][:881] + b"20" + race_lines[0][883:]
    blank = b" " * RA_LEN
    layout = rng.choice(["plain", "fill", "front"])
    if layout == "fill":
        race_lines += [blank] * (36 - len(race_lines))
    elif layout == "front":
        k = rng.randint(1, 36 - len(race_lines)) if len(race_lines) < 36 else 0
        race_lines = [blank] * k + race_lines
        if len(race_lines) < 36 and rng.random() < 0.5:
            race_lines += [blank] * (36 - len(race_lines))
    write_lines(os.path.join(out, name + ".jvRA"), race_lines,
                "no-crlf" if rng.random() < 0.05 else None)

    # runner files
    for c in courses:
        lines = [b" " * SE_LEN] * 216
        for k, n, _ in races:
            if k[8:10] != c:
                continue
            r = int(k[14:16])
            for h in range(1, n + 1):
                lines[(r - 1) * 18 + h - 1] = runner_record(rng, k, created, n, h)
        write_lines(os.path.join(out, name + COURSES[c] + ".jvSEr"), lines)

    # payouts
    if rng.random() < 0.7:
        hr = [payout_record(rng, k, created, n) for k, n, _ in races if rng.random() < 0.6]
        if rng.random() < 0.2:
            other = "%s%s%02d%02d%02d" % (date, "00", 1, 1, 1)
            for _ in range(rng.choice([1, 1, 30])):
                hr.append(payout_record(rng, other, created, 10))
        hr.sort()
        write_lines(os.path.join(out, name + ".jvHR"), hr)

    # odds
    line_count = 3 * len(race_lines)
    o1 = [b" " * O1_LEN] * line_count
    o2 = [b" " * O2_LEN] * line_count
    for i, (k, n, _) in enumerate(races):
        pattern = rng.choice(SNAPSHOT_PATTERNS)
        p = make_probabilities(rng, n)
        scratched = {}
        for h in range(1, n + 1):
            if rng.random() < 0.06:
                scratched[h] = rng.choice([b"-", b"*"])
        opts = {"coarse": rng.random() < 0.3}
        times = ["0915", "%02d%02d" % (9 + i // 4, rng.randint(0, 59)), "%02d%02d" % (13 + i // 6, rng.randint(0, 59))]
        for s in range(3):
            p = drift(rng, p)
            if not pattern[s]:
                continue
            w, q = odds_records(rng, k, date, n, p, scratched, times[s], False, opts)
            if rng.random() < 0.05:
                w = w[:19] + b"99" + w[21:]  # another course's snapshot on this race's line
            o1[3 * i + s] = w
            latest = not any(pattern[s + 1:])
            if latest and rng.random() < 0.1:
                continue  # quinella odds missing at the latest snapshot
            o2[3 * i + s] = q
    for ext, lines, length in ((".jvO1", o1, O1_LEN), (".jvO2", o2, O2_LEN)):
        if rng.random() < 0.05 and len(race_lines) > 6:
            continue  # missing: created by the program when the day is opened
        damage = None
        x = rng.random()
        if x < 0.04:
            damage = "no-crlf"
        elif x < 0.07:
            damage = "cut"
        write_lines(os.path.join(out, name + ext), lines, damage)
    return name


def main(argv):
    if len(argv) < 2:
        sys.stderr.write(__doc__)
        return 2
    out, count = argv[0], int(argv[1])
    seed = int(argv[2]) if len(argv) > 2 else 1
    rng = random.Random(seed)
    for d in range(count):
        # one folder per day, so that two days of the same name never mix
        folder = os.path.join(out, "d%04d" % d)
        os.makedirs(folder, exist_ok=True)
        print("%s\t%s" % (folder, make_day(random.Random(rng.random()), folder)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
