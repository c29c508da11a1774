#!/usr/bin/env python3
"""Synthesises the demo sounds: per-theme effects and music, and the
default effects in sound/.

Usage: demo_sounds.py DEMO_DIR

Loops are built on a circular buffer: every note's tail wraps round to the
start, so the last sample leads straight into the first and the loop has
no click. Reverb (sox) is run over three copies of a loop and the middle
copy kept, for the same reason.
"""
import math
import os
import random
import struct
import subprocess
import sys
import tempfile
import wave

TMP = tempfile.mkdtemp(prefix='demo-sounds-')
TAU = 2 * math.pi


# ---------------------------------------------------------------- buffers

class Buf:
    def __init__(self, seconds, sr=22050, loop=False):
        self.sr = sr
        self.n = int(round(seconds * sr))
        self.s = [0.0] * self.n
        self.loop = loop

    def add(self, sig, at, gain=1.0):
        """Mix sig in at time `at` (s); loops wrap, one-shots clip."""
        i0 = int(round(at * self.sr))
        s, n = self.s, self.n
        for k, v in enumerate(sig):
            i = i0 + k
            if self.loop:
                s[i % n] += v * gain
            elif i < n:
                s[i] += v * gain
            else:
                break


def midi(m):
    return 440.0 * 2 ** ((m - 69) / 12)


NOTE = {'C': 0, 'D': 2, 'E': 4, 'F': 5, 'G': 7, 'A': 9, 'B': 11}


def nm(name):
    """'C4', 'F#3', 'Bb5' -> MIDI number."""
    k = NOTE[name[0]]
    rest = name[1:]
    if rest[0] == '#':
        k += 1
        rest = rest[1:]
    elif rest[0] == 'b':
        k -= 1
        rest = rest[1:]
    return 12 * (int(rest) + 1) + k


# ---------------------------------------------------------------- voices

def tone(freq, dur, sr, partials=((1, 1.0),), attack=0.005, decay=None, release=0.03,
         sustain=1.0, vibrato=0.0, detune=0.0):
    """Additive tone. decay: exponential time constant (s) after the attack;
    otherwise held at `sustain` and released at the end."""
    n = int(dur * sr)
    nr = int(release * sr)
    out = [0.0] * (n + nr)
    parts = [(k, a) for k, a in partials if k * freq * (1 + detune) < sr * 0.45]
    na = max(1, int(attack * sr))
    for i in range(n + nr):
        t = i / sr
        if i < na:
            env = i / na
        elif decay:
            env = math.exp(-(t - attack) / decay)
        else:
            env = sustain
        if i >= n:
            env *= 1 - (i - n) / nr if nr else 0
        if env < 1e-4 and i > na:
            if decay:
                out = out[:i]
                break
            continue
        ph = TAU * freq * t
        if vibrato:
            ph += vibrato * math.sin(TAU * 5.5 * t)
        v = 0.0
        for k, a in parts:
            v += a * math.sin(k * ph)
        if detune:
            v = 0.5 * v + 0.5 * sum(a * math.sin(k * ph * (1 + detune)) for k, a in parts)
        out[i] = v * env
    return out


def saw_partials(n, roll=1.0):
    return tuple((k, (1.0 / k) ** roll) for k in range(1, n + 1))


def square_partials(n):
    return tuple((k, 1.0 / k) for k in range(1, n + 1, 2))


def bell(freq, dur, sr, decay=0.6, bright=1.0):
    """Struck bell/celesta: slightly inharmonic partials, upper ones dying first."""
    parts = ((1.0, 1.0, 1.0), (2.0, 0.45 * bright, 0.6), (3.01, 0.25 * bright, 0.4),
             (4.2, 0.16 * bright, 0.28), (5.43, 0.1 * bright, 0.2))
    n = int(dur * sr)
    out = [0.0] * n
    for ratio, amp, dk in parts:
        f = freq * ratio
        if f > sr * 0.45:
            continue
        tc = decay * dk
        for i in range(n):
            t = i / sr
            e = math.exp(-t / tc)
            if e < 1e-4:
                break
            out[i] += amp * e * math.sin(TAU * f * t)
    a = int(0.002 * sr)
    for i in range(min(a, n)):
        out[i] *= i / a
    return out


class Biquad:
    """RBJ cookbook filter."""

    def __init__(self, kind, f0, sr, q=0.707):
        w = TAU * f0 / sr
        al = math.sin(w) / (2 * q)
        c = math.cos(w)
        if kind == 'lp':
            b = ((1 - c) / 2, 1 - c, (1 - c) / 2)
        elif kind == 'hp':
            b = ((1 + c) / 2, -(1 + c), (1 + c) / 2)
        else:  # band-pass, 0 dB peak
            b = (al, 0.0, -al)
        a0 = 1 + al
        self.b = [x / a0 for x in b]
        self.a = [-2 * c / a0, (1 - al) / a0]

    def run(self, x):
        b0, b1, b2 = self.b
        a1, a2 = self.a
        x1 = x2 = y1 = y2 = 0.0
        y = [0.0] * len(x)
        for i, v in enumerate(x):
            o = b0 * v + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2
            x2, x1, y2, y1 = x1, v, y1, o
            y[i] = o
        return y


def noise(dur, sr, rnd):
    return [rnd.uniform(-1, 1) for _ in range(int(dur * sr))]


def env_exp(sig, sr, tc, attack=0.001):
    na = max(1, int(attack * sr))
    return [v * (min(1.0, i / na)) * math.exp(-i / sr / tc) for i, v in enumerate(sig)]


def snare(sr, rnd, tc=0.07, tone_f=190, bright=1800):
    n = env_exp(Biquad('bp', bright, sr, 0.6).run(noise(tc * 6, sr, rnd)), sr, tc)
    b = tone(tone_f, tc * 3, sr, ((1, 1.0), (1.5, 0.4)), attack=0.001, decay=tc * 0.6, release=0)
    return [n[i] * 1.6 + (b[i] * 0.5 if i < len(b) else 0) for i in range(len(n))]


def hihat(sr, rnd, tc=0.03):
    return env_exp(Biquad('hp', min(7000, sr * 0.3), sr).run(noise(tc * 6, sr, rnd)), sr, tc)


def kick(sr, dur=0.35):
    n = int(dur * sr)
    out, ph = [], 0.0
    for i in range(n):
        t = i / sr
        f = 45 + 90 * math.exp(-t / 0.04)
        ph += TAU * f / sr
        out.append(math.sin(ph) * math.exp(-t / 0.12) * min(1.0, i / (0.002 * sr)))
    return out


def crash(sr, rnd, dur=1.2, tc=0.35):
    n = Biquad('hp', 3500, sr).run(noise(dur, sr, rnd))
    return env_exp(n, sr, tc, 0.002)


def woodblock(freq, sr, tc=0.018):
    return tone(freq, tc * 8, sr, ((1, 1.0), (2.76, 0.35)), attack=0.0005, decay=tc, release=0)


# ---------------------------------------------------------------- output

def write_wav(path, samples, sr, width=2):
    full = (1 << (8 * width - 1)) - 1
    code = '<h' if width == 2 else '<i'
    with wave.open(path, 'wb') as w:
        w.setnchannels(1)
        w.setsampwidth(width)
        w.setframerate(sr)
        w.writeframes(b''.join(struct.pack(code, max(-full, min(full, int(round(v * full))))) for v in samples))


def read_wav(path):
    with wave.open(path, 'rb') as w:
        width = w.getsampwidth()
        raw = w.readframes(w.getnframes())
    full = (1 << (8 * width - 1)) - 1
    code = 'h' if width == 2 else 'i'
    return [v / full for v in struct.unpack('<%d%s' % (len(raw) // width, code), raw)]


def sox_effect(samples, sr, *effect):
    # 32-bit in and out, and no dither, so the result is the same every run
    src, dst = os.path.join(TMP, 'in.wav'), os.path.join(TMP, 'out.raw')
    write_wav(src, normalise(samples, 0.5), sr, 4)  # headroom for the effect
    subprocess.run(['sox', '-D', src, '-t', 'raw', '-e', 'signed-integer', '-b', '32', '-c', '1', dst, *effect],
                   check=True)
    raw = open(dst, 'rb').read()
    out = [v / 2147483647 for v in struct.unpack('<%di' % (len(raw) // 4), raw)]
    return out


def loop_effect(buf, *effect):
    """Apply a sox effect to a loop without breaking the seam."""
    out = sox_effect(buf.s * 3, buf.sr, *effect)
    buf.s = out[buf.n:2 * buf.n]
    return buf


def normalise(s, peak):
    m = max(1e-9, max(abs(v) for v in s))
    return [v * peak / m for v in s]


def remove_dc(s):
    mean = sum(s) / len(s)
    return [v - mean for v in s]


def save(buf, path, peak=0.89, rms_db=None):
    """Write 16-bit PCM. Loops that play on and on are set by loudness
    (rms_db), never above `peak`; one-shots by peak."""
    s = remove_dc(buf.s) if buf.loop else buf.s
    s = normalise(s, peak)
    if rms_db is not None:
        rms = math.sqrt(sum(v * v for v in s) / len(s))
        g = min(1.0, 10 ** (rms_db / 20) / rms)
        s = [v * g for v in s]
    if not buf.loop:
        # short fade at both ends so the one-shot starts and stops cleanly
        f = int(0.004 * buf.sr)
        for i in range(f):
            s[i] *= i / f
        f2 = int(0.05 * buf.sr)
        for i in range(f2):
            s[-1 - i] *= i / f2
    write_wav(path, s, buf.sr)


# ---------------------------------------------------------------- theme パーティー: drums and brass

def party_s1(path):
    """Snare roll: 16 strokes in 0.48 s, accents alternating like two sticks."""
    sr, rnd = 22050, random.Random(11)
    b = Buf(0.48, sr, loop=True)
    for i in range(16):
        g = (1.0 if i % 2 == 0 else 0.72) * rnd.uniform(0.9, 1.05)
        b.add(snare(sr, rnd, tc=0.045, bright=rnd.uniform(1900, 2300)), i * 0.03, g)
    # a soft low rumble keeps the roll from sounding thin; 100 Hz fits the
    # loop a whole number of times (48 cycles), so it has no seam
    b.add(tone(100, 0.48, sr, ((1, 1.0), (2, 0.3)), attack=0.0, release=0.0), 0, 0.06)
    save(b, path, rms_db=-19)


def party_s2(path):
    """Number hit: kick, crash and a bright bell chord."""
    sr, rnd = 44100, random.Random(12)
    b = Buf(1.3, sr)
    b.add(kick(sr), 0, 0.8)
    b.add(crash(sr, rnd, 1.3, 0.32), 0, 0.35)
    for k, n in enumerate(('C6', 'E6', 'G6', 'C7')):
        b.add(bell(midi(nm(n)), 1.3, sr, decay=0.55, bright=1.2), 0.004 * k, 0.32)
    save(b, path)


def party_k1(path):
    """Prize roulette: a ticking wheel (wood blocks) over a shaker."""
    sr, rnd = 22050, random.Random(13)
    b = Buf(0.64, sr, loop=True)
    for i in range(8):
        b.add(woodblock(1180 if i % 2 == 0 else 880, sr), i * 0.08, 0.9 if i % 4 == 0 else 0.65)
    for i in range(16):
        b.add(hihat(sr, rnd, 0.018), i * 0.04 + 0.02, 0.22 if i % 2 else 0.12)
    save(b, path, rms_db=-19)


def brass(freq, dur, sr, attack=0.025):
    return tone(freq, dur, sr, saw_partials(14, 1.15), attack=attack, sustain=0.8, release=0.18,
                vibrato=0.0025 * freq / 100)


def party_k2(path):
    """Prize decided: brass pickup arpeggio into a held C major chord."""
    sr, rnd = 44100, random.Random(14)
    b = Buf(1.75, sr)
    for k, n in enumerate(('G4', 'C5', 'E5')):
        b.add(brass(midi(nm(n)), 0.09, sr, 0.012), k * 0.11, 0.35)
    t = 0.36
    for n in ('C4', 'G4', 'C5', 'E5', 'G5'):
        b.add(brass(midi(nm(n)), 1.05, sr), t, 0.22)
    b.add(snare(sr, rnd, 0.08), t, 0.5)
    b.add(kick(sr), t, 0.7)
    b.add(crash(sr, rnd, 1.3, 0.4), t, 0.22)
    save(b, path)


def party_music(path):
    """Bright pop loop, 132 bpm, 8 bars: C G Am F C G F G."""
    sr, rnd = 22050, random.Random(15)
    beat = 60 / 132
    e = beat / 2
    bars = ['C', 'G', 'Am', 'F', 'C', 'G', 'F', 'G']
    b = Buf(8 * 4 * beat, sr, loop=True)
    roots = {'C': 'C', 'G': 'G', 'Am': 'A', 'F': 'F'}
    triads = {'C': ('C4', 'E4', 'G4'), 'G': ('B3', 'D4', 'G4'), 'Am': ('C4', 'E4', 'A4'), 'F': ('C4', 'F4', 'A4')}
    bass_cache, stab_cache = {}, {}
    for bi, ch in enumerate(bars):
        t0 = bi * 4 * beat
        r2 = nm(roots[ch] + '2')
        if r2 < nm('E2'):
            r2 += 12
        for k in range(8):  # bass: eighths, root and octave
            m = r2 + (12 if k % 2 else 0)
            if m not in bass_cache:
                bass_cache[m] = tone(midi(m), e * 0.9, sr, saw_partials(10, 1.4), attack=0.004, decay=0.16, release=0)
            b.add(bass_cache[m], t0 + k * e, 0.34)
        for k in range(4):  # chord stabs on the off-beats
            key = ch
            if key not in stab_cache:
                st = [0.0] * int(0.2 * sr)
                for n in triads[ch]:
                    v = tone(midi(nm(n)), 0.18, sr, square_partials(7), attack=0.003, decay=0.07, release=0)
                    for i, x in enumerate(v[:len(st)]):
                        st[i] += x
                stab_cache[key] = st
            b.add(stab_cache[key], t0 + k * beat + e, 0.09)
        for k in range(4):  # drums
            tb = t0 + k * beat
            if k in (0, 2):
                b.add(kick(sr, 0.3), tb, 0.55)
            else:
                b.add(snare(sr, rnd, 0.06), tb, 0.28)
            b.add(hihat(sr, rnd, 0.02), tb, 0.07)
            b.add(hihat(sr, rnd, 0.03), tb + e, 0.12)
        if bi == 7:
            b.add(kick(sr, 0.3), t0 + 3.5 * beat, 0.4)
    melody = [
        'G4 - E4 G4 C5 - G4 -', 'B4 - A4 G4 D4 - G4 -', 'C5 - B4 A4 E4 - A4 -', 'A4 G4 F4 A4 C5 - - .',
        'G4 - E4 G4 C5 - E5 -', 'D5 - C5 B4 G4 - B4 -', 'A4 - C5 A4 F4 - A4 C5', 'B4 - D5 - G4 - - .']
    lead = ((1, 1.0), (2, 0.35), (3, 0.4), (4, 0.12), (5, 0.16), (6, 0.05), (7, 0.06))
    for bi, bar in enumerate(melody):
        steps = bar.split()
        for k, s in enumerate(steps):
            if s in '-.':
                continue
            hold = 1
            while k + hold < len(steps) and steps[k + hold] == '-':
                hold += 1
            v = tone(midi(nm(s)), hold * e * 0.92, sr, lead, attack=0.01, sustain=0.75, release=0.06,
                     vibrato=0.02 if hold > 1 else 0.0)
            b.add(v, bi * 4 * beat + k * e, 0.2)
    loop_effect(b, 'reverb', '25', '50', '40')
    save(b, path, peak=0.7, rms_db=-20)


# ---------------------------------------------------------------- theme 夜空: bells and pads

PENTA = ('C6', 'D6', 'E6', 'G6', 'A6', 'C7', 'D7', 'E7')


def night_s1(path):
    """Number spin: a fast twinkling run of high bells, 16 in 0.8 s."""
    sr = 22050
    b = Buf(0.8, sr, loop=True)
    order = [0, 2, 4, 6, 7, 5, 3, 1, 2, 4, 5, 7, 6, 4, 3, 1]
    cache = {}
    for i, k in enumerate(order):
        if k not in cache:
            cache[k] = bell(midi(nm(PENTA[k])), 0.5, sr, decay=0.14, bright=0.6)
        b.add(cache[k], i * 0.05, 0.8 if i % 4 == 0 else 0.55)
    loop_effect(b, 'reverb', '30', '60', '30')
    save(b, path, rms_db=-19)


def night_s2(path):
    """Number announced: celesta sweep up with a shimmering tail."""
    sr = 44100
    b = Buf(1.4, sr)
    for k, n in enumerate(('G5', 'C6', 'E6', 'G6', 'C7')):
        b.add(bell(midi(nm(n)), 1.3, sr, decay=0.45, bright=0.8), k * 0.045, 0.3)
    b.s = sox_effect(b.s, sr, 'reverb', '60', '40', '80')[:b.n]
    save(b, path)


def night_music(path):
    """Slow dreamy loop, 76 bpm, 4 bars: Fmaj7 Em7 Dm7 Cmaj7; pad, bass, music box."""
    sr = 22050
    beat = 60 / 76
    bar = 4 * beat
    chords = [('F3', 'A3', 'C4', 'E4'), ('E3', 'G3', 'B3', 'D4'), ('D3', 'F3', 'A3', 'C4'), ('C3', 'E3', 'G3', 'B3')]
    b = Buf(4 * bar, sr, loop=True)
    pad = ((1, 1.0), (2, 0.25), (3, 0.08))
    for bi, ch in enumerate(chords):
        t0 = bi * bar
        for n in ch:  # pad swells in and overlaps the next chord
            b.add(tone(midi(nm(n)), bar, sr, pad, attack=0.7, sustain=1.0, release=0.9, detune=0.003), t0, 0.07)
        root = nm(ch[0]) - 12
        b.add(tone(midi(root), bar * 0.95, sr, ((1, 1.0), (2, 0.2)), attack=0.05, decay=1.6, release=0.2), t0, 0.22)
        # music box: up and down through the chord, an octave or two higher
        tones = [nm(x) + 24 for x in ch] + [nm(ch[0]) + 36]
        pattern = [0, 1, 2, 3, 4, 3, 2, 1]
        if bi == 3:
            pattern = [0, 2, 4, 3, 1, 2, 3, 4]
        for k, idx in enumerate(pattern):
            b.add(bell(midi(tones[idx]), 1.2, sr, decay=0.5, bright=0.5), t0 + k * beat / 2, 0.13 if k % 2 else 0.17)
    loop_effect(b, 'reverb', '70', '50', '100')
    save(b, path, peak=0.7, rms_db=-20)


# ---------------------------------------------------------------- sound/: the plain defaults

def default_s1(path):
    """Number spin: an electronic counter ticking 24 times a second."""
    sr = 22050
    b = Buf(0.5, sr, loop=True)
    for i in range(12):
        f = 1000 if i % 2 == 0 else 1260
        b.add(tone(f, 0.012, sr, square_partials(5), attack=0.0005, sustain=1.0, release=0.006), i * (0.5 / 12), 0.5)
    save(b, path, rms_db=-19)


def default_s2(path):
    """Number announced: a two-tone chime."""
    sr = 22050
    b = Buf(1.3, sr)
    b.add(bell(midi(nm('E6')), 1.2, sr, decay=0.5, bright=0.5), 0, 0.5)
    b.add(bell(midi(nm('C6')), 1.1, sr, decay=0.55, bright=0.5), 0.22, 0.5)
    save(b, path)


def default_k1(path):
    """Prize roulette: a ratchet of dry clicks with a low thump each turn."""
    sr, rnd = 22050, random.Random(21)
    b = Buf(0.5, sr, loop=True)
    for i in range(10):
        click = env_exp(Biquad('bp', 2600, sr, 1.2).run(noise(0.03, sr, rnd)), sr, 0.006)
        b.add(click, i * 0.05, 1.0 if i % 5 == 0 else 0.7)
    b.add(tone(140, 0.06, sr, ((1, 1.0),), attack=0.001, decay=0.02, release=0), 0, 0.5)
    save(b, path, rms_db=-19)


def default_k2(path):
    """Prize decided: a short 'ta-da' on a reedy organ tone."""
    sr = 22050
    b = Buf(1.4, sr)
    reed = tuple((k, 1.0 / (k * k)) for k in range(1, 12, 2))
    for n in ('G4', 'B4', 'D5'):
        b.add(tone(midi(nm(n)), 0.14, sr, reed, attack=0.01, sustain=1.0, release=0.04), 0, 0.3)
    for n in ('C5', 'E5', 'G5', 'C6'):
        b.add(tone(midi(nm(n)), 0.9, sr, reed, attack=0.015, decay=0.9, release=0.2), 0.2, 0.28)
    save(b, path)


def main():
    demo = sys.argv[1]
    party = os.path.join(demo, 'theme', 'パーティー')
    night = os.path.join(demo, 'theme', '夜空')
    snd = os.path.join(demo, 'sound')
    jobs = [
        (party_s1, party, 'sound_s1.wav'), (party_s2, party, 'sound_s2.wav'),
        (party_k1, party, 'sound_k1.wav'), (party_k2, party, 'sound_k2.wav'),
        (party_music, party, 'music.wav'),
        # no k1/k2 in the night theme: the defaults in sound/ stand in
        (night_s1, night, 'sound_s1.wav'), (night_s2, night, 'sound_s2.wav'),
        (night_music, night, 'music.wav'),
        (default_s1, snd, 'sound_s1.wav'), (default_s2, snd, 'sound_s2.wav'),
        (default_k1, snd, 'sound_k1.wav'), (default_k2, snd, 'sound_k2.wav'),
    ]
    only = set(sys.argv[2:])
    for fn, d, name in jobs:
        if only and fn.__name__ not in only:
            continue
        os.makedirs(d, exist_ok=True)
        fn(os.path.join(d, name))
    subprocess.run(['rm', '-rf', TMP], check=True)


if __name__ == '__main__':
    main()
