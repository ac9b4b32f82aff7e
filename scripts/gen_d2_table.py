#!/usr/bin/env python3
"""Computes the d2 table of the average-and-range Gage R&R method, and checks the shipped
one (tbld2.txt) against it.

The shipped table is the published d2* table (Duncan; AIAG MSA, Appendix C), typed in
digit for digit: inspectors compare Quorvel with it. This computation is its guard
against a mistyped entry.

For group size m (2..10) the range R of m standard normal values has the mean d2(m)
and the standard deviation d3(m). An average of g such ranges estimates sigma through
d2*(m, g) = sqrt(d2^2 + d3^2 / g). The table holds 9 blocks of 16 lines, one block
per m: g = 1..15, then d2 itself as the value for many groups. Five decimals, CR LF.
The published values were rounded from a different computation: a quarter of them
differ from these in the last digit, never by more.

Usage: gen_d2_table.py [OUTPUT]        write the computed table (standard output without OUTPUT)
       gen_d2_table.py --check FILE    exit 1 unless FILE holds 144 lines of five-decimal
                                       values, each ended by CR LF and within one unit of
                                       the fifth decimal of the computed value
"""

import math
import sys

STEP = 0.025      # grid step for both integrations
REACH = 9.0       # the normal density beyond +-9 is below 1e-17
GROUP_SIZES = range(2, 11)
GROUP_COUNTS = range(1, 16)


def normal_density(x):
    return math.exp(-0.5 * x * x) / math.sqrt(2.0 * math.pi)


def normal_cdf(x):
    return 0.5 * math.erfc(-x / math.sqrt(2.0))


def range_moments(m):
    """d2 = E[R] and E[R^2] for the range R of m standard normal values."""
    count = int(round(2 * REACH / STEP))
    xs = [-REACH + i * STEP for i in range(count + 1)]
    cdf = [normal_cdf(x) for x in xs]
    density = [normal_density(x) for x in xs]

    # E[R] = integral over the line of 1 - Phi^m - (1 - Phi)^m; the integrand decays
    # fast and smoothly at both ends, where the trapezoid rule is exact to rounding.
    mean = STEP * sum(1.0 - c ** m - (1.0 - c) ** m for c in cdf)

    # P(R <= w) = m * integral of phi(x) (Phi(x + w) - Phi(x))^(m-1) dx, on the same grid
    # so that x + w is a grid point (Phi is 1 beyond the grid); E[R^2] = integral over
    # w >= 0 of 2 w P(R > w), by Simpson's rule in w.
    def tail(j):
        inside = sum(density[i] * (cdf[min(i + j, count)] - cdf[i]) ** (m - 1)
                     for i in range(count + 1))
        return 1.0 - m * STEP * inside

    reach_w = count // 2 * 2   # an even number of Simpson intervals
    square = 0.0
    for j in range(reach_w + 1):
        weight = 1 if j in (0, reach_w) else (4 if j % 2 else 2)
        w = j * STEP
        square += weight * 2.0 * w * tail(j)
    square *= STEP / 3.0
    return mean, square


def table_lines():
    lines = []
    for m in GROUP_SIZES:
        d2, square = range_moments(m)
        d3_squared = square - d2 * d2
        for g in GROUP_COUNTS:
            lines.append("%.5f" % math.sqrt(d2 * d2 + d3_squared / g))
        lines.append("%.5f" % d2)
    return lines


def table_bytes():
    return "".join(line + "\r\n" for line in table_lines()).encode("ascii")


def check(path):
    """The problems of the table file at path; none when it passes."""
    with open(path, "rb") as shipped:
        text = shipped.read().decode("ascii", errors="replace")
    lines = text.split("\r\n")
    if lines[-1] != "":
        return ["%s: the last line does not end in CR LF" % path]
    lines = lines[:-1]
    computed = table_lines()
    if len(lines) != len(computed):
        return ["%s: %d lines instead of %d" % (path, len(lines), len(computed))]
    problems = []
    for number, (line, value) in enumerate(zip(lines, computed), start=1):
        if len(line) != 7 or line[1] != "." or not (line[0] + line[2:]).isdigit():
            problems.append("%s:%d: %r is not a value with five decimals" % (path, number, line))
        # Whole units of the fifth decimal, so rounding in floats cannot blur the limit.
        elif abs(int(line.replace(".", "")) - int(value.replace(".", ""))) > 1:
            problems.append("%s:%d: %s lies more than 0.00001 from the computed %s" % (path, number, line, value))
    return problems


def main(arguments):
    if len(arguments) == 2 and arguments[0] == "--check":
        problems = check(arguments[1])
        for problem in problems:
            print(problem, file=sys.stderr)
        return 1 if problems else 0
    if len(arguments) == 1:
        with open(arguments[0], "wb") as output:
            output.write(table_bytes())
        return 0
    if not arguments:
        sys.stdout.buffer.write(table_bytes())
        return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
