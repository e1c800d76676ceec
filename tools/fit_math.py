#!/usr/bin/env python3
"""Coefficients of the fast single-precision elementary kernels (src/math/elementary.cpp).

Each polynomial is the Chebyshev interpolant of its function on the kernel's interval
(mpmath.chebyfit, 40 digits), its coefficients rounded to double; the tangent's quotient of
two polynomials is the Pade approximant of its Taylor series (mpmath.pade), rounded alike.
The relative error of the rounded polynomial against the function, evaluated exactly in
40-digit arithmetic, is reported as its maximum over 2^14 evenly spaced points of the
interval: the error of such an interpolant is a smooth curve with about N + 1 extrema, so the
samples find its maximum to a small fraction of itself.  The kernels' comments quote these
figures; the exhaustive run of tools/verify_math.cpp confirms the results they lead to.

Needs python3 and mpmath (Debian: python3-mpmath).  Run: python3 tools/fit_math.py
"""
import mpmath as mp

mp.mp.dps = 40
SAMPLES = 1 << 14
HAIR = 1 + mp.mpf(2) ** -20  # the reductions may overshoot their interval by less


def horner(c, u):
    p = mp.mpf(0)
    for a in reversed(c):
        p = p * u + mp.mpf(a)
    return p


def fit(name, g, lo, hi, n, whole, exact, xlo, xhi):
    """g approximated on [lo, hi] by n coefficients; whole(c, x) is the kernel's value from
    them, exact(x) the function, checked on [xlo, xhi]."""
    c = [float(a) for a in mp.chebyfit(g, [lo, hi], n)[::-1]]
    worst = mp.mpf(0)
    for i in range(SAMPLES + 1):
        x = xlo + (xhi - xlo) * i / SAMPLES
        if x == 0:
            continue
        worst = max(worst, abs(whole(c, x) / exact(x) - 1))
    print(f"// {name}: {n} coefficients, relative error below 2^{float(mp.log(worst, 2)):.1f}")
    print("{" + ", ".join(a.hex() for a in c) + "}")


def quotient(f, limit):
    """(f(sqrt u) - leading terms) / power, with its limit at u = 0."""
    return lambda u: limit if u == 0 else f(u)


def sin_q(u):
    r = mp.sqrt(u)
    return (mp.sin(r) - r) / (u * r)


def cos_q(u):
    r = mp.sqrt(u)
    return (mp.cos(r) - 1 + u / 2) / (u * u)


def atanh_q(u):
    s = mp.sqrt(u)
    return (mp.atanh(s) - s) / (u * s)


def odd(c, r):
    return r + r * r * r * horner(c, r * r)


half_pi = mp.pi / 2 * HAIR
quarter_pi = mp.pi / 4 * HAIR
fit("sin r, |r| <= pi/2", quotient(sin_q, -mp.mpf(1) / 6), 0, half_pi**2, 6, odd, mp.sin,
    -half_pi, half_pi)
fit("sin r, |r| <= pi/4", quotient(sin_q, -mp.mpf(1) / 6), 0, quarter_pi**2, 5, odd, mp.sin,
    -quarter_pi, quarter_pi)
fit("cos r, |r| <= pi/4", quotient(cos_q, mp.mpf(1) / 24), 0, quarter_pi**2, 4,
    lambda c, r: 1 - r * r / 2 + r**4 * horner(c, r * r), mp.cos, -quarter_pi, quarter_pi)


def tan_pade(name, lo_deg, hi_r):
    """tan r = r P(u) / Q(u), u = r^2: the Pade approximant from the Taylor series of tan r / r
    in u, both degrees lo_deg, normalised to Q(0) = 1; prints P's coefficients, then Q's."""
    t = mp.taylor(mp.tan, 0, 4 * lo_deg + 1)
    p, q = mp.pade([t[2 * k + 1] for k in range(2 * lo_deg + 1)], lo_deg, lo_deg)
    pd, qd = [float(a / q[0]) for a in p], [float(a / q[0]) for a in q]
    worst = mp.mpf(0)
    for i in range(1, SAMPLES + 1):
        r = hi_r * i / SAMPLES
        worst = max(worst, abs(r * horner(pd, r * r) / horner(qd, r * r) / mp.tan(r) - 1))
    print(f"// {name}: {lo_deg + 1} + {lo_deg + 1} coefficients, relative error below "
          f"2^{float(mp.log(worst, 2)):.1f}")
    print("{" + ", ".join(a.hex() for a in pd) + "}")
    print("{" + ", ".join(a.hex() for a in qd) + "}")


tan_pade("tan r, |r| <= pi/4", 3, quarter_pi)
half = mp.mpf(1) / 2 * HAIR
# 2^f = 1 + f q(f): the interpolant of 2^f - 1, whose constant term rounds to 0 and is left out.
fit("2^f - 1, |f| <= 1/2", lambda f: mp.power(2, f) - 1, -half, half, 9,
    lambda c, f: 1 + f * horner(c[1:], f), lambda f: mp.power(2, f), -half, half)
s_max = (mp.sqrt(2) - 1) / (mp.sqrt(2) + 1) * HAIR
fit("atanh s, |s| <= (sqrt 2 - 1)/(sqrt 2 + 1)", quotient(atanh_q, mp.mpf(1) / 3), 0, s_max**2,
    5, odd, mp.atanh, -s_max, s_max)
quarter_turn = mp.tan(mp.pi / 8) * HAIR


def atan_q(u):
    t = mp.sqrt(u)
    return (mp.atan(t) - t) / (u * t)


fit("atan t, |t| <= tan(pi/8)", quotient(atan_q, -mp.mpf(1) / 3), 0, quarter_turn**2, 8, odd,
    mp.atan, -quarter_turn, quarter_turn)


def asin_q(u):
    t = mp.sqrt(u)
    return (mp.asin(t) - t) / (u * t)


fit("asin t, |t| <= 1/2", quotient(asin_q, mp.mpf(1) / 6), 0, half**2, 9, odd, mp.asin, -half,
    half)
