#!/usr/bin/env python3
"""Makes the program's default sounds, resources/alarm.wav and resources/chime.wav.

Both are soft bell tones built from a handful of decaying partials, written as 16-bit PCM
mono at 22050 Hz. The output is deterministic, so running this again reproduces the files
byte for byte. Usage: python3 tools/make_sounds.py [output folder]
"""

import math
import struct
import sys
import wave
from pathlib import Path

RATE = 22050

# (frequency ratio, relative amplitude, decay time in seconds) of a mellow, vibraphone-like
# bell: a strong fundamental, its octave, and a few quickly fading inharmonic partials that
# give the strike its shimmer.
BELL = [
    (0.5, 0.12, 1.6),
    (1.0, 1.00, 1.3),
    (2.0, 0.35, 0.7),
    (2.76, 0.16, 0.35),
    (4.07, 0.06, 0.18),
    (5.40, 0.03, 0.10),
]

ATTACK = 0.004  # seconds; a short ramp keeps the strike from clicking


def strike(buffer, start, frequency, loudness):
    """Adds one bell strike at `start` seconds to the sample buffer."""
    first = int(start * RATE)
    for ratio, amplitude, decay in BELL:
        f = frequency * ratio
        if f >= RATE / 2:
            continue
        length = min(len(buffer) - first, int(decay * 9 * RATE))
        step = 2 * math.pi * f / RATE
        for n in range(length):
            t = n / RATE
            envelope = math.exp(-t / decay) * min(1.0, t / ATTACK)
            buffer[first + n] += loudness * amplitude * envelope * math.sin(step * n)


def fade_out(buffer, seconds):
    count = int(seconds * RATE)
    for i in range(count):
        buffer[len(buffer) - count + i] *= 1.0 - i / count


def write(path, buffer, peak):
    scale = peak / max(abs(s) for s in buffer)
    frames = b"".join(struct.pack("<h", int(round(s * scale * 32767))) for s in buffer)
    with wave.open(str(path), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


def note(name):
    """Frequency of a note such as 'C5' or 'G#5' (equal temperament, A4 = 440 Hz)."""
    steps = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    semitone = steps[name[0]] + (1 if "#" in name else 0)
    octave = int(name[-1])
    return 440.0 * 2 ** ((semitone + 12 * (octave - 4)) / 12)


def alarm():
    """2.6 s: a rising C major arpeggio struck twice, the second time ending on a full chord."""
    buffer = [0.0] * int(2.6 * RATE)
    arpeggio = ["C5", "E5", "G5", "C6"]
    for i, name in enumerate(arpeggio):
        strike(buffer, 0.00 + i * 0.14, note(name), 1.0)
    for i, name in enumerate(arpeggio):
        strike(buffer, 0.85 + i * 0.14, note(name), 1.0)
    for name in ["C5", "E5", "G5", "C6"]:
        strike(buffer, 1.55, note(name), 0.55)
    fade_out(buffer, 0.35)
    return buffer


def chime():
    """1.8 s: a soft falling two-tone chime, E5 then C5."""
    buffer = [0.0] * int(1.8 * RATE)
    strike(buffer, 0.00, note("E5"), 1.0)
    strike(buffer, 0.45, note("C5"), 1.0)
    fade_out(buffer, 0.3)
    return buffer


def main():
    folder = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).parent.parent / "resources"
    folder.mkdir(parents=True, exist_ok=True)
    write(folder / "alarm.wav", alarm(), peak=0.70)
    write(folder / "chime.wav", chime(), peak=0.45)


if __name__ == "__main__":
    main()
