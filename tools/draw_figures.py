#!/usr/bin/env python3
"""Draws the eight schematic figures of the window as SVG files (data/figures/NAME.svg).

The SVG files are the sources the build renders; this script keeps their geometry exact and
their conventions shared, so edit it and run it again rather than editing one figure by hand:

    tools/draw_figures.py [OUTPUT_FOLDER]      (default: data/figures beside this folder)

Every figure is an axial section of a 60 degree thread (pitch P = 100 units on a 600 x 600
canvas) with best-size probes, which touch both flanks exactly at the pitch line. Black is the
part and the dimensioning, the one accent colour the probes (wires or balls) and the measuring
line. Only SVG Tiny features that QtSvg draws are used: no markers, patterns or clip paths, so
arrowheads and hatching are drawn out here.
"""

import math
import os
import sys

# --- Conventions shared by all figures -------------------------------------------------------

SIZE = 600
ACCENT = "#1a5fb4"
ACCENT_FILL = "#dfe9f7"
BLACK = "#000000"
OUTLINE = 3.0  # visible edges of the part
PROBE_STROKE = 2.6
TOOL_STROKE = 2.2  # anvils and styli
THIN = 1.5  # dimension, extension and break lines
HATCH = 1.0
HATCH_SPACING = 11.0
CENTRE_DASH = "16 4 3 4"
HALO = 7.0  # white band under thin lines that cross hatching
FONT = "DejaVu Sans"
FONT_SIZE = 29.0
SUB_SIZE = 20.0
ARROW_LENGTH = 15.0
ARROW_HALF_WIDTH = 4.6
EXT_GAP = 3.0  # extension lines start this far from the object
EXT_OVER = 9.0  # and end this far beyond the dimension line
HATCH_ZONE = 34.0  # hatching of the bolt follows its outline this deep

# Thread geometry: symmetric 60 degree profile, basic truncations, best-size probes.
P = 100.0
FLANK = math.radians(30.0)
H = P / (2.0 * math.tan(FLANK))  # height of the fundamental triangle
R = P / (4.0 * math.cos(FLANK))  # probe radius touching both flanks at the pitch line
SEAT = R * math.sin(FLANK)  # probe centre beyond the pitch line, toward the groove's opening
TAPER = math.radians(6.0)  # half taper angle, exaggerated so that the taper shows

# Mean advance widths of DejaVu Sans (oblique has the same), in ems, for placing subscripts and
# sizing the white boxes behind labels.
ADVANCE = {
    "M": 0.863, "m": 0.974, "d": 0.635, "D": 0.770, "P": 0.603, "2": 0.636, "B": 0.686,
    "β": 0.635, "γ": 0.592, "/": 0.337, "n": 0.634,
}


def fmt(value):
    text = f"{value:.2f}".rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


def add(a, b):
    return (a[0] + b[0], a[1] + b[1])


def sub(a, b):
    return (a[0] - b[0], a[1] - b[1])


def mul(a, k):
    return (a[0] * k, a[1] * k)


def unit(v):
    length = math.hypot(v[0], v[1])
    return (v[0] / length, v[1] / length)


def perp(v):
    """v turned a quarter to the right on screen (y grows downward)."""
    return (-v[1], v[0])


def dot(a, b):
    return a[0] * b[0] + a[1] * b[1]


def intersect(p, d, q, e):
    """Point where p + s*d meets q + t*e."""
    det = d[0] * e[1] - d[1] * e[0]
    s = ((q[0] - p[0]) * e[1] - (q[1] - p[1]) * e[0]) / det
    return add(p, mul(d, s))


# --- SVG output -------------------------------------------------------------------------------

class Figure:
    LAYERS = ("hatch", "halo", "part", "tool", "probe", "dim", "label")

    def __init__(self, name, title):
        self.name = name
        self.title = title
        self.layers = {layer: [] for layer in self.LAYERS}

    def put(self, layer, element):
        self.layers[layer].append(element)

    def line(self, a, b, layer="dim", width=THIN, colour=BLACK, dash=None):
        extra = f' stroke-dasharray="{dash}"' if dash else ""
        self.put(layer, f'<line x1="{fmt(a[0])}" y1="{fmt(a[1])}" x2="{fmt(b[0])}" '
                        f'y2="{fmt(b[1])}" stroke="{colour}" stroke-width="{fmt(width)}"'
                        f'{extra}/>')

    def polyline(self, points, layer="part", width=OUTLINE, colour=BLACK, fill="none",
                 closed=False, dash=None):
        tag = "polygon" if closed else "polyline"
        coords = " ".join(f"{fmt(x)},{fmt(y)}" for x, y in points)
        extra = f' stroke-dasharray="{dash}"' if dash else ""
        self.put(layer, f'<{tag} points="{coords}" fill="{fill}" stroke="{colour}" '
                        f'stroke-width="{fmt(width)}" stroke-linejoin="round"{extra}/>')

    def polygon_fill(self, points, layer, fill):
        coords = " ".join(f"{fmt(x)},{fmt(y)}" for x, y in points)
        self.put(layer, f'<polygon points="{coords}" fill="{fill}" stroke="none"/>')

    def circle(self, centre, radius, layer="probe", width=PROBE_STROKE, colour=ACCENT,
               fill=ACCENT_FILL):
        self.put(layer, f'<circle cx="{fmt(centre[0])}" cy="{fmt(centre[1])}" '
                        f'r="{fmt(radius)}" fill="{fill}" stroke="{colour}" '
                        f'stroke-width="{fmt(width)}"/>')

    def path(self, d, layer="dim", width=THIN, colour=BLACK, fill="none"):
        self.put(layer, f'<path d="{d}" fill="{fill}" stroke="{colour}" '
                        f'stroke-width="{fmt(width)}"/>')

    def halo(self, a, b):
        self.line(a, b, layer="halo", width=HALO, colour="#ffffff")

    def svg(self):
        out = [
            '<?xml version="1.0" encoding="UTF-8"?>',
            f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            f'width="{SIZE}" height="{SIZE}" viewBox="0 0 {SIZE} {SIZE}">',
            f"<title>{self.title}</title>",
            f'<rect x="0" y="0" width="{SIZE}" height="{SIZE}" fill="#ffffff"/>',
        ]
        for layer in self.LAYERS:
            if self.layers[layer]:
                out.append(f'<g id="{layer}">')
                out.extend(self.layers[layer])
                out.append("</g>")
        out.append("</svg>")
        return "\n".join(out) + "\n"


# --- Drawing elements -------------------------------------------------------------------------

def hatch(fig, polygon, spacing=HATCH_SPACING):
    """45 degree section lining inside a polygon (even-odd)."""
    values = [x + y for x, y in polygon]
    start = math.floor(min(values) / spacing) * spacing
    c = start
    n = len(polygon)
    while c <= max(values):
        crossings = []
        for i in range(n):
            p, q = polygon[i], polygon[(i + 1) % n]
            fp, fq = p[0] + p[1] - c, q[0] + q[1] - c
            if (fp < 0) != (fq < 0):
                t = fp / (fp - fq)
                crossings.append(add(p, mul(sub(q, p), t)))
        crossings.sort()
        for a, b in zip(crossings[0::2], crossings[1::2]):
            fig.line(a, b, layer="hatch", width=HATCH)
        c += spacing


def arrow_head(fig, tip, direction, colour=BLACK):
    """A filled arrowhead whose tip is at `tip`, pointing along `direction`."""
    d = unit(direction)
    base = sub(tip, mul(d, ARROW_LENGTH))
    side = mul(perp(d), ARROW_HALF_WIDTH)
    fig.polygon_fill([tip, add(base, side), sub(base, side)], "dim", colour)


def label_width(runs):
    width = 0.0
    for text, size in runs:
        width += sum(ADVANCE.get(ch, 0.62) for ch in text) * size
    return width


def symbol(text):
    """Runs of a quantity symbol: a letter and an upright subscript ("d2", "dD", "D2")."""
    if len(text) == 2 and text[0] in "dD" and text[1] in "2D":
        return [(text[0], FONT_SIZE, True), (text[1], SUB_SIZE, False)]
    return [(text, FONT_SIZE, True)]


def label(fig, centre, text, boxed=True, colour=BLACK, size_scale=1.0):
    """A symbol centred on `centre`, on a white box when it sits on a line."""
    runs = [(t, s * size_scale, italic) for t, s, italic in symbol(text)]
    width = label_width([(t, s) for t, s, _ in runs])
    main = runs[0][1]
    baseline = centre[1] + 0.36 * main
    x = centre[0] - width / 2.0
    if boxed:
        pad = 4.0
        fig.put("label", f'<rect x="{fmt(x - pad)}" y="{fmt(centre[1] - 0.42 * main - 2)}" '
                         f'width="{fmt(width + 2 * pad)}" height="{fmt(0.84 * main + 4)}" '
                         f'fill="#ffffff" stroke="none"/>')
    for text_run, size, italic in runs:
        shift = 0.0 if size == main else 0.22 * main
        style = ' font-style="italic"' if italic else ""
        fig.put("label", f'<text x="{fmt(x)}" y="{fmt(baseline + shift)}" font-family="{FONT}" '
                         f'font-size="{fmt(size)}"{style} fill="{colour}">{text_run}</text>')
        x += sum(ADVANCE.get(ch, 0.62) for ch in text_run) * size


def dimension(fig, a, b, text, at=0.5, colour=BLACK):
    """A dimension line from a to b with arrowheads at both ends and its label on it."""
    fig.line(a, b, colour=colour)
    arrow_head(fig, a, sub(a, b), colour)
    arrow_head(fig, b, sub(b, a), colour)
    label(fig, add(a, mul(sub(b, a), at)), text, colour=colour)


def extension(fig, origin, foot, halo=False):
    """An extension line from an object point to a dimension line's end `foot`."""
    d = unit(sub(foot, origin))
    start = add(origin, mul(d, EXT_GAP))
    end = add(foot, mul(d, EXT_OVER))
    if halo:
        fig.halo(start, end)
    fig.line(start, end)


def centre_line(fig, a, b, colour=BLACK, halo=False, layer="dim"):
    if halo:
        fig.halo(a, b)
    fig.line(a, b, layer=layer, width=1.2, colour=colour, dash=CENTRE_DASH)


def probe(fig, centre, mark=True):
    fig.circle(centre, R)
    if mark:
        k = 6.0
        fig.line((centre[0] - k, centre[1]), (centre[0] + k, centre[1]), layer="probe",
                 width=1.4, colour=ACCENT)
        fig.line((centre[0], centre[1] - k), (centre[0], centre[1] + k), layer="probe",
                 width=1.4, colour=ACCENT)


def anvil(fig, contact, outward, before, after, thickness=30.0):
    """A measuring anvil whose flat face touches a probe at `contact`; `outward` points away from
    the probe, the face runs `before` to the left and `after` to the right of the contact."""
    n = unit(outward)
    along = unit(perp(n)) if perp(n)[0] >= 0 else mul(unit(perp(n)), -1)
    a = add(contact, mul(along, -before))
    b = add(contact, mul(along, after))
    c = add(b, mul(n, thickness))
    d = add(a, mul(n, thickness))
    fig.polyline([a, b, c, d], layer="tool", width=TOOL_STROKE, fill="#ffffff", closed=True)
    return a, b


class Break:
    """A thin freehand break line x(y) across a part, from y0 to y1 near x."""

    def __init__(self, x, y0, y1, amplitude=4.0, wave=46.0):
        self.x = x
        self.y0 = y0
        half_waves = max(1, round(abs(y1 - y0) / (wave / 2.0)))
        self.wave = 2.0 * abs(y1 - y0) / half_waves
        self.amplitude = amplitude

    def at(self, y):
        return self.x + self.amplitude * math.sin(2.0 * math.pi * (y - self.y0) / self.wave)

    def points(self, ya, yb, step=3.0):
        count = max(2, int(abs(yb - ya) / step) + 1)
        return [(self.at(ya + (yb - ya) * i / (count - 1)), ya + (yb - ya) * i / (count - 1))
                for i in range(count)]


# --- Thread profile ---------------------------------------------------------------------------

class Band:
    """One side of an axial section: the profile along a pitch line y = y0 + slope*(x - 300).

    `opening` is +1 when the grooves open downward on screen, -1 upward. `grooves` are the
    groove centres; each groove's flanks pass through the pitch line P/4 either side of its
    centre, so a best-size probe seated there touches both at the pitch line. `bottom` is the
    groove depth below the pitch line, `top` the height of the ridges above it (both into the
    respective side).
    """

    def __init__(self, y0, slope, opening, grooves, bottom, top):
        self.y0 = y0
        self.slope = slope
        self.opening = opening
        self.grooves = sorted(grooves)
        self.bottom = bottom
        self.top = top

    def pitch_y(self, x):
        return self.y0 + self.slope * (x - 300.0)

    def offset_line(self, offset):
        """Point and direction of the line `offset` toward the openings from the pitch line."""
        return (0.0, self.pitch_y(0.0) + self.opening * offset), (1.0, self.slope)

    def flanks(self, xg):
        y = self.pitch_y(xg)
        left = ((xg - P / 4.0, y), (-math.sin(FLANK), self.opening * math.cos(FLANK)))
        right = ((xg + P / 4.0, y), (math.sin(FLANK), self.opening * math.cos(FLANK)))
        return left, right

    def corners(self, xg):
        (lp, ld), (rp, rd) = self.flanks(xg)
        tp, td = self.offset_line(self.top)
        bp, bd = self.offset_line(-self.bottom)
        return (intersect(lp, ld, tp, td), intersect(lp, ld, bp, bd),
                intersect(rp, rd, bp, bd), intersect(rp, rd, tp, td))

    def vertex(self, xg):
        """The sharp corner where the groove's flanks would meet, inside the material."""
        (lp, ld), (rp, rd) = self.flanks(xg)
        return intersect(lp, ld, rp, rd)

    def profile(self, xa, xb):
        points = []
        for xg in self.grooves:
            points.extend(self.corners(xg))
        return clip_x(points, xa, xb)

    def seat(self, xg):
        """Centre of the probe in the groove at xg."""
        return (xg, self.pitch_y(xg) + self.opening * SEAT)

    def outer_point(self, xg):
        """The point of that probe farthest toward the groove's opening side."""
        return (xg, self.pitch_y(xg) + self.opening * (SEAT + R))

    def inner_line_y(self, x, depth):
        return self.pitch_y(x) - self.opening * (self.bottom + depth)


def clip_x(points, xa, xb):
    """The part of an x-monotonic polyline between xa and xb."""
    out = []
    for p, q in zip(points, points[1:]):
        if q[0] < xa or p[0] > xb:
            continue
        a, b = p, q
        if a[0] < xa:
            a = add(a, mul(sub(b, a), (xa - a[0]) / (b[0] - a[0])))
        if b[0] > xb:
            b = add(a, mul(sub(b, a), (xb - a[0]) / (b[0] - a[0])))
        if not out:
            out.append(a)
        out.append(b)
    return out


def external_band(y0, slope, opening, grooves):
    return Band(y0, slope, opening, grooves, bottom=H / 4.0, top=3.0 * H / 8.0)


def internal_band(y0, slope, opening, grooves):
    return Band(y0, slope, opening, grooves, bottom=3.0 * H / 8.0, top=H / 4.0)


def grooves(first, count=7):
    return [first + P * k for k in range(-1, count)]


def bolt(fig, upper, lower, xa, xb):
    """Axial section of an external thread between two break lines, outline hatching."""
    up = upper.profile(xa, xb)
    low = lower.profile(xa, xb)
    left = Break(xa, up[0][1], low[0][1])
    right = Break(xb, up[-1][1], low[-1][1])
    fig.polyline(up)
    fig.polyline(low)
    fig.polyline(left.points(up[0][1], low[0][1]), width=THIN)
    fig.polyline(right.points(up[-1][1], low[-1][1]), width=THIN)
    for band, profile in ((upper, up), (lower, low)):
        ya = band.inner_line_y(xa, HATCH_ZONE)
        yb = band.inner_line_y(xb, HATCH_ZONE)
        zone = (profile + right.points(profile[-1][1], yb) + [(right.at(yb), yb)] +
                [(left.at(ya), ya)] + left.points(ya, profile[0][1]))
        zone = [(max(x, xa - 6), y) for x, y in zone]
        hatch(fig, zone)


def nut(fig, upper, lower, xa, xb, wall):
    """Axial section of an internal thread: two hatched walls `wall` beyond the groove bottoms."""
    for band in (upper, lower):
        profile = band.profile(xa, xb)
        # The outside of the nut is a cylinder, also round a taper thread.
        ends = [band.pitch_y(x) - band.opening * (band.bottom + wall) for x in (xa, xb)]
        outer_a = outer_b = min(ends) if band.opening > 0 else max(ends)
        left = Break(xa, profile[0][1], outer_a)
        right = Break(xb, profile[-1][1], outer_b)
        fig.polyline(profile)
        fig.line((xa, outer_a), (xb, outer_b), layer="part", width=OUTLINE)
        fig.polyline(left.points(profile[0][1], outer_a), width=THIN)
        fig.polyline(right.points(profile[-1][1], outer_b), width=THIN)
        hatch(fig, profile + right.points(profile[-1][1], outer_b) +
              left.points(outer_a, profile[0][1]))


def pitch_lines(fig, bands, xa, xb):
    for band in bands:
        centre_line(fig, (xa, band.pitch_y(xa)), (xb, band.pitch_y(xb)), halo=True,
                    layer="dim")


def axis(fig, y, xa, xb):
    centre_line(fig, (xa, y), (xb, y))


def flank_angles(fig, band, xg, radius):
    """The two flank angles of the groove at xg, against the groove's centre line: β on the
    left flank, γ on the right."""
    v = band.vertex(xg)
    opening = (0.0, float(band.opening))
    reach = radius + 10.0
    centre_line(fig, v, add(v, mul(opening, reach)), halo=True)
    tl, bl, br, tr = band.corners(xg)
    (_, ld), (_, rd) = band.flanks(xg)
    for corner, inner, d in ((tl, bl, ld), (tr, br, rd)):
        # Thin continuations of the flank to the vertex and out to the arc.
        fig.halo(inner, v)
        fig.line(inner, v, width=1.0)
        end = add(v, mul(unit(d), reach))
        fig.line(add(corner, mul(unit(d), EXT_GAP)), end, width=1.0)
    for d, text, side in ((ld, "β", -1), (rd, "γ", 1)):
        start = add(v, mul(opening, radius))
        end = add(v, mul(unit(d), radius))
        sweep = 1 if (side * band.opening) < 0 else 0
        fig.path(f"M {fmt(start[0])} {fmt(start[1])} A {fmt(radius)} {fmt(radius)} 0 0 "
                 f"{sweep} {fmt(end[0])} {fmt(end[1])}")
        tangent_start = perp(unit(sub(start, v)))
        tangent_end = perp(unit(sub(end, v)))
        # Arrowheads along the arc, pointing at the two lines.
        toward_centre = mul(tangent_start, 1 if dot(tangent_start, sub(end, start)) < 0 else -1)
        toward_flank = mul(tangent_end, 1 if dot(tangent_end, sub(end, start)) > 0 else -1)
        arrow_small(fig, start, toward_centre)
        arrow_small(fig, end, toward_flank)
        mid = unit(add(unit(sub(start, v)), unit(sub(end, v))))
        label(fig, add(v, mul(mid, radius + 20.0)), text, boxed=False)


def arrow_small(fig, tip, direction):
    d = unit(direction)
    base = sub(tip, mul(d, 11.0))
    side = mul(perp(d), 3.6)
    fig.polygon_fill([tip, add(base, side), sub(base, side)], "dim", BLACK)


# --- The figures ------------------------------------------------------------------------------

Y_UPPER = 170.0
Y_LOWER = 430.0
Y_AXIS = 300.0
X_SMALL = 513.0  # m
X_LARGE = 557.0  # M
X_START = 50.0  # the part between two break lines
X_END = 478.0
X_TOOL_END = 500.0
# Inclined set-ups: the dimensions lean with the measuring line, so the part ends earlier and
# the dimensions' upper ends sit here.
X_END_INCLINED = 430.0
X_LARGE_INCLINED = 462.0
X_SMALL_INCLINED = 508.0
D2_AT_TAPER = 0.4  # the taper angle takes the middle
X_PLANE = 345.0  # the measuring plane: P/4 beside the probes at 320 (upper) and 370 (lower)
FLANK_GROOVE = 220.0  # the upper groove whose flank angles are shown
PITCH_RIDGES = (120.0, 220.0)  # the lower ridges between which P is shown


def pitch_diameter(fig, upper, lower, text, at=0.5, x=X_PLANE):
    """The pitch diameter in the measuring plane, between the pitch lines."""
    a = (x, upper.pitch_y(x))
    b = (x, lower.pitch_y(x))
    fig.halo(a, b)
    dimension(fig, a, b, text, at=at)


def pitch_dimension(fig, band, distance):
    """P between the middles of two ridges, parallel to the axis, `distance` beyond them."""
    tops = [(x, band.pitch_y(x) + band.opening * band.top) for x in PITCH_RIDGES]
    extreme = max if band.opening > 0 else min
    y = extreme(t[1] for t in tops) + band.opening * distance
    feet = [(t[0], y) for t in tops]
    for top, foot in zip(tops, feet):
        extension(fig, top, foot)
    dimension(fig, feet[0], feet[1], "P")


def aligned_dimensions(fig, direction, pairs):
    """Dimensions along `direction` (the measuring direction, pointing to the upper probe) on the
    right. `pairs` holds (text, upper point, lower point, x of the upper end, halo, gap): each
    pair is carried out sideways to a line parallel to the direction; `gap` is how far from
    the upper and lower point the extension lines start."""
    side = perp(direction)
    if side[0] < 0:
        side = mul(side, -1)
    for text, upper, lower, x, halo, gap in pairs:
        c = dot(upper, side) + (x - upper[0]) / side[0]
        a = add(upper, mul(side, c - dot(upper, side)))
        b = add(lower, mul(side, c - dot(lower, side)))
        extension(fig, add(upper, mul(side, gap[0])), a, halo=halo)
        extension(fig, add(lower, mul(side, gap[1])), b, halo=halo)
        dimension(fig, a, b, text)


def measuring_line(fig, a, b):
    """The line along which the probes are measured, in the accent colour."""
    centre_line(fig, a, b, colour=ACCENT, halo=True, layer="dim")


def bolt_figure(name, title, slope=0.0, x_end=X_END):
    fig = Figure(name, title)
    upper = external_band(Y_UPPER, slope, -1, grooves(120.0))
    lower = external_band(Y_LOWER, -slope, 1, grooves(170.0))
    bolt(fig, upper, lower, X_START, x_end)
    axis(fig, Y_AXIS, X_START - 10.0, x_end + 12.0)
    pitch_lines(fig, (upper, lower), X_START, x_end + 8.0)
    flank_angles(fig, upper, FLANK_GROOVE, 92.0)
    pitch_dimension(fig, lower, 44.0)
    return fig, upper, lower


def nut_figure(name, title, slope=0.0, x_end=X_END):
    fig = Figure(name, title)
    upper = internal_band(Y_UPPER, slope, 1, grooves(120.0))
    lower = internal_band(Y_LOWER, -slope, -1, grooves(170.0))
    nut(fig, upper, lower, X_START, x_end, 40.0)
    axis(fig, Y_AXIS, 12.0, x_end + 12.0)
    pitch_lines(fig, (upper, lower), X_START, x_end + 8.0)
    flank_angles(fig, upper, FLANK_GROOVE, 92.0)
    pitch_dimension(fig, lower, 40.0)
    return fig, upper, lower


def seat_probes(fig, upper, lower, upper_xs, lower_xs, symbol_at):
    """Probes in the grooves; the one at `symbol_at` (band, x) carries the diameter symbol."""
    for band, xs in ((upper, upper_xs), (lower, lower_xs)):
        for xg in xs:
            carries_symbol = (band, xg) == symbol_at
            probe(fig, band.seat(xg), mark=not carries_symbol)
            if carries_symbol:
                # Nudged off the pitch line, which crosses the probe beside its centre.
                label(fig, add(band.seat(xg), (0.0, 4.0 * band.opening)), "dD", boxed=False)


def perpendicular_wires(name, title, upper_xs, slope=0.0):
    """Wires measured square to the axis between two flat anvils."""
    fig, upper, lower = bolt_figure(name, title, slope)
    symbol_at = (upper, upper_xs[0])
    seat_probes(fig, upper, lower, upper_xs, [370.0], symbol_at)
    top = min((upper.outer_point(x) for x in upper_xs), key=lambda p: p[1])
    _, up_end = anvil(fig, top, (0, -1), top[0] - upper_xs[0] + 26.0, X_TOOL_END - top[0])
    bottom = lower.outer_point(370.0)
    _, low_end = anvil(fig, bottom, (0, 1), 26.0, X_TOOL_END - bottom[0])
    m_gap = R if len(upper_xs) == 1 else 0.0
    aligned_dimensions(fig, (0.0, -1.0), [
        ("M", up_end, low_end, X_LARGE, False, (0.0, 0.0)),
        ("m", upper.seat(upper_xs[-1]), lower.seat(370.0), X_SMALL, True, (m_gap, 0.0)),
    ])
    pitch_diameter(fig, upper, lower, "d2", at=0.5 if slope == 0 else D2_AT_TAPER)
    return fig


def inclined_wires(name, title):
    """Two wires measured along the line through their centres, which the half pitch between
    the grooves on either side tilts; the anvils lie square to that line."""
    fig, upper, lower = bolt_figure(name, title, x_end=X_END_INCLINED)
    seat_probes(fig, upper, lower, [320.0], [370.0], (upper, 320.0))
    cu, cl = upper.seat(320.0), lower.seat(370.0)
    u = unit(sub(cu, cl))
    top, bottom = add(cu, mul(u, R)), sub(cl, mul(u, R))
    _, up_end = anvil(fig, top, u, 26.0, 130.0)
    _, low_end = anvil(fig, bottom, mul(u, -1), 26.0, 110.0)
    measuring_line(fig, add(top, mul(u, -6.0)), add(bottom, mul(u, 6.0)))
    aligned_dimensions(fig, u, [
        ("M", up_end, low_end, X_LARGE_INCLINED, False, (0.0, 0.0)),
        ("m", cu, cl, X_SMALL_INCLINED, True, (R, 0.0)),
    ])
    pitch_diameter(fig, upper, lower, "d2")
    return fig


def stylus(fig, centre, toward, body_y):
    """A finger from a ball's centre along `toward` to the gauge body's edge at body_y."""
    d = unit(toward)
    end = add(centre, mul(d, (body_y - centre[1]) / d[1]))
    side = mul(perp(d), 6.0)
    fig.polyline([add(centre, side), add(end, side), sub(end, side), sub(centre, side)],
                 layer="tool", width=TOOL_STROKE, fill="#ffffff", closed=True)


def gauge(fig, upper_ball, lower_ball, direction):
    """A two-point gauge in the bore: its body along the axis and one finger per ball, both
    along the measuring direction (pointing to the upper ball)."""
    top, bottom = Y_AXIS - 14.0, Y_AXIS + 14.0
    stylus(fig, upper_ball, mul(direction, -1), top)
    stylus(fig, lower_ball, direction, bottom)
    right = max(upper_ball[0], lower_ball[0]) + 34.0
    fig.polyline([(-10.0, top), (right, top), (right, bottom), (-10.0, bottom)], layer="tool",
                 width=TOOL_STROKE, fill="#ffffff", closed=True)


def balls(name, title, inclined, slope=0.0):
    """Two balls in a nut section, on a two-point gauge, measured square to the axis or along
    the line through their centres."""
    fig, upper, lower = nut_figure(name, title, slope,
                                   X_END_INCLINED if inclined else X_END)
    seat_probes(fig, upper, lower, [320.0], [370.0], (upper, 320.0))
    cu, cl = upper.seat(320.0), lower.seat(370.0)
    u = unit(sub(cu, cl)) if inclined else (0.0, -1.0)
    gauge(fig, cu, cl, u)
    top, bottom = add(cu, mul(u, R)), sub(cl, mul(u, R))
    if inclined:
        measuring_line(fig, add(top, mul(u, 6.0)), add(bottom, mul(u, -6.0)))
        pairs = [("M", top, bottom, X_LARGE_INCLINED, True, (0.0, 0.0)),
                 ("m", cu, cl, X_SMALL_INCLINED, True, (R, 0.0))]
    else:
        pairs = [("M", top, bottom, X_LARGE, True, (0.0, 0.0)),
                 ("m", cu, cl, X_SMALL, True, (R, 0.0))]
    aligned_dimensions(fig, u, pairs)
    # The inclined fingers pass the plane between the two balls; the other flank of the upper
    # ball's groove is as good a place.
    pitch_diameter(fig, upper, lower, "D2", at=0.3,
                   x=X_PLANE - P / 2.0 if inclined else X_PLANE)
    return fig


def taper_angle(fig, upper):
    """The half taper angle B: between the axis and a line parallel to the upper pitch cone,
    drawn in the bolt's open middle. The angle is narrow, so its arrowheads stand outside."""
    vertex = (X_START + 8.0, Y_AXIS)
    angle = math.atan(upper.slope)
    radius = 230.0
    d = (math.cos(angle), math.sin(angle))
    fig.line(vertex, add(vertex, mul(d, radius + 16.0)), width=1.0)

    def arc_point(a):
        return add(vertex, (radius * math.cos(a), radius * math.sin(a)))

    over = 26.0 / radius
    for a0, a1 in ((-over, 0.0), (0.0, angle), (angle, angle + over)):
        p0, p1 = arc_point(a0), arc_point(a1)
        fig.path(f"M {fmt(p0[0])} {fmt(p0[1])} A {fmt(radius)} {fmt(radius)} 0 0 1 "
                 f"{fmt(p1[0])} {fmt(p1[1])}")
    arrow_small(fig, arc_point(0.0), (0.0, 1.0))
    arrow_small(fig, arc_point(angle), (math.sin(angle), -math.cos(angle)))
    middle = angle / 2.0
    label(fig, add(vertex, ((radius + 22.0) * math.cos(middle), (radius + 22.0) * math.sin(middle))),
          "B", boxed=False)


def taper_three_wires(name, title, slope):
    """Three wires on a taper: the anvil on the two wires lies along the pitch cone, the other
    anvil parallel to it, and the size is measured square to the anvils."""
    fig, upper, lower = bolt_figure(name, title, slope)
    seat_probes(fig, upper, lower, [320.0, 420.0], [370.0], (upper, 320.0))
    along = unit((1.0, slope))
    n = perp(mul(along, -1))  # square to the anvils, toward the upper wires
    if n[1] > 0:
        n = mul(n, -1)
    c1, c2, c3 = upper.seat(320.0), upper.seat(420.0), lower.seat(370.0)
    top, bottom = add(c1, mul(n, R)), sub(c3, mul(n, R))
    _, up_end = anvil(fig, top, n, 26.0, X_TOOL_END - top[0])
    _, low_end = anvil(fig, bottom, mul(n, -1), 26.0, X_TOOL_END - bottom[0])
    aligned_dimensions(fig, n, [
        ("M", up_end, low_end, X_LARGE, False, (0.0, 0.0)),
        ("m", c2, c3, X_SMALL, True, (0.0, 0.0)),
    ])
    pitch_diameter(fig, upper, lower, "d2", at=D2_AT_TAPER)
    taper_angle(fig, upper)
    return fig


TAPER_SLOPE = math.tan(TAPER)


def ext_cyl_3w():
    return perpendicular_wires("ExtCyl_3w", "External cylindrical thread, three wires",
                               [320.0, 420.0])


def ext_cyl_2w_perp():
    return perpendicular_wires("ExtCyl_2w_perp",
                               "External cylindrical thread, two wires, perpendicular", [320.0])


def ext_cyl_2w_incl():
    return inclined_wires("ExtCyl_2w_incl", "External cylindrical thread, two wires, inclined")


def int_cyl_perp():
    return balls("IntCyl_Perp", "Internal cylindrical thread, balls, perpendicular", False)


def int_cyl_incl():
    return balls("IntCyl_Incl", "Internal cylindrical thread, balls, inclined", True)


def ext_tap_2w():
    fig = perpendicular_wires("ExtTap_2w", "External taper thread, two wires", [320.0],
                              TAPER_SLOPE)
    taper_angle(fig, external_band(Y_UPPER, TAPER_SLOPE, -1, []))
    return fig


def ext_tap_3w():
    return taper_three_wires("ExtTap_3w", "External taper thread, three wires", TAPER_SLOPE)


def int_tap_perp():
    return balls("IntTap_Perp", "Internal taper thread, balls, perpendicular", False,
                 TAPER_SLOPE)


FIGURES = [ext_cyl_3w, ext_cyl_2w_perp, ext_cyl_2w_incl, int_cyl_perp, int_cyl_incl,
           ext_tap_2w, ext_tap_3w, int_tap_perp]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data", "figures")
    os.makedirs(folder, exist_ok=True)
    for make in FIGURES:
        fig = make()
        with open(os.path.join(folder, fig.name + ".svg"), "w", encoding="utf-8",
                  newline="\n") as out:
            out.write(fig.svg())


if __name__ == "__main__":
    main()
