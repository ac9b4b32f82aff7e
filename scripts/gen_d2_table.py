#!/usr/bin/env python3
"""Writes the d2 table of the average-and-range Gage R&R method (tbld2.txt).

For group size m (2..10) the range R of m standard normal values has the mean d2(m)
and the standard deviation d3(m). An average of g such ranges estimates sigma through
d2*(m, g) = sqrt(d2^2 + d3^2 / g). The table holds 9 blocks of 16 lines, one block
per m: g = 1..15, then d2 itself as the value for many groups. Five decimals, CR LF.

Usage: gen_d2_table.py [OUTPUT]        write the table (standard output without OUTPUT)
       gen_d2_table.py --check FILE    exit 1 unless FILE is exactly this table
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


def main(arguments):
    if len(arguments) == 2 and arguments[0] == "--check":
        with open(arguments[1], "rb") as shipped:
            if shipped.read() != table_bytes():
                print("%s differs from the computed d2 table" % arguments[1], file=sys.stderr)
                return 1
        return 0
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
