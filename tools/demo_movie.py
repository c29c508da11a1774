#!/usr/bin/env python3
"""Makes the party theme's movie_y.mov: "ビンゴ！" letters dropping in and
hopping over turning sun rays and falling confetti, with a drum roll and
fanfare.

Usage: demo_movie.py OUT.mov

Frames are drawn with ImageMagick and put together by ffmpeg as MJPEG in
QuickTime with a PCM track, which GStreamer's qtdemux and jpegdec play.
"""
import math
import os
import random
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import demo_pictures as pic  # noqa: E402
import demo_sounds as snd  # noqa: E402

W, H = 480, 270
FPS = 20
SECONDS = 4.0
LETTERS = ['ビ', 'ン', 'ゴ', '！']
COLOURS = ['#ff3d6e', '#3fb8ff', '#7ddf5a', '#b57bff']
DROP_AT = [0.15, 0.35, 0.55, 0.75]  # when each letter starts to fall
FALL = 0.45                          # seconds from the top to the ground


def drop_y(t):
    """Height above the ground (0..1) of a letter t s after release: a fall
    and two smaller bounces."""
    if t < 0:
        return None
    if t < FALL:
        return 1 - (t / FALL) ** 2
    t -= FALL
    for dur, h in ((0.28, 0.22), (0.16, 0.07)):
        if t < dur:
            u = t / dur
            return h * 4 * u * (1 - u)
        t -= dur
    return 0.0


def render_letters(tmpdir):
    """One big PNG per letter, with a dark rim and a drop shadow."""
    paths = []
    for i, (ch, col) in enumerate(zip(LETTERS, COLOURS)):
        out = os.path.join(tmpdir, f'letter{i}.png')
        pic.im('-size', '200x200', 'xc:none', '-gravity', 'center', '-font', pic.FONT, '-pointsize', '150',
               '-fill', '#00000060', '-annotate', '+8+10', ch,
               '-stroke', '#2a1040', '-strokewidth', '22', '-fill', '#2a1040', '-annotate', '+0+0', ch,
               '-stroke', '#fdfdfd', '-strokewidth', '8', '-fill', '#fdfdfd', '-annotate', '+0+0', ch,
               '-stroke', 'none', '-fill', col, '-annotate', '+0+0', ch,
               '-trim', '+repage', out)
        paths.append(out)
    return paths


def render_rays(tmpdir):
    """Sunburst twice the frame's diagonal, so any turn still covers it."""
    R = 560
    p = pic.Pic(2 * R, 2 * R, '#ff9a2e')
    n = 16
    for k in range(n):
        a0, a1 = 2 * math.pi * k / n, 2 * math.pi * (k + 0.5) / n
        p.d(f"fill '#ffc247' stroke none polygon {R},{R} {R + 2 * R * math.cos(a0):.0f},{R + 2 * R * math.sin(a0):.0f} "
            f"{R + 2 * R * math.cos(a1):.0f},{R + 2 * R * math.sin(a1):.0f}")
    p.glow(R, R, 300, 300, '#fff6d0e0', '#fff6d000')
    out = os.path.join(tmpdir, 'rays.png')
    p.save(out, ['-blur', '0x1.2'])
    return out


def audio(path):
    """Snare roll under the falling letters, a tick per landing, then a
    fanfare once the word is complete."""
    sr, rnd = 22050, random.Random(31)
    b = snd.Buf(SECONDS, sr)
    t = 0.0
    while t < 1.2:
        b.add(snd.snare(sr, rnd, 0.04), t, 0.25 + 0.25 * t)
        t += 0.032
    for at in DROP_AT:
        b.add(snd.woodblock(1180, sr), at + FALL, 0.7)
    t0 = DROP_AT[-1] + FALL + 0.1
    for k, n in enumerate(('G4', 'C5', 'E5')):
        b.add(snd.brass(snd.midi(snd.nm(n)), 0.09, sr, 0.012), t0 + k * 0.11, 0.3)
    for n in ('C4', 'G4', 'C5', 'E5', 'G5'):
        b.add(snd.brass(snd.midi(snd.nm(n)), 1.3, sr), t0 + 0.36, 0.2)
    b.add(snd.crash(sr, rnd, 1.5, 0.45), t0 + 0.36, 0.3)
    b.add(snd.kick(sr), t0 + 0.36, 0.6)
    snd.save(b, path, peak=0.7)


def main():
    out = sys.argv[1]
    tmpdir = pic.TMP
    letters = render_letters(tmpdir)
    rays = render_rays(tmpdir)
    rnd = random.Random(5)
    confetti = [(rnd.uniform(0, W), rnd.uniform(-H, H), rnd.uniform(40, 90), rnd.uniform(0, 6.3),
                 rnd.uniform(2, 6), rnd.choice(['#ff3d6e', '#3fb8ff', '#7ddf5a', '#b57bff', '#fdfdfd', '#ff8a3d']))
                for _ in range(70)]
    frames = int(SECONDS * FPS)
    size = 112         # letter height on screen
    ground = 160       # letter centre once landed
    # keep each letter's own proportions ("！" is narrow)
    ratios = []
    for path in letters:
        w, h = subprocess.run(['/usr/bin/identify', '-format', '%w %h', path], capture_output=True, text=True,
                              check=True).stdout.split()
        ratios.append(int(w) / int(h))
    widths = [a * size for a in ratios]
    total = sum(widths) + 4 * (len(widths) - 1)
    centres, x = [], (W - total) / 2
    for w in widths:
        centres.append(x + w / 2)
        x += w + 4
    for f in range(frames):
        t = f / FPS
        p = pic.Pic(W, H, 'black')
        p._put([rays, '-distort', 'SRT', f'{t * 22:.2f}'], f'{-(560 - W // 2)}{-(560 - H // 2)}')
        for x, y0, speed, ph, spin, c in confetti:
            y = (y0 + speed * t * 2.2) % (H + 40) - 20
            xx = x + 12 * math.sin(ph + t * 3)
            hh = 4 * abs(math.cos(ph + t * spin))  # tumbling
            p.d(f"fill '{c}' stroke none polygon {pic.pts(pic.rotated_rect(xx, y, 9, max(1.0, hh), ph + t))}")
        for i, path in enumerate(letters):
            h = drop_y(t - DROP_AT[i])
            if h is None:
                continue
            # after everyone has landed, a hop running along the word
            if t > 1.8:
                h += 0.12 * max(0.0, math.sin((t - 1.8) * 5.5 - i * 0.9))
            cx = centres[i]
            cy = ground - h * 220
            squash = 1.0
            if h < 0.03 and t - DROP_AT[i] > FALL * 0.8:
                squash = 0.9  # landing squash
            wpx, hpx = widths[i] / squash ** 0.5, size * squash
            p._put([path, '-resize', f'{wpx:.0f}x{hpx:.0f}!'], f'{cx - wpx / 2:+.0f}{cy - hpx / 2:+.0f}')
        p.save(os.path.join(tmpdir, f'f{f:03d}.png'))
    wav = os.path.join(tmpdir, 'audio.wav')
    audio(wav)
    subprocess.run(['ffmpeg', '-v', 'error', '-y', '-framerate', str(FPS), '-i', os.path.join(tmpdir, 'f%03d.png'),
                    '-i', wav, '-c:v', 'mjpeg', '-q:v', '5', '-pix_fmt', 'yuvj420p',
                    '-c:a', 'pcm_s16le', '-shortest', '-f', 'mov', out], check=True)
    shutil.rmtree(tmpdir)
    shutil.rmtree(snd.TMP, ignore_errors=True)


if __name__ == '__main__':
    main()
