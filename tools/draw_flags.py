#!/usr/bin/env python3
"""Draws the 38 language-menu flags as SVG files (data/flags/CODE.svg), 21 x 15 units each.

The SVG files are the sources the build packs; edit this script and run it again rather than
editing one flag by hand:

    tools/draw_flags.py [OUTPUT_FOLDER]      (default: data/flags beside this folder)

The drawings are deliberately simple: at 21 x 15 pixels a flag is recognised by its colours and
its one or two main shapes, so stripes and crosses sit on whole pixels (they stay sharp) and
emblems are reduced to a circle, a star or a plain shield. Every flag gets the same faint dark
edge, so that white fields do not melt into a white menu. Only SVG Tiny features that QtSvg
draws are used.
"""

import math
import os
import sys

W, H = 21, 15


def fmt(value):
    text = f"{value:.3f}".rstrip("0").rstrip(".")
    return text if text not in ("", "-0") else "0"


def rect(x, y, w, h, fill):
    return f'<rect x="{fmt(x)}" y="{fmt(y)}" width="{fmt(w)}" height="{fmt(h)}" fill="{fill}"/>'


def poly(points, fill):
    coords = " ".join(f"{fmt(x)},{fmt(y)}" for x, y in points)
    return f'<polygon points="{coords}" fill="{fill}"/>'


def circle(cx, cy, r, fill):
    return f'<circle cx="{fmt(cx)}" cy="{fmt(cy)}" r="{fmt(r)}" fill="{fill}"/>'


def ring(cx, cy, r, width, colour):
    return (f'<circle cx="{fmt(cx)}" cy="{fmt(cy)}" r="{fmt(r)}" fill="none" '
            f'stroke="{colour}" stroke-width="{fmt(width)}"/>')


def line(x1, y1, x2, y2, width, colour):
    return (f'<line x1="{fmt(x1)}" y1="{fmt(y1)}" x2="{fmt(x2)}" y2="{fmt(y2)}" '
            f'stroke="{colour}" stroke-width="{fmt(width)}"/>')


def star(cx, cy, r, fill, points=5, rotation=-90.0, inner=0.382):
    corners = []
    for k in range(points * 2):
        radius = r if k % 2 == 0 else r * inner
        angle = math.radians(rotation + k * 180.0 / points)
        corners.append((cx + radius * math.cos(angle), cy + radius * math.sin(angle)))
    return poly(corners, fill)


def horizontal(*colours):
    """Equal horizontal bands, their edges on whole pixels."""
    shapes, n = [], len(colours)
    for i, colour in enumerate(colours):
        top, bottom = round(i * H / n), round((i + 1) * H / n)
        shapes.append(rect(0, top, W, bottom - top, colour))
    return shapes


def vertical(*colours):
    shapes, n = [], len(colours)
    for i, colour in enumerate(colours):
        left, right = round(i * W / n), round((i + 1) * W / n)
        shapes.append(rect(left, 0, right - left, H, colour))
    return shapes


def stripes(count, first, second):
    shapes = []
    for i in range(count):
        top, bottom = round(i * H / count), round((i + 1) * H / count)
        shapes.append(rect(0, top, W, bottom - top, first if i % 2 == 0 else second))
    return shapes


def nordic(field, cross, border=None):
    """A cross shifted toward the hoist; with a border, the cross is laid on a wider one."""
    shapes = [rect(0, 0, W, H, field)]
    if border:
        shapes += [rect(5, 0, 5, H, border), rect(0, 5, W, 5, border)]
        shapes += [rect(6, 0, 3, H, cross), rect(0, 6, W, 3, cross)]
    else:
        shapes += [rect(6, 0, 3, H, cross), rect(0, 6, W, 3, cross)]
    return shapes


def shield(x, y, w, h, fill):
    """A plain heraldic shield: straight top, round bottom to a point."""
    return (f'<path d="M{fmt(x)},{fmt(y)} h{fmt(w)} v{fmt(h * 0.55)} '
            f'q0,{fmt(h * 0.35)} {fmt(-w / 2)},{fmt(h * 0.45)} '
            f'q{fmt(-w / 2)},{fmt(-h * 0.1)} {fmt(-w / 2)},{fmt(-h * 0.45)} z" fill="{fill}"/>')


WHITE = "#ffffff"


def argentina():
    return horizontal("#74acdf", WHITE, "#74acdf") + [circle(10.5, 7.5, 1.7, "#f6b40e")]


def bosnia():
    shapes = [rect(0, 0, W, H, "#002395"), poly([(5, 0), (16, 0), (16, 15)], "#fecb00")]
    for k in range(6):
        t = (k + 0.5) / 6
        shapes.append(star(3.2 + 10.6 * t, 0.6 + 13.8 * t, 1.05, WHITE))
    return shapes


def belarus():
    shapes = [rect(0, 0, W, 10, "#c8313e"), rect(0, 10, W, 5, "#4aa657"),
              rect(0, 0, 3.5, H, WHITE)]
    for y in (2.5, 7.5, 12.5):
        shapes.append(poly([(1.75, y - 1.6), (3.1, y), (1.75, y + 1.6), (0.4, y)], "#c8313e"))
    return shapes


def brazil():
    return [rect(0, 0, W, H, "#009c3b"),
            poly([(10.5, 1.6), (19.2, 7.5), (10.5, 13.4), (1.8, 7.5)], "#ffdf00"),
            circle(10.5, 7.5, 3.3, "#002776"),
            f'<path d="M7.3,6.9 q3.4,-0.9 6.4,1.2" fill="none" stroke="{WHITE}" '
            f'stroke-width="0.8"/>']


def switzerland():
    return [rect(0, 0, W, H, "#da291c"), rect(9, 3, 3, 9, WHITE), rect(6, 6, 9, 3, WHITE)]


def china():
    red, yellow = "#ee1c25", "#ffde00"
    shapes = [rect(0, 0, W, H, red), star(3.6, 3.9, 2.5, yellow)]
    for x, y in ((7.2, 1.5), (8.6, 3.1), (8.6, 5.2), (7.2, 6.7)):
        shapes.append(star(x, y, 0.85, yellow, rotation=-90 + math.degrees(
            math.atan2(3.9 - y, 3.6 - x))))
    return shapes


def czechia():
    return [rect(0, 0, W, 7.5, WHITE), rect(0, 7.5, W, 7.5, "#d7141a"),
            poly([(0, 0), (10.5, 7.5), (0, 15)], "#11457e")]


def spain():
    return [rect(0, 0, W, 4, "#aa151b"), rect(0, 4, W, 7, "#f1bf00"), rect(0, 11, W, 4, "#aa151b"),
            shield(4.3, 5.2, 3.4, 4.4, "#aa151b"), rect(5.2, 5.9, 1.6, 1.4, "#f1bf00")]


def georgia():
    red = "#e8112d"
    shapes = [rect(0, 0, W, H, WHITE), rect(9, 0, 3, H, red), rect(0, 6, W, 3, red)]
    for cx, cy in ((4.5, 3), (16.5, 3), (4.5, 12), (16.5, 12)):
        shapes += [rect(cx - 0.5, cy - 1.5, 1, 3, red), rect(cx - 1.5, cy - 0.5, 3, 1, red)]
    return shapes


def britain():
    blue, red = "#012169", "#c8102e"
    return [rect(0, 0, W, H, blue),
            line(0, 0, W, H, 3.2, WHITE), line(W, 0, 0, H, 3.2, WHITE),
            line(0, 0, W, H, 1.1, red), line(W, 0, 0, H, 1.1, red),
            rect(8, 0, 5, H, WHITE), rect(0, 5, W, 5, WHITE),
            rect(9, 0, 3, H, red), rect(0, 6, W, 3, red)]


def greece():
    blue = "#0d5eaf"
    shapes = stripes(9, blue, WHITE)
    shapes += [rect(0, 0, 8, 8, blue), rect(3, 0, 2, 8, WHITE), rect(0, 3, 8, 2, WHITE)]
    return shapes


def croatia():
    shapes = horizontal("#ff0000", WHITE, "#171796")
    red = "#ff0000"
    shapes.append(rect(8.5, 3.5, 4, 6, WHITE))
    for row in range(5):
        for column in range(4):
            if (row + column) % 2 == 0:
                shapes.append(rect(8.5 + column, 3.5 + row * 1.2, 1, 1.2, red))
    shapes.append(f'<rect x="8.5" y="3.5" width="4" height="6" fill="none" stroke="{red}" '
                  f'stroke-width="0.4"/>')
    return shapes


def north_macedonia():
    red, yellow = "#d20000", "#ffe600"
    cx, cy = 10.5, 7.5
    shapes = [rect(0, 0, W, H, red)]
    # Eight rays from the sun to the edges and corners, widening outward.
    targets = [(0, 0), (10.5, 0), (W, 0), (W, 7.5), (W, H), (10.5, H), (0, H), (0, 7.5)]
    for tx, ty in targets:
        angle = math.atan2(ty - cy, tx - cx)
        spread = 1.5 if tx in (0, W) and ty in (0, H) else 1.9
        nx, ny = -math.sin(angle) * spread, math.cos(angle) * spread
        shapes.append(poly([(cx, cy), (tx + nx, ty + ny), (tx - nx, ty - ny)], yellow))
    shapes += [circle(cx, cy, 2.6, red), circle(cx, cy, 2.0, yellow)]
    return shapes


def malta():
    return [rect(0, 0, 10.5, H, WHITE), rect(10.5, 0, 10.5, H, "#cf142b"),
            rect(1.2, 1.2, 3, 3, "#a0a0a0"), rect(2.3, 1.2, 0.8, 3, "#d8d8d8"),
            rect(1.2, 2.3, 3, 0.8, "#d8d8d8")]


def portugal():
    green, red, yellow = "#006600", "#ff0000", "#ffcc00"
    return [rect(0, 0, 8, H, green), rect(8, 0, 13, H, red),
            ring(8, 7.5, 2.9, 1.1, yellow),
            shield(6.6, 5.6, 2.8, 3.6, red), shield(7.2, 6.3, 1.6, 2.2, WHITE)]


def serbia():
    shapes = horizontal("#c6363c", "#0c4076", WHITE)
    shapes += [shield(3.8, 4.4, 3.8, 5.2, "#c6363c"), rect(5.35, 4.9, 0.7, 4.0, WHITE),
               rect(4.4, 6.2, 2.6, 0.7, WHITE), rect(4.1, 3.2, 3.2, 1.1, "#edb92e")]
    return shapes


def slovakia():
    shapes = horizontal(WHITE, "#0b4ea2", "#ee1c25")
    shapes += [shield(3.5, 3.0, 5.4, 8.2, WHITE), shield(3.95, 3.4, 4.5, 7.3, "#ee1c25"),
               circle(6.2, 10.3, 1.6, "#0b4ea2"),
               rect(5.85, 4.2, 0.7, 5.0, WHITE), rect(4.9, 5.3, 2.6, 0.6, WHITE),
               rect(4.6, 6.7, 3.2, 0.6, WHITE)]
    return shapes


def slovenia():
    shapes = horizontal(WHITE, "#005da4", "#ed1c24")
    shapes += [shield(4.2, 2.6, 3.8, 5.0, "#ed1c24"), shield(4.6, 2.9, 3.0, 4.3, "#005da4"),
               poly([(4.8, 6.2), (6.1, 4.2), (7.4, 6.2)], WHITE)]
    return shapes


def turkey():
    red = "#e30a17"
    return [rect(0, 0, W, H, red), circle(7.6, 7.5, 3.8, WHITE), circle(8.6, 7.5, 3.05, red),
            star(12.3, 7.5, 1.7, WHITE, rotation=180)]


def usa():
    shapes = stripes(13, "#b22234", WHITE)
    shapes.append(rect(0, 0, 9, 8, "#3c3b6e"))
    for row in range(4):
        for column in range(4):
            x = 1.2 + column * 2 + (1 if row % 2 else 0)
            if x < 8.6:
                shapes.append(rect(x, 1 + row * 1.7, 0.8, 0.8, WHITE))
    return shapes


FLAGS = {
    "ARG": argentina,
    "ARM": lambda: horizontal("#d90012", "#0033a0", "#f2a800"),
    "AUT": lambda: horizontal("#c8102e", WHITE, "#c8102e"),
    "BEL": lambda: vertical("#000000", "#fdda24", "#ef3340"),
    "BGR": lambda: horizontal(WHITE, "#00966e", "#d62612"),
    "BIH": bosnia,
    "BLR": belarus,
    "BRA": brazil,
    "CHE": switzerland,
    "CHN": china,
    "CZE": czechia,
    "DEU": lambda: horizontal("#000000", "#dd0000", "#ffce00"),
    "DNK": lambda: nordic("#c8102e", WHITE),
    "ESP": spain,
    "FIN": lambda: nordic(WHITE, "#002f6c"),
    "FRA": lambda: vertical("#002654", WHITE, "#ce1126"),
    "GBR": britain,
    "GEO": georgia,
    "GRC": greece,
    "HRV": croatia,
    "HUN": lambda: horizontal("#ce2939", WHITE, "#477050"),
    "ISL": lambda: nordic("#02529c", "#dc1e35", WHITE),
    "ITA": lambda: vertical("#009246", WHITE, "#ce2b37"),
    "MKD": north_macedonia,
    "MLT": malta,
    "NLD": lambda: horizontal("#ae1c28", WHITE, "#21468b"),
    "NOR": lambda: nordic("#ba0c2f", "#00205b", WHITE),
    "POL": lambda: horizontal(WHITE, "#dc143c"),
    "PRT": portugal,
    "ROM": lambda: vertical("#002b7f", "#fcd116", "#ce1126"),
    "RUS": lambda: horizontal(WHITE, "#0039a6", "#d52b1e"),
    "SRB": serbia,
    "SVK": slovakia,
    "SVN": slovenia,
    "SWE": lambda: nordic("#006aa7", "#fecc00"),
    "TUR": turkey,
    "UKR": lambda: horizontal("#0057b7", "#ffd700"),
    "USA": usa,
}


def document(shapes):
    edge = (f'<rect x="0.5" y="0.5" width="{W - 1}" height="{H - 1}" fill="none" '
            f'stroke="#000000" stroke-opacity="0.28" stroke-width="1"/>')
    body = "\n  ".join(shapes + [edge])
    return (f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            f'width="{W}" height="{H}" viewBox="0 0 {W} {H}">\n  {body}\n</svg>\n')


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data", "flags")
    os.makedirs(out, exist_ok=True)
    for code, draw in sorted(FLAGS.items()):
        with open(os.path.join(out, f"{code}.svg"), "w", encoding="utf-8", newline="\n") as file:
            file.write(document(draw()))
    print(f"{len(FLAGS)} flags written to {os.path.normpath(out)}")


if __name__ == "__main__":
    main()
