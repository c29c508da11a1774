#!/usr/bin/env python3
"""Checks the generated pictures, sounds, movie and text files for the
faults that would show at an event: wrong encoding or line count in the
text files, wrong picture sizes, visible parts drawn in pure white (the
program keys white out), clicking loops, clipped or wrongly formatted
sounds, a movie GStreamer cannot decode, an oversized demo folder.

Usage: check_assets.py REPO_DIR
Prints one line per failure and 'N passed, N failed' at the end.
"""
import math
import os
import re
import shutil
import struct
import subprocess
import sys
import unicodedata
import wave

IM = '/usr/bin/convert'
IDENTIFY = '/usr/bin/identify'
results = []


def check(name, ok, detail=''):
    results.append(ok)
    if not ok:
        print(f'FAIL {name}: {detail}')


def size_of(path):
    out = subprocess.run([IDENTIFY, '-format', '%w %h\n', path], capture_output=True, text=True, check=True).stdout
    w, h = out.split('\n')[0].split()
    return int(w), int(h)


def enclosed_white(path):
    """Areas of the pure white patches not reachable from the corners.
    Small ones are gaps between drawn parts (they should be see-through);
    a big one is a part that was meant to show but was drawn in white."""
    w, h = size_of(path)
    fill = ' '.join(f'color {x},{y} floodfill' for x, y in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)))
    out = subprocess.run([IM, path, '-alpha', 'off', '-fill', '#00ff00', '-fuzz', '0', '-draw', fill,
                          '-fill', 'black', '+opaque', '#ffffff',
                          '-define', 'connected-components:verbose=true', '-connected-components', '8', 'null:'],
                         capture_output=True, text=True, check=True).stdout
    areas = [int(line.split()[3]) for line in out.splitlines() if '(255,255,255' in line]
    return areas, w * h


def corner_white(path):
    out = subprocess.run([IM, path, '-alpha', 'off', '-format', '%[pixel:p{0,0}]', 'info:'],
                         capture_output=True, text=True, check=True).stdout
    return out.strip() in ('srgb(255,255,255)', 'white', 'gray(255)')


def check_keyed(path, w, h):
    name = os.path.basename(path)
    check(f'{name} size', size_of(path) == (w, h), f'{size_of(path)} != {(w, h)}')
    check(f'{name} white outside', corner_white(path), 'corner is not pure white')
    areas, total = enclosed_white(path)
    check(f'{name} no white inside', max(areas, default=0) <= total * 0.008 and sum(areas) <= total * 0.03,
          f'enclosed pure white patches of {sorted(areas)[-3:]} px')


def read_lines_cp932(path):
    raw = open(path, 'rb').read()
    try:
        text = raw.decode('cp932')
    except UnicodeDecodeError as e:
        check(f'{path} is CP932', False, str(e))
        return None
    check(f'{os.path.basename(path)} LF only', b'\r' not in raw and raw.endswith(b'\n'), 'CR found or no final LF')
    return text.split('\n')[:-1]


def read_wav(path):
    with wave.open(path, 'rb') as w:
        fmt = (w.getnchannels(), w.getsampwidth(), w.getframerate())
        raw = w.readframes(w.getnframes())
    return fmt, struct.unpack('<%dh' % (len(raw) // 2), raw)


def check_wav(path, lo, hi, loop):
    name = os.path.relpath(path)
    (ch, width, rate), s = read_wav(path)
    check(f'{name} format', ch == 1 and width == 2 and rate in (22050, 44100), f'{ch} ch, {width * 8} bit, {rate} Hz')
    dur = len(s) / rate
    check(f'{name} length', lo <= dur <= hi, f'{dur:.2f} s not in {lo}-{hi} s')
    peak = max(abs(v) for v in s)
    check(f'{name} not clipped', peak < 32700, f'peak {peak}')
    check(f'{name} not silent', peak > 3000, f'peak {peak}')
    if loop:
        # a click is a kink in the waveform: the bend (second difference)
        # across the loop point must be no sharper than the sound's own
        # sharpest 0.1 %
        bends = sorted(abs(s[i + 1] - 2 * s[i] + s[i - 1]) for i in range(1, len(s) - 1))
        typical = bends[int(len(bends) * 0.999)]
        seam = max(abs(s[0] - 2 * s[-1] + s[-2]), abs(s[1] - 2 * s[0] + s[-1]))
        check(f'{name} seamless', seam <= typical, f'bend at the loop point {seam}, 99.9 % of bends <= {typical}')
    else:
        check(f'{name} ends quietly', abs(s[-1]) < 200 and abs(s[0]) < 200, f'first {s[0]}, last {s[-1]}')


def main():
    root = sys.argv[1]
    pics = os.path.join(root, 'resources', 'pictures')
    demo = os.path.join(root, 'demo')

    # application pictures
    for name in ('deflogo.png', 'sfull.gif', 'snfull.gif', 's_on.gif', 's_off.gif', 'onpu.gif'):
        p = os.path.join(pics, name)
        check(f'{name} size', os.path.exists(p) and size_of(p) == (24, 24), 'missing or not 24x24')
    check_keyed(os.path.join(pics, 'kete.gif'), 204, 123)

    # text files
    lines = read_lines_cp932(os.path.join(demo, 'def.txt'))
    if lines is not None:
        check('def.txt 48 lines', len(lines) == 48, f'{len(lines)} lines')
        check('def.txt head', lines[:7] == ['1', '75', 'ようこそ！ビンゴ大会へ', 'パーティー', '',
                                            'タイトルと同じフォントを使用', '6'], repr(lines[:7]))
        check('def.txt entries are integers', all(re.fullmatch(r'-?\d+', v) for v in lines[7:]), repr(lines[7:]))
        check('def.txt theme exists', os.path.isdir(os.path.join(demo, 'theme', lines[3])), lines[3])
    lines = read_lines_cp932(os.path.join(demo, 'message.txt'))
    if lines is not None:
        check('message.txt 9 lines', len(lines) == 9, f'{len(lines)} lines')
        check('message.txt short, non-empty', all(0 < len(v) <= 14 for v in lines), repr(lines))

    # themes
    themes = sorted(os.listdir(os.path.join(demo, 'theme')))
    check('themes', {'パーティー', '夜空'} <= set(themes), repr(themes))
    boxes = 0
    for t in themes:
        d = os.path.join(demo, 'theme', t)
        files = set(os.listdir(d))
        p = os.path.join(d, 'back.jpg')
        check(f'{t}/back.jpg', 'back.jpg' in files and size_of(p) == (1280, 800) and os.path.getsize(p) < 260_000,
              'missing, not 1280x800 or too big')
        if 'box.jpg' in files:
            boxes += 1
            check(f'{t}/box.jpg size', size_of(os.path.join(d, 'box.jpg')) == (340, 557), 'not 340x557')
        for c in sorted(f for f in files if re.fullmatch(r'chara\d?\.png', f)):
            check_keyed(os.path.join(d, c), 240, 130)
        for snd, lo, hi, loop in (('sound_s1.wav', 0.4, 1.0, True), ('sound_s2.wav', 0.5, 2.0, False),
                                  ('sound_k1.wav', 0.4, 1.0, True), ('sound_k2.wav', 1.0, 2.5, False),
                                  ('music.wav', 8.0, 16.0, True)):
            if snd in files:
                check_wav(os.path.join(d, snd), lo, hi, loop)
        for m in sorted(f for f in files if f.startswith('movie_')):
            check_movie(os.path.join(d, m))
    check('box.jpg in exactly one theme', boxes == 1, f'{boxes} themes have one')

    for snd, lo, hi, loop in (('sound_s1.wav', 0.4, 1.0, True), ('sound_s2.wav', 0.5, 2.0, False),
                              ('sound_k1.wav', 0.4, 1.0, True), ('sound_k2.wav', 1.0, 2.5, False)):
        p = os.path.join(demo, 'sound', snd)
        check(f'sound/{snd} exists', os.path.exists(p), 'missing')
        if os.path.exists(p):
            check_wav(p, lo, hi, loop)

    # prizes: "rank-name_count.jpg", 280x200, NFC names
    items = sorted(os.listdir(os.path.join(demo, 'item')))
    check('item count', 5 <= len(items) <= 6, repr(items))
    for f in items:
        check(f'item {f} name', re.fullmatch(r'\d+-[^_/]+_\d+\.jpg', f) is not None and
              unicodedata.normalize('NFC', f) == f, 'not rank-name_count.jpg in NFC')
        check(f'item {f} size', size_of(os.path.join(demo, 'item', f)) == (280, 200), 'not 280x200')

    # help pages open from the program, offline: UTF-8, linked together,
    # nothing fetched from outside
    pages = ('howto.html', 'howmake.html', 'contact.html')
    for page in pages:
        html = open(os.path.join(root, 'help', page), encoding='utf-8').read()
        check(f'help/{page} charset', '<meta charset="utf-8">' in html, 'no utf-8 meta')
        check(f'help/{page} links', all(f'href="{o}"' in html for o in pages if o != page), 'missing a link')
        check(f'help/{page} offline', re.search(r'(src|href)="(https?:)?//', html) is None, 'external resource')

    total = sum(os.path.getsize(os.path.join(dp, f)) for dp, _, fs in os.walk(demo) for f in fs)
    check('demo size', total < 5 * 1024 * 1024, f'{total / 1e6:.1f} MB')

    failed = results.count(False)
    print(f'{len(results) - failed} passed, {failed} failed')
    sys.exit(1 if failed else 0)


def check_movie(path):
    name = os.path.relpath(path)
    info = subprocess.run(['ffprobe', '-v', 'error', '-show_entries', 'stream=codec_name:format=duration',
                           '-of', 'default=nw=1', path], capture_output=True, text=True).stdout
    check(f'{name} is MJPEG', 'codec_name=mjpeg' in info, info)
    m = re.search(r'duration=([\d.]+)', info)
    check(f'{name} length', m is not None and 3.0 <= float(m.group(1)) <= 5.0, info)
    check(f'{name} size', os.path.getsize(path) < 1_600_000, f'{os.path.getsize(path)} bytes')
    if shutil.which('gst-launch-1.0'):
        r = subprocess.run(['gst-launch-1.0', '-q', 'filesrc', f'location={path}', '!', 'qtdemux', '!',
                            'jpegdec', '!', 'fakesink'], capture_output=True, text=True)
        check(f'{name} decodes in GStreamer', r.returncode == 0, r.stderr[-300:])
    else:
        print(f'note: gst-launch-1.0 not installed, {name} not played')


if __name__ == '__main__':
    main()
