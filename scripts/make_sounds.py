#!/usr/bin/env python3
"""Makes the example simulator's cockpit sounds: small self-made .wav files under
examples/sim/Orvantel/Sounds (and the example airline's own boarding announcement).

Voices come from espeak-ng (Debian package espeak-ng); clicks, chimes, rumble and fan noise are
synthesised here. Speech is stored as 8 kHz 8-bit mono, chimes as 8 kHz 16-bit mono, to keep the
files small. Every file has the canonical 44-byte PCM header the module reads. The output is
committed; run this again only to change the sounds.
"""

import math
import os
import random
import struct
import subprocess
import sys
import tempfile
import wave

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "examples", "sim", "Orvantel", "Sounds")
RATE = 8000

GPWS = "en-us+m3"  # the ground-proximity computer's voice
CREW = "en+m1"     # the other pilot
CABIN = "en+f3"    # the cabin crew

SPEECH = {
    # ground proximity and heights
    "Don't Sink, Don't Sink": (GPWS, "Don't sink. Don't sink."),
    "Pull Up": (GPWS, "Pull up!"),
    "Sinkrate": (GPWS, "Sink rate."),
    "Too Low, Gear": (GPWS, "Too low, gear."),
    "Too Low, Terrain": (GPWS, "Too low, terrain."),
    "Too Low, Flaps": (GPWS, "Too low, flaps."),
    "Glideslope": (GPWS, "Glideslope."),
    "Bank Angle, Bank Angle": (GPWS, "Bank angle, bank angle."),
    "Approaching Minimums": (GPWS, "Approaching minimums."),
    "Minimums Minimums": (GPWS, "Minimums. Minimums."),
    "2500": (GPWS, "Twenty five hundred."),
    "1000": (GPWS, "One thousand."),
    "500": (GPWS, "Five hundred."),
    "400": (GPWS, "Four hundred."),
    "300": (GPWS, "Three hundred."),
    "200": (GPWS, "Two hundred."),
    "100": (GPWS, "One hundred."),
    "50": (GPWS, "Fifty."),
    "40": (GPWS, "Forty."),
    "30": (GPWS, "Thirty."),
    "20": (GPWS, "Twenty."),
    "10": (GPWS, "Ten."),
    # take-off callouts and the landing checklist
    "80 kts": (CREW, "Eighty knots."),
    "V1": (CREW, "V one."),
    "Rotate": (CREW, "Rotate."),
    "V2": (CREW, "V two."),
    "Positive Rate, Gear Up": (CREW, "Positive rate. Gear up."),
    "Flaps 5": (CREW, "Flaps five."),
    "Flaps 1": (CREW, "Flaps one."),
    "Flaps Up": (CREW, "Flaps up."),
    "Landing Checklist": (CREW, "Landing checklist."),
    "SpeedbrakesQ": (CREW, "Speed brakes?"),
    "Armed": (CREW, "Armed."),
    "GearQ": (CREW, "Gear?"),
    "Down and 3 Green": (CREW, "Down, three green."),
    "FlapsQ": (CREW, "Flaps?"),
    "Flaps 20": (CREW, "Flaps twenty."),
    "Flaps 25": (CREW, "Flaps twenty five."),
    "Flaps 30": (CREW, "Flaps thirty."),
    "Landing Checklist Complete": (CREW, "Landing checklist complete."),
    # cabin announcements
    "Announce - Boarding": (CABIN, "Welcome aboard. Please take your seats."),
    "Announce - Departure": (CABIN, "Cabin crew, doors to automatic."),
    "OVSafetyDemo": (CABIN, "Please watch the safety demonstration."),
    "FA Departure": (CABIN, "Cabin crew, seats for take off."),
    "Announce - After Takeoff": (CABIN, "Enjoy your flight."),
    "Announce - Seatbelts Off": (CABIN, "The seat belt sign is off."),
    "Announce - Seatbelts On": (CABIN, "Please fasten your seat belts."),
    "Announce - Immigration": (CABIN, "Immigration forms are available."),
    "Announce - CustomsInfo": (CABIN, "Customs forms are available."),
    "Announce - Initial Descent": (CABIN, "We have started our descent."),
    "Announce - Final Approach": (CABIN, "Cabin crew, prepare for landing."),
    "FA Arrival": (CABIN, "Cabin crew, seats for landing."),
    "Announce - After Landing": (CABIN, "Welcome. Please remain seated."),
}

AIRLINE = {("ORV", "Announce - Boarding"): (CABIN, "Orvantel welcomes you aboard.")}


def write_wav(path, samples, bits, rate=RATE):
    """samples: floats in -1..1, written as unsigned 8-bit or signed 16-bit mono PCM."""
    if bits == 8:
        data = bytes(max(0, min(255, int(round(128 + 127 * s)))) for s in samples)
    else:
        data = b"".join(struct.pack("<h", max(-32767, min(32767, int(round(32767 * s))))) for s in samples)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(bits // 8)
        w.setframerate(rate)
        w.writeframes(data)


def speak(voice, text):
    with tempfile.TemporaryDirectory() as tmp:
        raw = os.path.join(tmp, "s.wav")
        subprocess.run(["espeak-ng", "-v", voice, "-s", "200", "-w", raw, text], check=True)
        with wave.open(raw, "rb") as r:
            rate, n = r.getframerate(), r.getnframes()
            frames = struct.unpack("<%dh" % n, r.readframes(n))
    src = [f / 32768.0 for f in frames]
    # Trim the silence espeak-ng leaves around the words.
    loud = [i for i, s in enumerate(src) if abs(s) > 0.02]
    if loud:
        src = src[max(0, loud[0] - 100):loud[-1] + 200]
    # Box-filter and resample to RATE.
    step = rate / RATE
    out = []
    for k in range(int(len(src) / step)):
        a, b = int(k * step), max(int(k * step) + 1, int((k + 1) * step))
        seg = src[a:b]
        out.append(sum(seg) / len(seg))
    peak = max(1e-6, max(abs(s) for s in out))
    return [0.9 * s / peak for s in out]


def envelope(n, attack, release):
    return [min(1.0, i / max(1, attack), (n - i) / max(1, release)) for i in range(n)]


def noise(n, seed, smooth=0.0):
    rnd = random.Random(seed)
    out, prev = [], 0.0
    for _ in range(n):
        prev = smooth * prev + (1.0 - smooth) * rnd.uniform(-1, 1)
        out.append(prev)
    peak = max(abs(s) for s in out)
    return [s / peak for s in out]


def click(n, seed, decay):
    return [s * math.exp(-i / decay) for i, s in enumerate(noise(n, seed))]


def tone(freqs, seconds, decay=None, amp=0.5):
    n = int(seconds * RATE)
    out = []
    for i in range(n):
        t = i / RATE
        v = sum(math.sin(2 * math.pi * f * t) for f in freqs) / len(freqs)
        out.append(amp * v * (math.exp(-t / decay) if decay else 1.0))
    return out


def concat(*parts):
    return [s for p in parts for s in p]


def silence(seconds):
    return [0.0] * int(seconds * RATE)


def effects():
    sweep = [0.5 * math.sin(2 * math.pi * (200 * t + 650 * t * t)) * min(1.0, t * 4, (1.2 - t) * 4)
             for t in (i / RATE for i in range(int(1.2 * RATE)))]
    hum = [0.4 * math.sin(2 * math.pi * 120 * i / RATE) * math.exp(-i / 1500) for i in range(int(0.3 * RATE))]
    fan = noise(RATE, 11, 0.5)
    return {
        # panel events, 8-bit
        "OV Panel Click": (8, click(240, 1, 40)),
        "OV Push Button": (8, concat(click(200, 2, 30), silence(0.05), click(200, 3, 30))),
        "OV Switch Click": (8, click(300, 4, 25)),
        "RO757_StbyAttSpool": (8, sweep),
        "DO757_RA Zudez OZ": (8, [a + 0.6 * b for a, b in zip(hum, click(len(hum), 5, 60))]),
        "SpeedBrakes": (8, concat(*[concat(click(160, 10 + k, 30), silence(0.06)) for k in range(5)])),
        "757Flaps": (8, concat(click(400, 6, 90), silence(0.05), click(300, 7, 50))),
        "RO757 Thrust-Lever-Idle": (8, click(600, 8, 120)),
        "RO757 Thrust-Lever-Cutoff": (8, concat(click(400, 9, 80), click(400, 12, 60))),
        # chimes, 16-bit
        "757LEVELAWARN": (16, concat(*[tone([880, 1320], 0.12, amp=0.6) for _ in range(3)])),
        "757LEVELBWARN": (16, tone([660, 990], 0.5, decay=0.2)),
        "757Sign": (16, concat(tone([1046], 0.25, decay=0.15), tone([784], 0.35, decay=0.2))),
        # spoiler rumble and HF static (one-shots), 8-bit
        "OV Spoiler": (8, [0.8 * s * e for s, e in zip(noise(int(1.3 * RATE), 13, 0.97), envelope(int(1.3 * RATE), 800, 1500))]),
        "HF Static": (8, [0.5 * s * (1.0 if (i // 400) % 3 else 0.4) for i, s in enumerate(noise(int(0.8 * RATE), 14, 0.2))]),
        # loops, 8-bit, one second each
        "Equipment Cooling": (8, [0.35 * s for s in fan]),
        "PacksOn": (8, [0.4 * s for s in noise(RATE, 15, 0.85)]),
        "SpeakerBuzz": (8, [0.15 * (1 if (i * 60 // RATE) % 2 else -1) for i in range(RATE // 2)]),
        "Gear Drag": (8, [0.6 * s for s in noise(RATE, 16, 0.95)]),
    }


def main():
    os.makedirs(ROOT, exist_ok=True)
    for name, (bits, samples) in effects().items():
        write_wav(os.path.join(ROOT, name + ".wav"), samples, bits)
    for name, (voice, text) in SPEECH.items():
        write_wav(os.path.join(ROOT, name + ".wav"), speak(voice, text), 8)
    for (code, name), (voice, text) in AIRLINE.items():
        folder = os.path.join(ROOT, "RiVod", code)
        os.makedirs(folder, exist_ok=True)
        write_wav(os.path.join(folder, name + ".wav"), speak(voice, text), 8)
    return 0


if __name__ == "__main__":
    sys.exit(main())
