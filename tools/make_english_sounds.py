#!/usr/bin/env python3
"""Makes the English sound library's wave files and its resource script.

    make_english_sounds.py TABLE RC_FILE WAVE_DIR STAMP [--also DIR] [--cache DIR] [--jobs N]

TABLE (tools/sounds/english_phrases.tsv) gives per sound id a phrase to speak ("say") or the
arguments of sox's synthesiser ("noise"). Every phrase is spoken by espeak-ng in six voices,
each at its place among the final sound ids of the English library:

    female 1-3  en-us+f1, +f2, +f3   sound + 15000, 16000, 17000
    male 1-3    en-us+m1, +m2, +m3   sound + 5000, 6000, 7000

then trimmed of leading and trailing silence and turned by sox into 11025 Hz mono 16-bit
PCM. A sound heard without a seat's voice (ids 1400-1513) keeps its own id and names male
voice 1's file; a noise is only heard that way. The files are named "<final id>.wav".

RC_FILE gets a string table naming for every final id its file relative to the library's
folder (WAVE_DIR's name, a backslash, the file name) and the RCDATA 1280 whose presence
tells the program that the card-sound variants 1420-1422 are there. WAVE_DIR gets the
files, and so does each --also folder (the same name beside another copy of the library);
STAMP is written last.

The files are made once per content of the table, this script and the versions of espeak-ng
and sox, in a folder of the cache named by their hash; a build links them from there. The
same inputs give the same bytes: the voices, the speed and sox's random seed (-R) are fixed.
"""
import argparse
import concurrent.futures
import hashlib
import os
import shutil
import struct
import subprocess
import sys
import time

# Voice index 0-5 as the program counts them: the three female voices, then the three male.
VOICES = [("en-us+f1", 15000), ("en-us+f2", 16000), ("en-us+f3", 17000),
          ("en-us+m1", 5000), ("en-us+m2", 6000), ("en-us+m3", 7000)]
PLAIN_FIRST, PLAIN_LAST = 1400, 1513
PLAIN_VOICE_OFFSET = 5000  # male voice 1
SPEED = "165"  # words per minute
RATE = "11025"
SHORTEST, LONGEST = 0.05, 4.0  # seconds
PREF_ID = 1280


def read_table(path):
    rows = []
    with open(path, encoding="utf-8") as table:
        for number, line in enumerate(table, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) < 3 or fields[1] not in ("say", "noise") or not fields[0].isdigit():
                sys.exit(f"{path}:{number}: expected 'id<TAB>say|noise<TAB>text'")
            rows.append((int(fields[0]), fields[1], fields[2]))
    ids = [row[0] for row in rows]
    if len(ids) != len(set(ids)):
        sys.exit(f"{path}: an id is given twice")
    return rows


def tool_version(command):
    return subprocess.run(command, capture_output=True, text=True, check=True).stdout


def content_key(table_path):
    digest = hashlib.sha256()
    for path in (table_path, os.path.abspath(__file__)):
        with open(path, "rb") as source:
            digest.update(source.read())
    digest.update(tool_version(["espeak-ng", "--version"]).encode())
    digest.update(tool_version(["sox", "--version"]).encode())
    return digest.hexdigest()[:20]


def wave_seconds(path):
    """The length of a 16-bit mono PCM wave file; exits on any other kind of file."""
    with open(path, "rb") as wave:
        data = wave.read()
    if data[0:4] != b"RIFF" or data[8:12] != b"WAVE":
        sys.exit(f"{path}: not a wave file")
    position, fmt, frames = 12, None, None
    while position + 8 <= len(data):
        tag, size = data[position:position + 4], struct.unpack_from("<I", data, position + 4)[0]
        if tag == b"fmt ":
            fmt = struct.unpack_from("<HHIIHH", data, position + 8)
        elif tag == b"data":
            frames = size // 2
        position += 8 + size + (size & 1)
    if fmt is None or frames is None or fmt[0] != 1 or fmt[1] != 1 or fmt[2] != int(RATE) or fmt[5] != 16:
        sys.exit(f"{path}: not 11025 Hz mono 16-bit PCM")
    return frames / int(RATE)


def run(command):
    result = subprocess.run(command, capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit(f"{' '.join(command)} failed: {result.stderr.strip()}")


def make_speech(text, voice, target):
    spoken = target + ".espeak.wav"
    run(["espeak-ng", "-v", voice, "-s", SPEED, "-w", spoken, text])
    # Silence trimmed at the start, then (reversed) at the end.
    run(["sox", "-R", spoken, "-r", RATE, "-c", "1", "-b", "16", "-e", "signed-integer", target,
         "silence", "1", "0.01", "0.3%", "reverse", "silence", "1", "0.01", "0.3%", "reverse"])
    os.remove(spoken)


def make_noise(recipe, target):
    run(["sox", "-R", "-n", "-r", RATE, "-c", "1", "-b", "16", "-e", "signed-integer", target]
        + recipe.split())


def final_files(rows):
    """Every final id with its file name: a job list for the files and the string table."""
    jobs, names = [], {}
    for sound, kind, text in rows:
        if kind == "noise":
            jobs.append((f"{sound}.wav", lambda target, r=text: make_noise(r, target)))
            names[sound] = f"{sound}.wav"
            continue
        for voice, offset in VOICES:
            name = f"{sound + offset}.wav"
            jobs.append((name, lambda target, t=text, v=voice: make_speech(t, v, target)))
            names[sound + offset] = name
        if PLAIN_FIRST <= sound <= PLAIN_LAST:
            names[sound] = f"{sound + PLAIN_VOICE_OFFSET}.wav"
    return jobs, names


def generate(jobs, folder, workers):
    work = folder + ".partial"
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    with concurrent.futures.ThreadPoolExecutor(max_workers=workers) as pool:
        list(pool.map(lambda job: job[1](os.path.join(work, job[0])), jobs))
    for name, _ in jobs:
        seconds = wave_seconds(os.path.join(work, name))
        if not SHORTEST <= seconds <= LONGEST:
            sys.exit(f"{name}: {seconds:.2f} s, outside {SHORTEST}-{LONGEST} s")
    os.rename(work, folder)


def place(cached, wave_dir):
    shutil.rmtree(wave_dir, ignore_errors=True)
    os.makedirs(wave_dir)
    for name in sorted(os.listdir(cached)):
        source, target = os.path.join(cached, name), os.path.join(wave_dir, name)
        try:
            os.link(source, target)
        except OSError:
            shutil.copyfile(source, target)


def write_rc(names, folder_name, rc_path):
    lines = ["/* The English sound library, written by tools/make_english_sounds.py. */",
             "", f"{PREF_ID} RCDATA {{ 1L }}", "", "STRINGTABLE", "BEGIN"]
    for final in sorted(names):
        lines.append(f'    {final}, "{folder_name}\\\\{names[final]}"')
    lines += ["END", ""]
    with open(rc_path + ".tmp", "w", encoding="ascii", newline="\n") as rc:
        rc.write("\n".join(lines))
    os.replace(rc_path + ".tmp", rc_path)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("table")
    parser.add_argument("rc_file")
    parser.add_argument("wave_dir")
    parser.add_argument("stamp")
    parser.add_argument("--also", action="append", default=[])
    parser.add_argument("--cache", default=None)
    parser.add_argument("--jobs", type=int, default=2)
    args = parser.parse_args()

    started = time.monotonic()
    rows = read_table(args.table)
    jobs, names = final_files(rows)
    cache = args.cache or os.path.join(os.path.dirname(os.path.abspath(args.stamp)), "sound-cache")
    cached = os.path.join(cache, content_key(args.table))
    made = not os.path.isdir(cached)
    if made:
        generate(jobs, cached, args.jobs)
    for wave_dir in [args.wave_dir] + args.also:
        place(cached, wave_dir)
    write_rc(names, os.path.basename(os.path.normpath(args.wave_dir)), args.rc_file)
    with open(args.stamp, "w") as stamp:
        stamp.write(f"{len(jobs)} files, {len(names)} names\n")
    print(f"English sounds: {len(jobs)} files, {len(names)} names, "
          f"{'made' if made else 'taken from the cache'} in {time.monotonic() - started:.1f} s")


if __name__ == "__main__":
    main()
