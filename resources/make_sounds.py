#!/usr/bin/env python3
"""Writes the program's sounds into sounds/101.wav .. sounds/107.wav.

Each file is a mono, 8-bit unsigned PCM WAVE (silence = 128) with a fixed
sample rate and length.  Only the Python standard library is used and the
random generator has a fixed seed, so every run writes the same bytes.
"""
import math
import os
import random
import wave

HERE = os.path.dirname(os.path.abspath(__file__))
OUT_DIR = os.path.join(HERE, "sounds")

TWO_PI = 2.0 * math.pi


def note(name):
    """Frequency of a note such as 'C5' or 'F#4' (A4 = 440 Hz)."""
    steps = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    semis = steps[name[0]]
    rest = name[1:]
    if rest.startswith("#"):
        semis += 1
        rest = rest[1:]
    octave = int(rest)
    return 440.0 * 2.0 ** ((semis + 12 * (octave - 4)) / 12.0)


class Track:
    """A buffer of float samples (-1..1) of fixed length."""

    def __init__(self, rate, length):
        self.rate = rate
        self.buf = [0.0] * length

    def add(self, start, samples):
        for i, v in enumerate(samples):
            j = start + i
            if 0 <= j < len(self.buf):
                self.buf[j] += v

    def at(self, seconds):
        return int(round(seconds * self.rate))

    def normalise(self, peak):
        top = max(abs(v) for v in self.buf) or 1.0
        self.buf = [v * peak / top for v in self.buf]

    def fade_edges(self, fade_in=0.003, fade_out=0.01):
        """Short ramps at both ends so the sound starts and ends on silence."""
        n = len(self.buf)
        a = max(1, min(n // 4, self.at(fade_in)))
        b = max(1, min(n // 4, self.at(fade_out)))
        for i in range(a):
            self.buf[i] *= i / a
        for i in range(b):
            self.buf[n - 1 - i] *= i / b

    def write(self, number):
        data = bytearray()
        for v in self.buf:
            s = int(round(128 + 127 * v))
            data.append(min(255, max(0, s)))
        path = os.path.join(OUT_DIR, "%d.wav" % number)
        with wave.open(path, "wb") as w:
            w.setnchannels(1)
            w.setsampwidth(1)
            w.setframerate(self.rate)
            w.writeframes(bytes(data))


def envelope(i, n, rate, attack, release):
    """Linear attack and linear release over n samples."""
    a = attack * rate
    r = release * rate
    level = 1.0
    if i < a:
        level = i / a
    if i > n - r:
        level *= max(0.0, (n - i) / r)
    return level


def tone(rate, freq, seconds, partials=((1, 1.0),), attack=0.01, decay=None, release=0.05,
         vibrato=0.0, glide_to=None):
    """A tone made of harmonic or inharmonic partials.

    partials: (frequency ratio, amplitude) pairs; those above the Nyquist
    frequency are left out.  decay: time constant of an exponential fall
    (None keeps the level).  glide_to: final frequency of a smooth slide.
    """
    n = int(seconds * rate)
    nyquist = rate / 2.0
    out = [0.0] * n
    phase = [0.0] * len(partials)
    for i in range(n):
        t = i / rate
        f = freq
        if glide_to is not None:
            f = freq * (glide_to / freq) ** (i / max(1, n - 1))
        if vibrato:
            f *= 1.0 + vibrato * math.sin(TWO_PI * 5.5 * t)
        v = 0.0
        for k, (ratio, amp) in enumerate(partials):
            pf = f * ratio
            if pf >= nyquist * 0.95:
                continue
            phase[k] += TWO_PI * pf / rate
            v += amp * math.sin(phase[k])
        level = envelope(i, n, rate, attack, release)
        if decay:
            level *= math.exp(-t / decay)
        out[i] = v * level
    return out


# timbres
SOFT = ((1, 1.0), (2, 0.25), (3, 0.08))
BRASSY = ((1, 1.0), (2, 0.45), (3, 0.3), (4, 0.15), (5, 0.08))
BELL = ((1, 1.0), (2.0, 0.35), (2.76, 0.25), (5.4, 0.08))
FLUTE = ((1, 1.0), (2, 0.12))


def sound_101():
    """Operation finished: rising arpeggio and a final major chord."""
    tr = Track(11025, 30720)
    arpeggio = ["G4", "C5", "E5", "G5"]
    for k, name in enumerate(arpeggio):
        tr.add(tr.at(0.02 + 0.16 * k), tone(tr.rate, note(name), 0.3, BRASSY, attack=0.012,
                                             decay=0.25, release=0.08))
    tr.add(tr.at(0.70), tone(tr.rate, note("E5"), 0.14, BRASSY, attack=0.01, decay=0.2, release=0.05))
    tr.add(tr.at(0.86), tone(tr.rate, note("G5"), 0.14, BRASSY, attack=0.01, decay=0.2, release=0.05))
    chord_start = 1.02
    chord_len = 2.78 - chord_start
    for name, amp in (("C5", 1.0), ("E5", 0.8), ("G5", 0.8), ("C6", 0.7)):
        t = tone(tr.rate, note(name), chord_len, BRASSY, attack=0.02, decay=1.1, release=0.5,
                 vibrato=0.004)
        tr.add(tr.at(chord_start), [v * amp for v in t])
    tr.add(tr.at(chord_start), tone(tr.rate, note("C4"), chord_len, SOFT, attack=0.02, decay=1.0,
                                    release=0.5))
    tr.normalise(0.6)
    tr.fade_edges()
    return tr


def sound_102():
    """Option changed: a soft, short blip."""
    tr = Track(11025, 1295)
    tr.add(0, tone(tr.rate, 1400.0, 1295 / 11025, SOFT, attack=0.003, decay=0.03, release=0.02,
                   glide_to=1000.0))
    tr.normalise(0.5)
    tr.fade_edges()
    return tr


def sound_103():
    """Wrong answer: a gentle falling 'uh-oh'."""
    tr = Track(11025, 6207)
    tr.add(tr.at(0.0), tone(tr.rate, note("A4"), 0.22, FLUTE, attack=0.025, decay=0.5, release=0.05))
    tr.add(tr.at(0.24), tone(tr.rate, note("F4"), 0.32, FLUTE, attack=0.025, decay=0.4, release=0.12,
                             glide_to=note("E4")))
    tr.normalise(0.6)
    tr.fade_edges()
    return tr


def sound_104():
    """Right step: a bright rising 'ding-ding'."""
    tr = Track(22050, 11376)
    tr.add(tr.at(0.0), tone(tr.rate, note("C6"), 0.3, BELL, attack=0.004, decay=0.12, release=0.05))
    tr.add(tr.at(0.16), tone(tr.rate, note("G6"), 0.36, BELL, attack=0.004, decay=0.14, release=0.08))
    tr.normalise(0.6)
    tr.fade_edges()
    return tr


def sound_105():
    """Operation ready: a friendly three-note chime."""
    tr = Track(11025, 12557)
    for k, name in enumerate(["C5", "E5", "G5"]):
        start = 0.01 + 0.2 * k
        tr.add(tr.at(start), tone(tr.rate, note(name), 1.13 - start, BELL, attack=0.006,
                                  decay=0.35, release=0.15))
    tr.normalise(0.6)
    tr.fade_edges()
    return tr


def sound_106():
    """Exercise window opened: a rising whoosh ending in a sparkle."""
    rate, length = 22254, 26665
    tr = Track(rate, length)
    rnd = random.Random(106)
    sweep_len = int(0.85 * rate)
    # band-passed noise whose centre rises (state variable filter)
    low = band = 0.0
    whoosh = []
    for i in range(sweep_len):
        x = i / sweep_len
        fc = 250.0 * (3200.0 / 250.0) ** x
        f = 2.0 * math.sin(math.pi * fc / rate)
        q = 0.35
        noise = rnd.uniform(-1.0, 1.0)
        high = noise - low - q * band
        band += f * high
        low += f * band
        level = math.sin(math.pi * min(1.0, x * 1.15)) ** 1.5 if x < 1 / 1.15 else 0.0
        whoosh.append(band * level)
    top = max(abs(v) for v in whoosh) or 1.0
    tr.add(0, [v / top * 0.8 for v in whoosh])
    # a soft rising tone under the noise
    rise = tone(rate, 300.0, 0.8, FLUTE, attack=0.2, release=0.3, glide_to=1200.0)
    tr.add(0, [v * 0.35 for v in rise])
    # sparkle: quick high pings
    t = 0.62
    for k in range(7):
        freq = rnd.choice([note("C7"), note("E7"), note("G7"), note("A6"), note("D7")])
        ping = tone(rate, freq, 0.3, BELL, attack=0.002, decay=0.07, release=0.05)
        tr.add(tr.at(t), [v * (0.55 - 0.04 * k) for v in ping])
        t += rnd.uniform(0.045, 0.075)
    tr.normalise(0.6)
    tr.fade_edges(fade_out=0.05)
    return tr


def sound_107():
    """Window left: a very short click."""
    rate, length = 20000, 371
    tr = Track(rate, length)
    rnd = random.Random(107)
    click = tone(rate, 1800.0, length / rate, SOFT, attack=0.0008, decay=0.004, release=0.003)
    tr.add(0, [v + 0.15 * rnd.uniform(-1, 1) * math.exp(-i / 40.0) for i, v in enumerate(click)])
    tr.normalise(0.5)
    tr.fade_edges(fade_in=0.0005, fade_out=0.002)
    return tr


def main():
    os.makedirs(OUT_DIR, exist_ok=True)
    makers = {101: sound_101, 102: sound_102, 103: sound_103, 104: sound_104,
              105: sound_105, 106: sound_106, 107: sound_107}
    for number, make in makers.items():
        make().write(number)


if __name__ == "__main__":
    main()
