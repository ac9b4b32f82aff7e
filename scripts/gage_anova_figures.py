#!/usr/bin/env python3
"""The Gage R&R ANOVA figures of one feature, worked out with the standard library only.

Reads a study in the layout of tests/data/gage-rr-*.csv (appraiser, trial, one column per
part) and prints the crossed two-way ANOVA with interaction, the table without it when
the interaction's p exceeds the removal level, the variance components, %Contribution,
%Study Variation, %Tolerance and ndc. The p-values come from the regularized incomplete
beta function by its continued fraction, checked against a direct integration of the
beta density. The tests of GageAnova hold Quorvel's figures against this script's.

    scripts/gage_anova_figures.py STUDY.csv [--alpha 0.05] [--multiplier 6] [--tolerance TOL]
"""
import argparse
import csv
import math


def read_study(path):
    rows = list(csv.reader(open(path, newline="")))[1:]
    appraisers = sorted({row[0] for row in rows})
    trials = max(int(row[1]) for row in rows)
    parts = len(rows[0]) - 2
    y = [[[0.0] * parts for _ in range(trials)] for _ in appraisers]
    for row in rows:
        for p in range(parts):
            y[appraisers.index(row[0])][int(row[1]) - 1][p] = float(row[2 + p])
    return y


def continued_fraction(a, b, x):
    tiny = 1e-300
    c, d = 1.0, 1.0 - (a + b) * x / (a + 1)
    d = 1.0 / (d if abs(d) > tiny else tiny)
    h = d
    for m in range(1, 10000):
        for numerator in (m * (b - m) * x / ((a - 1 + 2 * m) * (a + 2 * m)),
                          -(a + m) * (a + b + m) * x / ((a + 2 * m) * (a + 1 + 2 * m))):
            d = 1.0 + numerator * d
            d = 1.0 / (d if abs(d) > tiny else tiny)
            c = 1.0 + numerator / c
            c = c if abs(c) > tiny else tiny
            h *= d * c
        if abs(d * c - 1.0) < 1e-16:
            break
    return h


def regularized_beta(a, b, x):
    if x <= 0:
        return 0.0
    if x >= 1:
        return 1.0
    front = math.exp(math.lgamma(a + b) - math.lgamma(a) - math.lgamma(b) + a * math.log(x) + b * math.log(1 - x))
    if x < (a + 1) / (a + b + 2):
        return front * continued_fraction(a, b, x) / a
    return 1.0 - front * continued_fraction(b, a, 1 - x) / b


def beta_by_integration(a, b, x, steps=200000):
    """I_x(a, b) by Simpson's rule, after u = s^(1/a) takes the singularity at 0 away."""
    s_end = x ** a
    h = s_end / steps
    total = 0.0
    for i in range(steps + 1):
        u = (i * h) ** (1 / a)
        weight = 1 if i in (0, steps) else (4 if i % 2 else 2)
        total += weight * (1 - u) ** (b - 1) / a
    return total * h / 3 / math.exp(math.lgamma(a) + math.lgamma(b) - math.lgamma(a + b))


def upper_tail(f, df1, df2):
    """P(F > f) for the F distribution with df1 and df2 degrees of freedom."""
    x = df2 / (df2 + df1 * f)
    a, b = df2 / 2, df1 / 2
    p = regularized_beta(a, b, x)
    # The integral of the smaller side, whose only singularity (at 0) the substitution removes.
    check = beta_by_integration(a, b, x) if x < 0.5 else 1.0 - beta_by_integration(b, a, 1 - x)
    assert abs(p - check) <= 1e-6 * p + 1e-12, (p, check)
    return p


def main():
    arguments = argparse.ArgumentParser()
    arguments.add_argument("study")
    arguments.add_argument("--alpha", type=float, default=0.05)
    arguments.add_argument("--multiplier", type=float, default=6.0)
    arguments.add_argument("--tolerance", type=float)
    options = arguments.parse_args()
    y = read_study(options.study)
    k, r, n = len(y), len(y[0]), len(y[0][0])
    cells = [(a, t, p) for a in range(k) for t in range(r) for p in range(n)]
    grand = sum(y[a][t][p] for a, t, p in cells) / (k * r * n)
    part_means = [sum(y[a][t][p] for a in range(k) for t in range(r)) / (k * r) for p in range(n)]
    appraiser_means = [sum(y[a][t][p] for t in range(r) for p in range(n)) / (r * n) for a in range(k)]
    cell_means = [[sum(y[a][t][p] for t in range(r)) / r for p in range(n)] for a in range(k)]
    ss_part = k * r * sum((m - grand) ** 2 for m in part_means)
    ss_appraiser = n * r * sum((m - grand) ** 2 for m in appraiser_means)
    ss_total = sum((y[a][t][p] - grand) ** 2 for a, t, p in cells)
    ss_error = sum((y[a][t][p] - cell_means[a][p]) ** 2 for a, t, p in cells)
    ss_interaction = ss_total - ss_part - ss_appraiser - ss_error
    df_part, df_appraiser, df_interaction, df_error = n - 1, k - 1, (n - 1) * (k - 1), n * k * (r - 1)
    ms_part, ms_appraiser = ss_part / df_part, ss_appraiser / df_appraiser
    ms_interaction, ms_error = ss_interaction / df_interaction, ss_error / df_error
    f_interaction = ms_interaction / ms_error
    p_interaction = upper_tail(f_interaction, df_interaction, df_error)
    print("with interaction")
    print(f"  part         DF {df_part:3d} SS {ss_part:.10g} MS {ms_part:.10g} F {ms_part / ms_interaction:.10g}"
          f" p {upper_tail(ms_part / ms_interaction, df_part, df_interaction):.10g}")
    print(f"  appraiser    DF {df_appraiser:3d} SS {ss_appraiser:.10g} MS {ms_appraiser:.10g}"
          f" F {ms_appraiser / ms_interaction:.10g}"
          f" p {upper_tail(ms_appraiser / ms_interaction, df_appraiser, df_interaction):.10g}")
    print(f"  interaction  DF {df_interaction:3d} SS {ss_interaction:.10g} MS {ms_interaction:.10g}"
          f" F {f_interaction:.10g} p {p_interaction:.10g}")
    print(f"  repeatability DF {df_error:3d} SS {ss_error:.10g} MS {ms_error:.10g}")
    print(f"  total        DF {k * r * n - 1:3d} SS {ss_total:.10g}")
    pooled = p_interaction > options.alpha
    if pooled:
        df_error += df_interaction
        ms_error = (ss_error + ss_interaction) / df_error
        print("without interaction")
        for name, ms, df in (("part", ms_part, df_part), ("appraiser", ms_appraiser, df_appraiser)):
            print(f"  {name:12s} F {ms / ms_error:.10g} p {upper_tail(ms / ms_error, df, df_error):.10g}")
        print(f"  repeatability DF {df_error:3d} SS {ss_error + ss_interaction:.10g} MS {ms_error:.10g}")
        var_interaction = 0.0
        var_appraiser = max(0.0, (ms_appraiser - ms_error) / (n * r))
        var_part = max(0.0, (ms_part - ms_error) / (k * r))
    else:
        var_interaction = max(0.0, (ms_interaction - ms_error) / r)
        var_appraiser = max(0.0, (ms_appraiser - ms_interaction) / (n * r))
        var_part = max(0.0, (ms_part - ms_interaction) / (k * r))
    var_repeat = ms_error
    var_reproducibility = var_appraiser + var_interaction
    var_grr = var_repeat + var_reproducibility
    var_total = var_grr + var_part
    print("variance components (VarComp, %Contribution, StdDev, StudyVar, %StudyVar, %Tolerance)")
    for name, v in (("Total Gage R&R", var_grr), ("Repeatability", var_repeat),
                    ("Reproducibility", var_reproducibility), ("Appraiser", var_appraiser),
                    ("Appraiser x Part", var_interaction), ("Part-to-Part", var_part), ("Total", var_total)):
        sd = math.sqrt(v)
        line = (f"  {name:17s} {v:.10g} {100 * v / var_total:.6f} {sd:.10g} {options.multiplier * sd:.10g}"
                f" {100 * sd / math.sqrt(var_total):.6f}")
        if options.tolerance:
            line += f" {100 * options.multiplier * sd / options.tolerance:.6f}"
        print(line)
    ndc = max(1, math.floor(math.sqrt(2) * math.sqrt(var_part) / math.sqrt(var_grr)))
    print(f"ndc {ndc} ({math.sqrt(2) * math.sqrt(var_part) / math.sqrt(var_grr):.6f}); pooled {pooled}")


if __name__ == "__main__":
    main()
