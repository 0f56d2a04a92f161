#!/usr/bin/env python3
"""Runs a test program under Wine with Wine's audio switched off, as on a machine without any
sound output: in a copy of the test run's Wine prefix whose audio driver list is empty
(HKCU\\Software\\Wine\\Drivers, Audio = ""), on a Wine server of its own, so the tests beside
it keep their sound.

    run_without_audio.py --wine WINE --work DIR -- PROGRAM [ARGUMENTS...]

The program's output goes to this script's output and its exit code is this script's. The
program sees SCHAFKOPF_AUDIO_OFF=1, so a test meant for this run fails rather than passes
quietly when the audio was not switched off after all.
"""
import argparse
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import table_harness as th  # noqa: E402

QUIET = {"stdin": subprocess.DEVNULL, "stdout": subprocess.DEVNULL, "stderr": subprocess.DEVNULL}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--wine", required=True, help="the Wine loader")
    parser.add_argument("--work", required=True, help="a folder for the prefix copy")
    parser.add_argument("command", nargs=argparse.REMAINDER, help="-- PROGRAM [ARGUMENTS...]")
    args = parser.parse_args()
    command = args.command[1:] if args.command[:1] == ["--"] else args.command
    if not command:
        parser.error("no program given")
    source = os.environ.get("WINEPREFIX")
    if not source or not os.path.isfile(os.path.join(source, "system.reg")):
        sys.exit("WINEPREFIX names no Wine prefix: run the tests through scripts/test.sh")
    os.makedirs(args.work, exist_ok=True)
    env = dict(os.environ, WINEPREFIX=th.copy_prefix(source, args.work), SCHAFKOPF_AUDIO_OFF="1")
    # The server and its services start with their output away from the caller's pipes (a
    # service holding the test runner's pipe would keep it waiting).
    server = subprocess.Popen(["wineserver", "-p"], env=env, **QUIET)
    try:
        subprocess.run([args.wine, "reg", "add", "HKCU\\Software\\Wine\\Drivers", "/v", "Audio",
                        "/t", "REG_SZ", "/d", "", "/f"], env=env, check=True, timeout=300, **QUIET)
        result = subprocess.run([args.wine] + command, env=env, stdin=subprocess.DEVNULL)
        return result.returncode
    finally:
        subprocess.run(["wineserver", "-k"], env=env, **QUIET)
        server.wait()


if __name__ == "__main__":
    sys.exit(main())
