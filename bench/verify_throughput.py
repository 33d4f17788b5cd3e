#!/usr/bin/env python3
"""Measures `velka-cli verify` against `sha256sum -c` on the same archive: how many recordings
each checks a second, and the ratio of their times.

    bench/verify_throughput.py BUILD_DIR [--recordings 10000] [--runs 5]

An archive of that many recordings is made in a temporary data root (one synthetic recording
with one byte changed per copy, so that every file has its own digest), with the manifest
sha256sum itself writes. Each tool then checks it --runs times after a warming run; the best
time of each is reported (the page cache holds the files for both).
"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time


def best_time(command, cwd, runs):
    subprocess.run(command, cwd=cwd, check=True, stdout=subprocess.DEVNULL)
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        subprocess.run(command, cwd=cwd, check=True, stdout=subprocess.DEVNULL)
        times.append(time.perf_counter() - start)
    return min(times)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("--recordings", type=int, default=10000)
    parser.add_argument("--runs", type=int, default=5)
    options = parser.parse_args()
    cli = os.path.join(os.path.abspath(options.build), "bin", "velka-cli")
    work = tempfile.mkdtemp(prefix="velka-verify-bench-")
    try:
        data = os.path.join(work, "root", "Data")
        os.makedirs(data)
        image = os.path.join(work, "one.bin")
        subprocess.run([cli, "synth", "--out", image, "--count", "8772"], check=True,
                       stdout=subprocess.DEVNULL)
        with open(image, "rb") as stream:
            content = bytearray(stream.read())
        for i in range(options.recordings):
            content[100:104] = i.to_bytes(4, "little")
            with open(os.path.join(data, f"{i:08X}_2026-12-04_10-00-00.bin"), "wb") as stream:
                stream.write(content)
        names = sorted(name for name in os.listdir(data) if name.endswith(".bin"))
        with open(os.path.join(data, "SHA256SUMS"), "w") as manifest:
            subprocess.run(["sha256sum", *names], cwd=data, check=True, stdout=manifest)

        velka = best_time([cli, "verify", "--data-root", os.path.join(work, "root")], work,
                          options.runs)
        reference = best_time(["sha256sum", "--quiet", "-c", "SHA256SUMS"], data, options.runs)
        count = options.recordings
        print(f"velka-cli verify: {velka:.3f} s, {count / velka:,.0f} recordings/s")
        print(f"sha256sum -c:     {reference:.3f} s, {count / reference:,.0f} recordings/s")
        print(f"ratio (verify time / sha256sum time): {velka / reference:.2f}")
    finally:
        shutil.rmtree(work, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
