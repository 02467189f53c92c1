#!/usr/bin/env python3
"""Prints the comparison figures that the user manual quotes (data/Languages/*.html, the section
on handbook methods): kthread-calc against the usual handbook formulas.

    tools/manual_figures.py build/src/cli/kthread-calc

Program values come from the batch mode at full precision; the handbook formulas are computed
here. Differences are program minus handbook, in micrometres.
"""
import json
import math
import subprocess
import sys

A30 = math.radians(30)
STEEL_THREAD = (0.3, 210e9)  # Poisson's ratio, modulus of the thread
RUBY = (0.25, 4.0e11)


def run_batch(calc, records):
    text = "".join(json.dumps(r) + "\n" for r in records)
    out = subprocess.run([calc, "--jsonl"], input=text, capture_output=True, text=True, check=True)
    results = [json.loads(line) for line in out.stdout.splitlines()]
    assert all(r.get("ok") for r in results), results
    return results


def record(**fields):
    base = dict(ThreadType=0, GivenQty=1, MeasMode=0, Starts=1, FlankAngle1=A30, FlankAngle2=A30)
    base.update(fields)
    return base


def classical_d2(M, D, P):
    """Three wires, symmetric flanks, no helix: d2 = M - D(1 + 1/sin a) + (P/2) cot a."""
    return M - D * (1 + 1 / math.sin(A30)) + P / 2 / math.tan(A30)


def helix_term(D, lead, d2):
    """Simplified lead-angle term of the handbooks: D/2 tan^2(lambda) cos a cot a."""
    tan_l = lead / (math.pi * d2)
    return D / 2 * tan_l**2 * math.cos(A30) / math.tan(A30)


def handbook_d2(M, D, P, lead):
    d2 = classical_d2(M, D, P)
    for _ in range(100):  # the lead angle is taken at the pitch diameter being solved for
        d2 = classical_d2(M, D, P) - helix_term(D, lead, d2)
    return d2


def handbook_M(d2, D, P, lead):
    return d2 + D * (1 + 1 / math.sin(A30)) - P / 2 / math.tan(A30) + helix_term(D, lead, d2)


def helix_tables(calc):
    print("Steep leads, three wires, 60 deg (mm; differences in um)")
    print("P     dD      M    n  lambda  d2 prog   d2 class  d2 hb     p-c     p-hb  |"
          "  M from d2  M-Mgiven  hb M-Mgiven")
    cases = [(1.5, 0.866, 20.0, n) for n in (1, 2, 4, 8)]
    cases += [(6.0, 3.4641, 40.0, n) for n in (1, 2, 4, 6)]
    direct = run_batch(calc, [record(Pitch=P, ProbeDiam=D, SizeOver=M, Starts=n)
                              for P, D, M, n in cases])
    inverse = run_batch(calc, [record(Pitch=P, ProbeDiam=D, PitchDiam=r["PitchDiam"], Starts=n,
                                      GivenQty=2)
                               for (P, D, M, n), r in zip(cases, direct)])
    for (P, D, M, n), r, inv in zip(cases, direct, inverse):
        d2 = r["PitchDiam"]
        lead = n * P
        lam = math.degrees(math.atan(lead / (math.pi * d2)))
        cl = classical_d2(M, D, P)
        hb = handbook_d2(M, D, P, lead)
        Mi = inv["SizeOver"]
        hbM = handbook_M(d2, D, P, lead)
        print(f"{P:<5} {D:<7} {M:<4} {n}  {lam:5.2f}  {d2:.5f} {cl:.5f} {hb:.5f} "
              f"{(d2 - cl) * 1000:+7.2f} {(d2 - hb) * 1000:+7.2f} |  {Mi:.5f} "
              f"{(Mi - M) * 1000:+8.2f} {(hbM - M) * 1000:+8.2f}")


def taper_table(calc):
    print("\nTaper 1:16, three wires, 60 deg (mm; differences in um)")
    print("thread        P        dD       M        d2 prog   d2 hb     p-hb    "
          "prog taper corr  hb taper corr")
    cases = [("1/2-14", 1.81429, 1.0475, 20.835),
             ("1-11.5", 2.20870, 1.2751, 32.740),
             ("2-11.5", 2.20870, 1.2751, 59.546)]
    T = 0.0625
    phi = math.atan(T / 2)
    taper = run_batch(calc, [record(ThreadType=2, MeasMode=1, TaperRatio=T, Pitch=P,
                                    ProbeDiam=D, SizeOver=M) for _, P, D, M in cases])
    cyl = run_batch(calc, [record(Pitch=P, ProbeDiam=D, SizeOver=M) for _, P, D, M in cases])
    for (name, P, D, M), t, c in zip(cases, taper, cyl):
        # Parallel anvils lie along the cone: the reading is m cos(phi) of the diameter of wire
        # centres at the single wire, so that diameter is m / cos(phi).
        hb = (M - D) / math.cos(phi) - D / math.sin(A30) + P / 2 / math.tan(A30)
        cl = classical_d2(M, D, P)
        print(f"{name:<12} {P:.5f}  {D:.5f}  {M:<8} {t['PitchDiam']:.5f} {hb:.5f} "
              f"{(t['PitchDiam'] - hb) * 1000:+7.2f}  {(t['PitchDiam'] - c['PitchDiam']) * 1000:+8.2f}"
              f"        {(hb - cl) * 1000:+8.2f}")


def agm_elliptic(m):
    """Complete elliptic integrals K(m), E(m) (parameter m = k^2) by the arithmetic-geometric
    mean."""
    a, b = 1.0, math.sqrt(1 - m)
    c_sum, power = m / 2, 0.5
    while abs(a - b) > 1e-15 * a:
        c = (a - b) / 2
        a, b = (a + b) / 2, math.sqrt(a * b)
        power *= 2
        c_sum += power * c * c
    K = math.pi / (2 * a)
    return K, K * (1 - c_sum)


def hertz_approach(Fn, A, B, e_star):
    """Approach of two bodies in elliptical Hertz contact; A < B are the halves of the relative
    principal curvatures."""
    if abs(B - A) < 1e-12 * B:
        return (9 * Fn**2 / (16 * (1 / (2 * A)) * e_star**2)) ** (1 / 3)

    def ratio(m):
        K, E = agm_elliptic(m)
        return (E / (1 - m) - K) / (K - E)

    lo, hi = 1e-12, 1 - 1e-15
    for _ in range(200):
        mid = (lo + hi) / 2
        lo, hi = (lo, mid) if ratio(mid) > B / A else (mid, hi)
    m = (lo + hi) / 2
    K, E = agm_elliptic(m)
    a = (3 * Fn * (K - E) / (2 * math.pi * A * e_star * m)) ** (1 / 3)
    b = a * math.sqrt(1 - m)
    p0 = 3 * Fn / (2 * math.pi * a * b)
    return p0 * b * K / e_star


def ball_table(calc):
    print("\nBalls in a nut, perpendicular, ruby balls, steel nut (A2 in um)")
    print("nut        D2      ball    F   prog     plane    concave  p/plane  p/concave")
    cases = [("M24x1.5", 1.5, 0.866, 23.026), ("M6", 1.0, 0.5774, 5.350),
             ("M3", 0.5, 0.2887, 2.675)]
    F = 1.0
    res = run_batch(calc, [record(ThreadType=1, GivenQty=2, Pitch=P, ProbeDiam=D, PitchDiam=d2,
                                  Force=F, ProbePoisson=RUBY[0], ProbeModulus=RUBY[1],
                                  ThreadPoisson=STEEL_THREAD[0], ThreadModulus=STEEL_THREAD[1])
                           for _, P, D, d2 in cases])
    e_star = 1 / ((1 - RUBY[0]**2) / RUBY[1] + (1 - STEEL_THREAD[0]**2) / STEEL_THREAD[1])
    for (name, P, D, d2), r in zip(cases, res):
        Dm, dm = D / 1000, d2 / 1000
        Fn = F / (2 * math.sin(A30))  # normal force on each flank
        to_diam_um = 2e6 / math.sin(A30)  # approach along the normal -> diameter, um
        plane = hertz_approach(Fn, 1 / Dm, 1 / Dm, e_star) * to_diam_um
        concave = hertz_approach(Fn, 1 / Dm - math.sin(A30) / dm, 1 / Dm, e_star) * to_diam_um
        prog = r["DeformCorr"] * 1000
        print(f"{name:<10} {d2:<7} {D:<7} {F:<3} {prog:.4f}  {plane:.4f}  {concave:.4f}  "
              f"{(prog / plane - 1) * 100:+.2f}%   {(prog / concave - 1) * 100:+.2f}%")


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: manual_figures.py PATH/TO/kthread-calc")
    calc = sys.argv[1]
    helix_tables(calc)
    taper_table(calc)
    ball_table(calc)


if __name__ == "__main__":
    main()
