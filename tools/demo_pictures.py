#!/usr/bin/env python3
"""Draws the demo event pictures: theme backgrounds, board backdrop,
character pictures and prize photos.

Usage: demo_pictures.py DEMO_DIR [function=out-file ...]

Geometry is worked out here and handed to ImageMagick. Every random
choice comes from a seeded generator, so a rerun gives the same pictures.
ImageMagick 6's MVG gradients ignore extra stops and alpha, so gradients
are made as images (sparse-color, radial-gradient) and masked by shapes.
"""
import math
import os
import random
import shutil
import subprocess
import sys
import tempfile

IM = '/usr/bin/convert'  # /usr/local/bin/convert may be a stand-in
FONT = '/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc'  # face 0 is JP

# The program keys out pure white in character pictures, so drawn "white"
# stays just below it.
NEAR_WHITE = '#fdfdfd'

TMP = tempfile.mkdtemp(prefix='demo-pictures-')


def im(*args):
    subprocess.run([IM, *[str(a) for a in args]], check=True)


def tmp(name):
    return os.path.join(TMP, name)


def pts(points):
    return ' '.join(f'{x:.1f},{y:.1f}' for x, y in points)


def star_points(cx, cy, r_out, r_in, n, rot=-math.pi / 2):
    p = []
    for i in range(2 * n):
        r = r_out if i % 2 == 0 else r_in
        a = rot + math.pi * i / n
        p.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return p


def rotated_rect(cx, cy, w, h, ang):
    c, s = math.cos(ang), math.sin(ang)
    return [(cx + x * c - y * s, cy + x * s + y * c)
            for x, y in ((-w / 2, -h / 2), (w / 2, -h / 2), (w / 2, h / 2), (-w / 2, h / 2))]


class Pic:
    """One ImageMagick command built up layer by layer."""

    def __init__(self, w, h, bg='none'):
        self.w, self.h = w, h
        self.args = ['-size', f'{w}x{h}', f'xc:{bg}']
        self.mvg = []

    def d(self, s):
        # MVG settings such as fill-opacity outlive their primitive; keep
        # each element's settings to itself
        self.mvg.append(f'push graphic-context\n{s}\npop graphic-context')

    def flush(self):
        # one argv string is capped at 128 KiB, so long drawings are split
        chunk, size = [], 0
        for line in self.mvg:
            if size + len(line) > 100000:
                self.args += ['-draw', '\n'.join(chunk)]
                chunk, size = [], 0
            chunk.append(line)
            size += len(line) + 1
        if chunk:
            self.args += ['-draw', '\n'.join(chunk)]
        self.mvg = []

    def _put(self, sub, geometry='+0+0', compose='Over', gravity='NorthWest'):
        self.flush()
        self.args += ['(', *sub, ')', '-gravity', gravity, '-geometry', geometry,
                      '-compose', compose, '-composite', '-gravity', 'NorthWest', '-compose', 'Over']

    def grad(self, shape, x1, y1, c1, x2, y2, c2):
        """Fill an MVG shape with a linear gradient from (x1,y1) to (x2,y2)."""
        self._put(['-size', f'{self.w}x{self.h}', 'xc:black', '-sparse-color', 'Barycentric',
                   f'{x1:.0f},{y1:.0f} {c1} {x2:.0f},{y2:.0f} {c2}',
                   '(', '-size', f'{self.w}x{self.h}', 'xc:black', '-fill', 'white', '-stroke', 'none',
                   '-draw', shape, ')', '-alpha', 'off', '-compose', 'CopyOpacity', '-composite'])

    def vgrad(self, stops, x0=0, y0=0, w=None, h=None):
        """Vertical gradient with any number of (offset, colour) stops."""
        w, h = w or self.w, h or self.h
        sub = []
        for (o1, c1), (o2, c2) in zip(stops, stops[1:]):
            seg = max(2, round((o2 - o1) * h * 4))
            sub += ['-size', f'1x{seg}', f'gradient:{c1}-{c2}']
        sub += ['-append', '-resize', f'{w}x{h}!']
        self._put(sub, f'+{x0}+{y0}')

    def glow(self, cx, cy, rx, ry, inner, outer='none', compose='Over'):
        """Elliptic radial gradient, inner colour fading to outer."""
        self._put(['-size', '512x512', f'radial-gradient:{inner}-{outer}',
                   '-resize', f'{2 * rx:.0f}x{2 * ry:.0f}!'],
                  f'{cx - rx:+.0f}{cy - ry:+.0f}', compose)

    def layer(self, other, compose='Over', post=(), geometry='+0+0'):
        """Composite another Pic (rendered in the same command)."""
        other.flush()
        self._put([*other.args, *post], geometry, compose)

    def text(self, cx, cy, s, size, fill, rim=None, rim_w=0, angle=0, font=FONT):
        """Text centred on (cx, cy), optionally with a rim and a tilt."""
        cw = int(len(s) * size * 1.15 + rim_w * 2 + 40)
        ch = int(size * 1.6 + rim_w * 2 + 20)
        sub = ['-size', f'{cw}x{ch}', 'xc:none', '-gravity', 'center', '-font', font, '-pointsize', f'{size:.0f}']
        if rim:
            sub += ['-stroke', rim, '-strokewidth', f'{rim_w:.0f}', '-fill', rim, '-annotate', '+0+0', s]
        sub += ['-stroke', 'none', '-fill', fill, '-annotate', '+0+0', s]
        if angle:
            sub += ['-background', 'none', '-rotate', f'{angle}']
        self._put(sub, f'{cx - self.w / 2:+.0f}{cy - self.h / 2:+.0f}', gravity='center')

    def save(self, path, post=()):
        self.flush()
        im(*self.args, *post, path)


def save_jpeg(src, dst, quality=82):
    im(src, '-strip', '-interlace', 'none', '-sampling-factor', '2x2', '-quality', quality, dst)


# ---------------------------------------------------------------- backgrounds

def party_back(dst):
    W, H = 1280, 800
    rnd = random.Random(1701)
    p = Pic(W, H, 'black')
    p.vgrad([(0, '#2a0b5c'), (0.45, '#64197c'), (0.8, '#b8346c'), (1, '#e8664e')])
    # warm spotlight from above the centre
    p.glow(W / 2, -60, 820, 620, '#ffcf7a70', '#ffcf7a00', 'Screen')

    # faint beams fanning down from the top centre
    beams = Pic(W, H)
    for i in range(9):
        a = math.radians(-58 + i * 14.5 + rnd.uniform(-3, 3))
        sp, L = math.radians(3.0), 1400
        q = [(W / 2, -60),
             (W / 2 + L * math.sin(a - sp), -60 + L * math.cos(a - sp)),
             (W / 2 + L * math.sin(a + sp), -60 + L * math.cos(a + sp))]
        beams.d(f"fill '#ffe9b0' fill-opacity {rnd.uniform(0.035, 0.055):.3f} stroke none polygon {pts(q)}")
    p.layer(beams, 'Screen', ['-blur', '0x14'])

    # out-of-focus party lights; far ones big and soft, near ones smaller
    cols = ['#ffd36b', '#ff7fbf', '#7fe0ff', '#fff1c9', '#ff9a5c', '#c49bff']
    far = Pic(W, H)
    for _ in range(24):
        x, y, r = rnd.uniform(0, W), rnd.uniform(0, H), rnd.uniform(50, 110)
        far.d(f"fill '{rnd.choice(cols)}' fill-opacity {rnd.uniform(0.08, 0.16):.2f} stroke none "
              f"circle {x:.0f},{y:.0f} {x + r:.0f},{y:.0f}")
    p.layer(far, 'Screen', ['-blur', '0x16'])
    near = Pic(W, H)
    for _ in range(34):
        x, y, r = rnd.uniform(0, W), rnd.uniform(0, H), rnd.uniform(14, 40)
        if abs(x - W / 2) < 300 and abs(y - H / 2) < 200:
            continue
        c = rnd.choice(cols)
        near.d(f"fill '{c}' fill-opacity {rnd.uniform(0.14, 0.28):.2f} stroke '{c}' stroke-opacity 0.45 "
               f"stroke-width 2 circle {x:.0f},{y:.0f} {x + r:.0f},{y:.0f}")
    p.layer(near, 'Screen', ['-blur', '0x2.5'])
    p.glow(W / 2, H / 2, W * 0.75, H * 0.75, '#00000000', '#12002a70')

    # streamers hanging from the top corners, curling as they fall
    strm = Pic(W, H)
    scols = [('#ffcf3f', '#fff0a8'), ('#3fd0ff', '#c4f3ff'), ('#ff4fa3', '#ffc2e0'),
             ('#7dff6b', '#dcffd4'), ('#ff8a3d', '#ffd3b0')]
    for side in (0, 1):
        for k in range(5):
            x0 = 30 + k * 46 + rnd.uniform(-12, 12)
            if side:
                x0 = W - x0
            length = rnd.uniform(230, 420) * (1.0 - 0.12 * k)
            amp, freq, ph = rnd.uniform(15, 24), rnd.uniform(0.035, 0.05), rnd.uniform(0, 6.28)
            line, hl = [], []
            for s in range(int(length / 4) + 1):
                t = s * 4
                x = x0 + amp * math.sin(t * freq + ph) * (0.6 + t / length)
                line.append((x, t - 10))
                hl.append((x - 2.5, t - 11))
            main, light = scols[(k + side * 2) % len(scols)]
            strm.d(f"fill none stroke '{main}' stroke-width 9 stroke-linecap round stroke-linejoin round polyline {pts(line)}")
            strm.d(f"fill none stroke '{light}' stroke-opacity 0.8 stroke-width 3 stroke-linecap round stroke-linejoin round polyline {pts(hl)}")
    strm.flush()
    shadow = Pic(W, H)
    shadow.args = list(strm.args)
    p.layer(shadow, 'Over', ['-channel', 'RGB', '-fill', '#1a0030', '-colorize', '100', '+channel',
                             '-channel', 'A', '-evaluate', 'multiply', '0.45', '+channel', '-blur', '0x4'], '+6+8')
    p.layer(strm)

    # confetti, thinner towards the middle where the numbers are shown
    conf = Pic(W, H)
    ccols = ['#ffd23f', '#ff4f8b', '#3fc8ff', '#8cff5a', '#ff8c2e', '#b57bff', '#fff6d6', '#ff3b3b']
    n = 0
    while n < 420:
        x, y = rnd.uniform(-10, W + 10), rnd.uniform(-10, H + 10)
        d = math.hypot((x - W / 2) / (W / 2), (y - H * 0.48) / (H / 2))
        if rnd.random() > min(1.0, 0.10 + d * d * 0.9):
            continue
        n += 1
        c = rnd.choice(ccols)
        if rnd.random() < 0.7:
            w, h = rnd.uniform(7, 13), rnd.uniform(4, 7) * rnd.choice([1, 1, 0.5, 0.3])  # some turning edge-on
            conf.d(f"fill '{c}' stroke none polygon {pts(rotated_rect(x, y, w, h, rnd.uniform(0, math.pi)))}")
        else:
            r = rnd.uniform(2.5, 5)
            conf.d(f"fill '{c}' stroke none circle {x:.1f},{y:.1f} {x + r:.1f},{y:.1f}")
    p.layer(conf)
    out = tmp('party-back.png')
    p.save(out)
    save_jpeg(out, dst)


def night_back(dst):
    W, H = 1280, 800
    rnd = random.Random(2202)
    p = Pic(W, H, 'black')
    p.vgrad([(0, '#02040f'), (0.45, '#0b1444'), (0.75, '#24286a'), (0.9, '#553a7c'), (1, '#7a4a80')])
    p.glow(W / 2, H + 40, 900, 260, '#c0608060', '#c0608000', 'Screen')

    # milky way: noise kept to a soft diagonal band
    band = Pic(W // 4, H // 4, 'gray50')
    band.args += ['-seed', '7', '+noise', 'Random', '-colorspace', 'gray', '-blur', '0x1.5',
                  '-resize', f'{W}x{H}!', '-level', '40%,80%',
                  '(', '-size', f'{W}x{H}', 'xc:black', '-fill', 'white', '-draw',
                  f"translate {W / 2},{H * 0.42} rotate -24 ellipse 0,0 780,90 0,360", '-blur', '0x55', ')',
                  '-compose', 'Multiply', '-composite', '-fill', '#9fb4ff', '-tint', '70',
                  '-evaluate', 'multiply', '0.5']
    p.layer(band, 'Screen')

    stars = Pic(W, H)
    tints = ['#ffffff', '#dfe8ff', '#fff4d8', '#cfe0ff', '#ffe9c4']
    for _ in range(900):
        x, y = rnd.uniform(0, W), rnd.uniform(0, H)
        if y > H * 0.86 and rnd.random() < 0.8:
            continue
        r = rnd.choice([0.55, 0.65, 0.75, 0.9, 1.05, 1.25]) * (1.4 if rnd.random() < 0.06 else 1)
        o = rnd.uniform(0.35, 1.0) * (1 - 0.55 * y / H)
        stars.d(f"fill '{rnd.choice(tints)}' fill-opacity {o:.2f} stroke none circle {x:.1f},{y:.1f} {x + r:.2f},{y:.1f}")
    a = math.radians(-24)
    for _ in range(500):  # finer, denser stars in the band
        t, off = rnd.uniform(-1, 1), rnd.gauss(0, 42)
        x = W / 2 + t * 760 * math.cos(a) - off * math.sin(a)
        y = H * 0.42 + t * 760 * math.sin(a) + off * math.cos(a)
        stars.d(f"fill '#e8eeff' fill-opacity {rnd.uniform(0.3, 0.8):.2f} stroke none circle {x:.1f},{y:.1f} {x + 0.6:.1f},{y:.1f}")
    p.layer(stars)

    glow, cores = Pic(W, H), Pic(W, H)
    for _ in range(40):
        x, y = rnd.uniform(20, W - 20), rnd.uniform(10, H * 0.7)
        c = rnd.choice(['#bcd0ff', '#fff0c8', '#ffffff'])
        glow.d(f"fill '{c}' fill-opacity 0.7 stroke none circle {x:.1f},{y:.1f} {x + 5:.1f},{y:.1f}")
        cores.d(f"fill '#ffffff' stroke none circle {x:.1f},{y:.1f} {x + 1.6:.1f},{y:.1f}")
    for x, y, r in ((180, 120, 26), (1040, 90, 30), (880, 300, 18), (330, 380, 16), (1180, 420, 20), (620, 60, 14)):
        cores.d(f"fill '#ffffff' stroke none polygon {pts(star_points(x, y, r, r * 0.11, 4))}")
        glow.d(f"fill '#cfe0ff' stroke none circle {x},{y} {x + r * 0.45:.1f},{y}")
    p.layer(glow, 'Screen', ['-blur', '0x6'])
    p.layer(cores)

    # shooting star: a thin wedge, brightening towards its head
    sx, sy, ex, ey = 760, 150, 1010, 250
    nx, ny = -(ey - sy), (ex - sx)
    ln = math.hypot(nx, ny)
    nx, ny = nx / ln * 2.2, ny / ln * 2.2
    shoot = Pic(W, H, 'black')
    shoot.grad(f"polygon {sx},{sy} {ex + nx:.1f},{ey + ny:.1f} {ex - nx:.1f},{ey - ny:.1f}", sx, sy, '#000000', ex, ey, '#ffffff')
    shoot.d(f"fill '#ffffff' stroke none circle {ex},{ey} {ex + 2.6},{ey}")
    p.layer(shoot, 'Screen', ['-blur', '0x0.6'])

    # hills on the horizon
    def ridge(y0, amp, seed, n):
        r = random.Random(seed)
        xs = [i * W / n for i in range(n + 1)]
        ys = [y0 - r.uniform(0, amp) for _ in xs]
        q = [(-20, H + 10), (-20, ys[0])]
        for i in range(n):
            for s in range(1, 21):
                t = s / 20
                tt = (1 - math.cos(t * math.pi)) / 2
                q.append((xs[i] + t * (xs[i + 1] - xs[i]), ys[i] + tt * (ys[i + 1] - ys[i])))
        q += [(W + 20, ys[-1]), (W + 20, H + 10)]
        return q
    p.d(f"fill '#1a1b4a' stroke none polygon {pts(ridge(H - 95, 70, 5, 9))}")
    near_ridge = ridge(H - 40, 50, 9, 6)
    p.d(f"fill '#0a0c26' stroke none polygon {pts(near_ridge)}")
    # little pine trees standing on the near ridge
    for _ in range(40):
        x = rnd.uniform(0, W)
        if abs(x - W / 2) < 180:
            continue
        y = min(near_ridge[2:-2], key=lambda q: abs(q[0] - x))[1] + 4
        h = rnd.uniform(20, 40)
        p.d(f"fill '#0a0c26' stroke none polygon {x - h * 0.3:.0f},{y:.0f} {x:.0f},{y - h:.0f} {x + h * 0.3:.0f},{y:.0f}")
    out = tmp('night-back.png')
    p.save(out)
    save_jpeg(out, dst)


def party_box(dst):
    W, H = 340, 557
    p = Pic(W, H, 'black')
    p.vgrad([(0, '#2e1044'), (1, '#150722')])
    for k in range(-H, W, 22):  # faint diagonal pinstripes
        p.d(f"fill '#ffffff' fill-opacity 0.03 stroke none polygon {k},{H} {k + H},0 {k + H + 9},0 {k + 9},{H}")
    rnd = random.Random(33)
    for _ in range(40):
        x, y = rnd.uniform(8, W - 8), rnd.uniform(8, H - 8)
        p.d(f"fill '#ffd86b' fill-opacity {rnd.uniform(0.05, 0.12):.2f} stroke none circle {x:.0f},{y:.0f} {x + rnd.uniform(1, 2.2):.1f},{y:.0f}")
    p.glow(W / 2, H / 2, W * 0.8, H * 0.7, '#00000000', '#00000070')
    p.d("fill none stroke '#c9a04a' stroke-opacity 0.7 stroke-width 2 roundrectangle 6,6 333,550 14,14")
    p.d("fill none stroke '#c9a04a' stroke-opacity 0.25 stroke-width 1 roundrectangle 11,11 328,545 10,10")
    out = tmp('party-box.png')
    p.save(out)
    save_jpeg(out, dst, 88)


# ---------------------------------------------------------------- characters
# Drawn 4x with a dark rim round every shape, then scaled down onto white.

S = 4


def sc(v):
    return v * S


def finish_chara(p, dst, rim):
    """Edge pixels are blended onto the rim colour and made fully opaque,
    so no pale fringe is left after the program keys out white."""
    src = tmp('chara.png')
    p.save(src)
    im(src, '-scale', f'{p.w // S}x{p.h // S}',
       '(', '+clone', '-alpha', 'extract', '-threshold', '50%', ')',
       '(', '-clone', '0', '-background', rim, '-alpha', 'remove', '-alpha', 'off', ')',
       '-delete', '0', '+swap', '-compose', 'CopyOpacity', '-composite',
       '-background', '#ffffff', '-alpha', 'remove', '-alpha', 'off', '+repage', '-strip', f'PNG24:{dst}')


def crescent(cx, cy, r, dx, dy, r2, n=240):
    """Outline of circle (cx,cy,r) minus circle (cx+dx,cy+dy,r2)."""
    ix, iy = cx + dx, cy + dy
    outer = [(cx + r * math.cos(2 * math.pi * i / n), cy + r * math.sin(2 * math.pi * i / n)) for i in range(n)]
    inner = [(ix + r2 * math.cos(2 * math.pi * i / n), iy + r2 * math.sin(2 * math.pi * i / n)) for i in range(n)]
    out_keep = [math.hypot(x - ix, y - iy) > r2 for x, y in outer]
    in_keep = [math.hypot(x - cx, y - cy) < r for x, y in inner]
    # start each run just after a gap so the kept points are contiguous
    s0 = next(i for i in range(n) if out_keep[i] and not out_keep[i - 1])
    arc_o = [outer[(s0 + i) % n] for i in range(n) if out_keep[(s0 + i) % n]]
    s1 = next(i for i in range(n) if in_keep[i] and not in_keep[i - 1])
    arc_i = [inner[(s1 + i) % n] for i in range(n) if in_keep[(s1 + i) % n]]
    if math.dist(arc_o[-1], arc_i[0]) > math.dist(arc_o[-1], arc_i[-1]):
        arc_i.reverse()
    return arc_o + arc_i


def sparkles(p, rim, items, n=4, ratio=0.4):
    for x, y, r, c in items:
        p.d(f"fill '{c}' stroke '{rim}' stroke-width {sc(1.5)} stroke-linejoin round "
            f"polygon {pts(star_points(sc(x), sc(y), sc(r), sc(r) * ratio, n))}")


def face(p, cx, cy, r, rim, blush='#ff7fa0'):
    """Happy face: arched eyes, open smile, blush."""
    ey = cy - r * 0.12
    for sx in (-1, 1):
        x = cx + sx * r * 0.36
        p.d(f"fill none stroke '{rim}' stroke-width {r * 0.09:.0f} stroke-linecap round "
            f"path 'M {x - r * 0.13:.0f},{ey + r * 0.04:.0f} Q {x:.0f},{ey - r * 0.17:.0f} {x + r * 0.13:.0f},{ey + r * 0.04:.0f}'")
        p.d(f"fill '{blush}' fill-opacity 0.8 stroke none ellipse {cx + sx * r * 0.6:.0f},{cy + r * 0.16:.0f} {r * 0.14:.0f},{r * 0.08:.0f} 0,360")
    mw, my = r * 0.26, cy + r * 0.1
    p.d(f"fill '#c8283c' stroke '{rim}' stroke-width {r * 0.06:.0f} stroke-linejoin round "
        f"path 'M {cx - mw:.0f},{my:.0f} Q {cx:.0f},{my + r * 0.05:.0f} {cx + mw:.0f},{my:.0f} Q {cx:.0f},{my + r * 0.5:.0f} {cx - mw:.0f},{my:.0f} Z'")
    p.d(f"fill '#ff8a9c' stroke none ellipse {cx:.0f},{my + r * 0.24:.0f} {mw * 0.45:.0f},{r * 0.06:.0f} 0,360")


def chara_ball(dst):
    """Bingo ball mascot with a speech bubble."""
    p = Pic(sc(240), sc(130))
    rim = '#3a1a0a'
    cx, cy, r = sc(58), sc(70), sc(48)
    for sx in (-1, 1):  # arms up
        x0, y0 = cx + sx * r * 0.85, cy + r * 0.05
        x1, y1 = cx + sx * r * 1.1, cy - r * 0.6
        p.d(f"fill none stroke '{rim}' stroke-width {sc(10)} stroke-linecap round line {x0:.0f},{y0:.0f} {x1:.0f},{y1:.0f}")
        p.d(f"fill none stroke '#ff9a3a' stroke-width {sc(5)} stroke-linecap round line {x0:.0f},{y0:.0f} {x1:.0f},{y1:.0f}")
        p.d(f"fill '{NEAR_WHITE}' stroke '{rim}' stroke-width {sc(2.5)} circle {x1:.0f},{y1:.0f} {x1 + sc(6):.0f},{y1:.0f}")
    ball = f"circle {cx},{cy} {cx + r},{cy}"
    p.grad(ball, cx - r * 0.6, cy - r * 0.7, '#ffc060', cx + r * 0.7, cy + r * 0.8, '#ff5a10')
    p.d(f"fill none stroke '{rim}' stroke-width {sc(3.5)} {ball}")
    lx, ly, lr = cx, cy - r * 0.5, r * 0.3  # number label on the forehead
    p.d(f"fill '{NEAR_WHITE}' stroke '{rim}' stroke-width {sc(2)} circle {lx:.0f},{ly:.0f} {lx + lr:.0f},{ly:.0f}")
    p.text(lx, ly - sc(1), '7', sc(18), '#d8302a')
    p.d(f"fill '#ffe6b0' fill-opacity 0.7 stroke none ellipse {cx - r * 0.62:.0f},{cy - r * 0.1:.0f} {r * 0.09:.0f},{r * 0.2:.0f} 0,360")
    face(p, cx, cy + r * 0.2, r * 0.78, rim)
    # speech bubble with its tail towards the mascot
    bx0, by0, bx1, by1 = sc(122), sc(12), sc(236), sc(100)
    p.d(f"fill '{NEAR_WHITE}' stroke '{rim}' stroke-width {sc(3)} stroke-linejoin round "
        f"polygon {sc(128)},{sc(70)} {sc(104)},{sc(94)} {sc(142)},{sc(84)}")
    p.d(f"fill '{NEAR_WHITE}' stroke '{rim}' stroke-width {sc(3)} roundrectangle {bx0},{by0} {bx1},{by1} {sc(18)},{sc(18)}")
    p.d(f"fill '{NEAR_WHITE}' stroke none polygon {sc(129)},{sc(68)} {sc(110)},{sc(88)} {sc(143)},{sc(81)}")
    p.text((bx0 + bx1) / 2, sc(38), 'おめで', sc(30), '#ff3d6e')
    p.text((bx0 + bx1) / 2, sc(74), 'とう！', sc(30), '#ff3d6e')
    sparkles(p, rim, ((20, 16, 9, '#ffd23f'), (108, 120, 7, '#3fc8ff'), (228, 118, 8, '#ff5fa2'), (156, 118, 5, '#8cdf4a')))
    finish_chara(p, dst, rim)


def chara_popper(dst):
    """Party popper bursting with streamers, asking 'bingo?'."""
    p = Pic(sc(240), sc(130))
    rim = '#2a1440'
    rnd = random.Random(4)
    tip = (sc(16), sc(124))
    a = math.radians(-50)
    L, half = sc(80), sc(27)
    mx, my = tip[0] + L * math.cos(a), tip[1] + L * math.sin(a)
    nx, ny = -math.sin(a), math.cos(a)
    p1, p2 = (mx + nx * half, my + ny * half), (mx - nx * half, my - ny * half)
    # streamers first so the cone sits on top of them
    scol = ['#ffcf3f', '#3fc8ff', '#ff4f8b', '#7ddf5a', '#b57bff', '#ff8a3d', '#ffcf3f']
    for i in range(7):
        ang = a + math.radians(-60 + i * 19)
        line = []
        reach = sc(rnd.uniform(40, 54))
        for s in range(30):
            t = s / 29
            d = sc(10) + t * reach
            w = math.sin(t * 9 + i) * sc(6) * t
            line.append((mx + d * math.cos(ang) - w * math.sin(ang), my + d * math.sin(ang) + w * math.cos(ang)))
        p.d(f"fill none stroke '{rim}' stroke-width {sc(6)} stroke-linecap round stroke-linejoin round polyline {pts(line)}")
        p.d(f"fill none stroke '{scol[i]}' stroke-width {sc(3)} stroke-linecap round stroke-linejoin round polyline {pts(line)}")
    placed = 0
    while placed < 12:
        ang = a + math.radians(rnd.uniform(-75, 75))
        d = sc(rnd.uniform(24, 80))
        x, y = mx + d * math.cos(ang), my + d * math.sin(ang)
        if not (sc(4) < x < sc(126) and sc(4) < y < sc(126)):
            continue
        placed += 1
        c = rnd.choice(scol)
        p.d(f"fill '{c}' stroke '{rim}' stroke-width {sc(1.5)} polygon {pts(rotated_rect(x, y, sc(9), sc(5), rnd.uniform(0, 3)))}")
    cone = f"polygon {pts([tip, p1, p2])}"
    p.grad(cone, p2[0], p2[1], '#ff6fa0', p1[0], p1[1], '#d8286a')
    for k in (0.3, 0.55, 0.78):  # stripes
        k2 = k + 0.1
        q = [(tip[0] + (p1[0] - tip[0]) * k, tip[1] + (p1[1] - tip[1]) * k),
             (tip[0] + (p2[0] - tip[0]) * k, tip[1] + (p2[1] - tip[1]) * k),
             (tip[0] + (p2[0] - tip[0]) * k2, tip[1] + (p2[1] - tip[1]) * k2),
             (tip[0] + (p1[0] - tip[0]) * k2, tip[1] + (p1[1] - tip[1]) * k2)]
        p.d(f"fill '#ffd23f' stroke none polygon {pts(q)}")
    p.d(f"fill none stroke '{rim}' stroke-width {sc(3.5)} stroke-linejoin round {cone}")
    p.d(f"push graphic-context translate {mx:.0f},{my:.0f} rotate {math.degrees(a) + 90:.0f} "
        f"fill '#ffd23f' stroke '{rim}' stroke-width {sc(3)} ellipse 0,0 {half:.0f},{sc(8):.0f} 0,360 pop graphic-context")
    p.text(sc(178), sc(62), 'ビンゴ？', sc(29), '#ffcf3f', rim, sc(8), -8)
    sparkles(p, rim, ((224, 20, 9, '#ff4f8b'), (140, 112, 7, '#3fc8ff'), (230, 108, 6, '#7ddf5a')), 5, 0.42)
    finish_chara(p, dst, rim)


def chara_star(dst):
    """Leaping star calling out 'reach!'."""
    p = Pic(sc(240), sc(130))
    rim = '#4a2a00'
    cx, cy = sc(66), sc(68)
    star = f"polygon {pts(star_points(cx, cy, sc(58), sc(27), 5, -math.pi / 2 - 0.15))}"
    p.grad(star, cx, cy - sc(50), '#fff07a', cx, cy + sc(50), '#ffa80a')
    p.d(f"fill none stroke '{rim}' stroke-width {sc(3.5)} stroke-linejoin round {star}")
    p.d(f"fill '#fffbe0' fill-opacity 0.7 stroke none ellipse {cx - sc(16):.0f},{cy - sc(20):.0f} {sc(4):.0f},{sc(8):.0f} 0,360")
    face(p, cx, cy + sc(6), sc(30), rim)
    p.text(sc(178), sc(54), 'リーチ！', sc(29), '#ff3d6e', rim, sc(8), -6)
    p.text(sc(182), sc(104), 'あと ひとつ！', sc(17), '#ffb21a', rim, sc(6))
    sparkles(p, rim, ((134, 18, 7, '#3fc8ff'), (232, 98, 6, '#ff8a3d'), (126, 112, 5, '#b57bff')))
    finish_chara(p, dst, rim)


def chara_gift(dst):
    """Gift box popping its lid, 'yatta ne!'."""
    p = Pic(sc(240), sc(130))
    rim = '#2b1030'
    x0, y0, x1, y1 = sc(18), sc(54), sc(110), sc(124)
    box = f"roundrectangle {x0},{y0} {x1},{y1} {sc(6)},{sc(6)}"
    p.grad(box, x0, y0, '#6cc4ff', x1, y1, '#2a86e0')
    p.d(f"fill none stroke '{rim}' stroke-width {sc(3.5)} stroke-linejoin round {box}")
    p.d(f"fill '#ff4f8b' stroke '{rim}' stroke-width {sc(2.5)} rectangle {sc(56)},{y0} {sc(72)},{y1}")
    # lid popping up, tilted, with its bow
    p.d(f"push graphic-context translate {sc(64)},{sc(38)} rotate -12 "
        f"fill '#5cbaff' stroke '{rim}' stroke-width {sc(3.5)} stroke-linejoin round roundrectangle {sc(-52)},{sc(-10)} {sc(52)},{sc(10)} {sc(5)},{sc(5)} "
        f"fill '#ff4f8b' stroke '{rim}' stroke-width {sc(2.5)} rectangle {sc(-8)},{sc(-10)} {sc(8)},{sc(10)} "
        f"fill '#ff4f8b' stroke '{rim}' stroke-width {sc(2.5)} stroke-linejoin round "
        f"path 'M 0,{sc(-10)} C {sc(-12)},{sc(-38)} {sc(-38)},{sc(-28)} {sc(-6)},{sc(-10)} Z' "
        f"path 'M 0,{sc(-10)} C {sc(12)},{sc(-38)} {sc(38)},{sc(-28)} {sc(6)},{sc(-10)} Z' "
        f"pop graphic-context")
    face(p, sc(64), sc(88), sc(30), rim, '#ffb0c8')
    sparkles(p, rim, ((24, 18, 8, '#ffd23f'), (112, 12, 7, '#7ddf5a'), (128, 42, 6, '#ff8a3d')), 5, 0.42)
    p.text(sc(180), sc(50), 'やった', sc(30), '#7ddf5a', rim, sc(8), -7)
    p.text(sc(190), sc(88), 'ね！', sc(30), '#7ddf5a', rim, sc(8), -7)
    finish_chara(p, dst, rim)


def chara_moon(dst):
    """Sleepy crescent moon in a nightcap: the night theme's only character."""
    p = Pic(sc(240), sc(130))
    rim = '#1b1850'
    cx, cy, r = sc(64), sc(70), sc(52)
    moon = f"polygon {pts(crescent(cx, cy, r, r * 0.5, -r * 0.22, r * 0.82))}"
    p.grad(moon, cx - r, cy - r, '#fff6b0', cx + r * 0.2, cy + r, '#ffc030')
    p.d(f"fill none stroke '{rim}' stroke-width {sc(3.5)} stroke-linejoin round {moon}")
    # closed happy eye, blush and smile along the inner curve
    ex, ey = cx - r * 0.56, cy - r * 0.08
    p.d(f"fill none stroke '{rim}' stroke-width {sc(3)} stroke-linecap round path 'M {ex - sc(8):.0f},{ey:.0f} Q {ex:.0f},{ey + sc(8):.0f} {ex + sc(8):.0f},{ey:.0f}'")
    p.d(f"fill '#ff9ab0' fill-opacity 0.85 stroke none ellipse {ex - sc(2):.0f},{ey + sc(14):.0f} {sc(7):.0f},{sc(4):.0f} 0,360")
    p.d(f"fill none stroke '{rim}' stroke-width {sc(3)} stroke-linecap round path 'M {ex - sc(1):.0f},{ey + sc(24):.0f} Q {ex + sc(6):.0f},{ey + sc(31):.0f} {ex + sc(13):.0f},{ey + sc(24):.0f}'")
    # nightcap flopping to the right, with a pompom
    p.d(f"fill '#5a6cff' stroke '{rim}' stroke-width {sc(3)} stroke-linejoin round "
        f"path 'M {cx - r * 0.62:.0f},{cy - r * 0.76:.0f} Q {cx + r * 0.1:.0f},{cy - r * 1.28:.0f} {cx + r * 0.72:.0f},{cy - r * 0.66:.0f} "
        f"Q {cx + r * 0.2:.0f},{cy - r * 0.86:.0f} {cx - r * 0.02:.0f},{cy - r * 0.62:.0f} Z'")
    p.d(f"fill '{NEAR_WHITE}' stroke '{rim}' stroke-width {sc(2.5)} circle {cx + r * 0.76:.0f},{cy - r * 0.62:.0f} {cx + r * 0.76 + sc(6):.0f},{cy - r * 0.62:.0f}")
    sparkles(p, rim, ((128, 20, 9, '#fff07a'), (112, 110, 6, '#9fd0ff'), (228, 112, 7, '#fff07a'), (232, 16, 5, '#ffb0d8')), 5, 0.42)
    p.text(sc(176), sc(50), 'ラッキー', sc(27), '#fff07a', rim, sc(8), -5)
    p.text(sc(186), sc(88), 'な夜！', sc(27), '#9fd0ff', rim, sc(8), -5)
    finish_chara(p, dst, rim)


# ---------------------------------------------------------------- prize photos
# Drawn at twice the size and scaled down for smooth edges.

IW, IH = 560, 400


def studio(top, bottom, floor_y=None, floor=None):
    """Soft studio backdrop: wall gradient, a brighter middle, maybe a floor."""
    p = Pic(IW, IH, 'black')
    p.vgrad([(0, top), (1, bottom)])
    p.glow(IW / 2, IH * 0.45, 360, 300, '#ffffff80', '#ffffff00')
    if floor_y:
        p.d(f"fill '{floor}' stroke none rectangle 0,{floor_y} {IW},{IH}")
    return p


def shadow(p, cx, cy, rx, ry):
    sh = Pic(IW, IH)
    sh.d(f"fill '#000000' fill-opacity 0.28 stroke none ellipse {cx},{cy} {rx},{ry} 0,360")
    p.layer(sh, 'Over', ['-blur', '0x8'])


def finish_item(p, dst):
    src = tmp('item.png')
    p.save(src)
    out = tmp('item-s.png')
    im(src, '-resize', '280x200!', '-unsharp', '0x0.6', out)
    save_jpeg(out, dst, 88)


def item_tv(dst):
    p = studio('#e4eaf2', '#b4c0d0', 318, '#7080a028')
    shadow(p, 280, 332, 210, 14)
    p.d("fill '#2a2d33' stroke none polygon 252,292 308,292 322,324 238,324")
    p.grad('roundrectangle 196,318 364,334 6,6', 0, 318, '#50555e', 0, 334, '#1c1e22')
    p.grad('roundrectangle 70,46 490,298 10,10', 0, 46, '#3c4048', 0, 298, '#141619')
    p.d("fill none stroke '#0a0b0d' stroke-width 2 roundrectangle 70,46 490,298 10,10")
    # picture on the screen: a sunny landscape
    p.grad('rectangle 84,60 476,276', 0, 60, '#3a86e0', 0, 250, '#cfeaff')
    p.d("fill '#fffbe6' fill-opacity 0.45 stroke none circle 400,110 400,146")
    p.d("fill '#fff2b0' circle 400,110 400,132")
    p.d("fill '#ffffff' fill-opacity 0.9 ellipse 168,104 34,12 0,360 ellipse 194,96 26,12 0,360 ellipse 300,128 28,9 0,360")
    p.d("fill '#6cc860' path 'M 84,224 Q 170,174 270,212 T 476,194 L 476,276 L 84,276 Z'")
    p.d("fill '#3e9a46' path 'M 84,252 Q 220,212 340,246 T 476,234 L 476,276 L 84,276 Z'")
    p.d("fill '#ffffff' fill-opacity 0.14 stroke none polygon 84,60 250,60 140,276 84,276")  # glass glare
    p.d("fill '#1c1e22' stroke none rectangle 84,276 476,286")
    p.d("fill '#7fe07f' circle 466,291 466,293")
    finish_item(p, dst)


def item_hotplate(dst):
    p = studio('#fcefe4', '#e8c8b0', 296, '#a0604018')
    shadow(p, 280, 318, 230, 18)
    body = "path 'M 90,208 L 470,208 Q 500,210 496,250 L 484,296 Q 480,316 450,316 L 110,316 Q 80,316 76,296 L 64,250 Q 60,210 90,208 Z'"
    p.grad(body, 0, 208, '#e8463c', 0, 316, '#98201a')
    p.d(f"fill none stroke '#601010' stroke-width 2 {body}")
    p.d("fill '#2a2a2e' stroke '#111111' stroke-width 2 roundrectangle 34,232 66,250 6,6 roundrectangle 494,232 526,250 6,6")
    top = "path 'M 120,136 L 440,136 Q 496,138 500,214 L 60,214 Q 64,138 120,136 Z'"
    p.grad(top, 0, 136, '#f6665a', 0, 214, '#c42c24')
    p.d(f"fill none stroke '#601010' stroke-width 2 {top}")
    plate = "path 'M 134,146 L 426,146 Q 470,148 474,204 L 86,204 Q 90,148 134,146 Z'"
    p.grad(plate, 0, 146, '#505258', 0, 204, '#222327')
    p.d(f"fill none stroke '#141517' stroke-width 2 {plate}")
    for cx, cy, rx in ((170, 176, 46), (280, 172, 50), (392, 176, 46)):  # pancakes
        ry = rx * 0.34
        p.d(f"fill '#b87830' stroke '#7a4a18' stroke-width 2 ellipse {cx},{cy} {rx},{ry:.0f} 0,360")
        p.d(f"fill '#e6ac60' stroke none ellipse {cx},{cy - 3} {rx - 7},{ry - 6:.0f} 0,360")
        p.d(f"fill '#fff2c0' fill-opacity 0.7 ellipse {cx - rx * 0.3:.0f},{cy - 7} {rx * 0.22:.0f},{rx * 0.06:.0f} 0,360")
    steam = Pic(IW, IH)
    for x in (176, 290, 404):
        steam.d(f"fill none stroke '#ffffff' stroke-opacity 0.8 stroke-width 6 stroke-linecap round path 'M {x},130 Q {x - 14},106 {x},86 T {x},44'")
    p.layer(steam, 'Over', ['-blur', '0x2'])
    p.d("fill '#f2f2f2' stroke '#555555' stroke-width 2 circle 440,270 440,284")
    p.d("fill none stroke '#c02a24' stroke-width 3 line 440,270 440,259")
    finish_item(p, dst)


def item_giftcard(dst):
    p = studio('#eef4e6', '#c8d8b8')
    shadow(p, 290, 322, 220, 18)
    for cx, cy, ang, c1, c2 in ((250, 188, -10, '#f8e8b4', '#e2c070'), (312, 220, 6, '#fcf0cc', '#ecd088')):
        card = Pic(IW, IH)
        card.grad('roundrectangle 100,104 460,296 12,12', 100, 104, c1, 460, 296, c2)
        card.d("fill none stroke '#8a6a20' stroke-width 2 roundrectangle 100,104 460,296 12,12")
        card.d("fill none stroke '#b08a2a' stroke-width 3 roundrectangle 116,120 444,280 8,8")
        card.d("fill none stroke '#d8b860' stroke-width 1 roundrectangle 124,128 436,272 6,6")
        for k in range(6):  # engraved waves
            y = 160 + k * 16
            card.d(f"fill none stroke '#c8a040' stroke-opacity 0.35 stroke-width 1.5 path 'M 130,{y} Q 170,{y - 12} 210,{y} T 290,{y} T 370,{y} T 430,{y}'")
        card.text(236, 172, '商品券', 54, '#7a1a10')
        card.text(236, 240, '1,000円', 42, '#7a1a10')
        card.d("fill '#d8302a' stroke '#8a1410' stroke-width 2 circle 392,174 392,206")
        card.text(392, 172, '寿', 34, '#fff4d0')
        card.args += ['-background', 'none', '-distort', 'SRT', f'280,200 1 {ang} {cx},{cy}']
        p.layer(card, 'Over', ['-channel', 'A', '-level', '0,100%', '+channel'])
    finish_item(p, dst)


def item_sweets(dst):
    p = studio('#fdf0f4', '#f0c8d6')
    shadow(p, 280, 340, 240, 16)
    p.grad('polygon 120,62 440,62 470,190 90,190', 0, 62, '#d2446a', 0, 190, '#a02848')  # lid behind
    p.d("fill none stroke '#701a34' stroke-width 2 polygon 120,62 440,62 470,190 90,190")
    p.d("fill '#f2c14a' stroke none polygon 262,62 298,62 306,190 254,190")
    p.text(280, 108, 'Sweets', 34, '#fff4e0')
    p.d("fill '#8a1e38' stroke '#5a1024' stroke-width 2 polygon 80,170 480,170 506,330 54,330")
    p.d("fill '#f8e8d4' stroke '#c8a888' stroke-width 2 polygon 96,180 464,180 486,318 74,318")
    rnd = random.Random(8)
    kinds = ['cookie', 'choco', 'macaron', 'choco', 'cookie', 'macaron']
    mac = ['#ffb0c8', '#b8f0c0', '#fff0a0', '#c8c0ff', '#ffd0a0']

    def xat(t, u):
        left, right = 96 + (74 - 96) * t, 464 + (486 - 464) * t
        return left + (right - left) * u
    for row in range(3):
        t0, t1 = row / 3, (row + 1) / 3
        y0, y1 = 180 + t0 * 138, 180 + t1 * 138
        tm = (t0 + t1) / 2
        w = (xat(tm, 1) - xat(tm, 0)) / 5
        for col in range(5):
            cx, cy = xat(tm, (col + 0.5) / 5), (y0 + y1) / 2
            r = min(w, y1 - y0) * 0.4
            p.d(f"fill '#ead4b8' stroke '#c8a888' stroke-width 1 rectangle {cx - w / 2 + 3:.0f},{y0 + 3:.0f} {cx + w / 2 - 3:.0f},{y1 - 3:.0f}")
            k = kinds[(row * 5 + col) % len(kinds)]
            if k == 'cookie':
                p.d(f"fill '#d89a50' stroke '#9a6020' stroke-width 2 circle {cx:.0f},{cy:.0f} {cx + r:.0f},{cy:.0f}")
                for _ in range(5):
                    dx, dy = rnd.uniform(-r * 0.55, r * 0.55), rnd.uniform(-r * 0.55, r * 0.55)
                    p.d(f"fill '#5a3010' stroke none circle {cx + dx:.0f},{cy + dy:.0f} {cx + dx + 3:.0f},{cy + dy:.0f}")
            elif k == 'choco':
                p.d(f"fill '#5a2e14' stroke '#2e1406' stroke-width 2 roundrectangle {cx - r:.0f},{cy - r * 0.85:.0f} {cx + r:.0f},{cy + r * 0.85:.0f} 6,6")
                p.d(f"fill none stroke '#9a6040' stroke-width 3 path 'M {cx - r * 0.6:.0f},{cy:.0f} Q {cx - r * 0.3:.0f},{cy - r * 0.4:.0f} {cx:.0f},{cy:.0f} T {cx + r * 0.6:.0f},{cy:.0f}'")
            else:
                c = mac[(row + col) % len(mac)]
                p.d(f"fill '{c}' stroke '#00000040' stroke-width 2 ellipse {cx:.0f},{cy - r * 0.25:.0f} {r:.0f},{r * 0.45:.0f} 0,360")
                p.d(f"fill '#fff8ec' stroke none ellipse {cx:.0f},{cy + r * 0.05:.0f} {r * 0.92:.0f},{r * 0.16:.0f} 0,360")
                p.d(f"fill '{c}' stroke '#00000040' stroke-width 2 ellipse {cx:.0f},{cy + r * 0.35:.0f} {r:.0f},{r * 0.42:.0f} 0,360")
    p.d("fill '#f2c14a' stroke '#a07a10' stroke-width 2 polygon 280,330 234,302 238,356 polygon 280,330 326,302 322,356")
    p.d("fill '#e8a820' stroke '#a07a10' stroke-width 2 circle 280,330 280,343")
    finish_item(p, dst)


def item_towels(dst):
    p = studio('#e8f4f8', '#bcd8e4')
    shadow(p, 280, 342, 210, 16)
    cols = [('#fafafa', '#dde2ea'), ('#a4dcf2', '#68b2d4'), ('#ffd4ae', '#eea474'), ('#bce8b4', '#84c47c')]
    y = 330
    for i, (c1, c2) in enumerate(cols):
        h = 58
        x0, x1, top = 108 + i * 5, 452 - i * 5, y - h
        towel = (f"path 'M {x0 + 24},{top} L {x1 - 24},{top} Q {x1 + 6},{top + 2} {x1},{top + h / 2} Q {x1 + 6},{y - 2} {x1 - 24},{y} "
                 f"L {x0 + 24},{y} Q {x0 - 6},{y - 2} {x0},{top + h / 2} Q {x0 - 6},{top + 2} {x0 + 24},{top} Z'")
        p.grad(towel, 0, top, c1, 0, y, c2)
        p.d(f"fill none stroke '#00000030' stroke-width 2 {towel}")
        for k in range(8):  # pile texture
            yy = top + 9 + k * 6
            p.d(f"fill none stroke '#00000010' stroke-width 2 line {x0 + 16},{yy} {x1 - 16},{yy}")
        p.d(f"fill none stroke '#ffffff' stroke-opacity 0.6 stroke-width 3 line {x0 + 30},{top + 9} {x1 - 60},{top + 9}")
        p.d(f"fill none stroke '#00000022' stroke-width 4 line {x0 + 40},{y - 14} {x1 - 40},{y - 14}")
        y = top + 2
    p.d("fill '#c23a5a' stroke '#7a1a30' stroke-width 2 polygon 356,94 396,94 400,330 360,330")  # paper band
    p.d("fill '#fff6e6' stroke '#c8a888' stroke-width 2 roundrectangle 196,184 330,252 8,8")
    p.text(263, 206, 'Towel', 26, '#7a1a30')
    p.text(263, 234, 'GIFT SET', 16, '#7a1a30')
    finish_item(p, dst)


# ---------------------------------------------------------------- main

def main():
    demo = sys.argv[1]
    if len(sys.argv) > 2:
        # draw only the named pieces while working on them: func=out-file
        for arg in sys.argv[2:]:
            fn, out = arg.split('=')
            globals()[fn](os.path.join(demo, out))
        shutil.rmtree(TMP)
        return
    party = os.path.join(demo, 'theme', 'パーティー')
    night = os.path.join(demo, 'theme', '夜空')
    item = os.path.join(demo, 'item')
    for d in (party, night, item):
        os.makedirs(d, exist_ok=True)

    party_back(os.path.join(party, 'back.jpg'))
    party_box(os.path.join(party, 'box.jpg'))
    chara_ball(os.path.join(party, 'chara.png'))
    chara_popper(os.path.join(party, 'chara1.png'))
    chara_star(os.path.join(party, 'chara2.png'))
    chara_gift(os.path.join(party, 'chara3.png'))

    night_back(os.path.join(night, 'back.jpg'))
    chara_moon(os.path.join(night, 'chara.png'))

    item_tv(os.path.join(item, '1-液晶テレビ_1.jpg'))
    item_hotplate(os.path.join(item, '2-ホットプレート_2.jpg'))
    item_giftcard(os.path.join(item, '3-商品券_3.jpg'))
    item_sweets(os.path.join(item, '4-お菓子セット_5.jpg'))
    item_towels(os.path.join(item, '5-タオルセット_8.jpg'))
    shutil.rmtree(TMP)


if __name__ == '__main__':
    main()
