#!/usr/bin/env python3
"""Converts the same generated source with the same settings through
quorvinxvid-convert and through the ffmpeg command line, alternating runs,
and prints the median wall time and peak memory of both and their ratios.

    bench/compare.py --convert BUILD/bin/quorvinxvid-convert [--runs 5] [--work DIR]
                     [--engine BUILD/bin/qvx-bench-transcode]

Single tasks: profiles 100, 302, 600, 800 and 511 on a 10 s 1280x720
source. Batch: four sources under profile 100, `--jobs 2` against four
ffmpeg runs one after another. Peak memory is the largest resident set of
the process tree (our converter runs each task in a worker process), as
wait4() reports it.

With --engine, our side runs through qvx-bench-transcode (engine::transcode
in one process, --jobs N threads) instead of quorvinxvid-convert; the
profile fields still come from quorvinxvid-convert --show-profile.
"""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import time

PROFILES = [100, 302, 600, 800, 511]


def run_measured(command):
    """Runs a command; returns (wall seconds, peak resident set in KiB, CPU seconds)."""
    start = time.monotonic()
    process = subprocess.Popen(command, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                               stderr=subprocess.PIPE)
    _, status, usage = os.wait4(process.pid, 0)
    wall = time.monotonic() - start
    stderr = process.stderr.read().decode(errors="replace")
    process.stderr.close()
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"failed: {' '.join(command)}\n{stderr}")
    return wall, usage.ru_maxrss, usage.ru_utime + usage.ru_stime


def make_source(path, seconds=10):
    if os.path.exists(path):
        return
    subprocess.run(["ffmpeg", "-nostdin", "-v", "error", "-y",
                    "-f", "lavfi", "-i", f"testsrc2=size=1280x720:rate=25:duration={seconds}",
                    "-f", "lavfi", "-i", f"sine=frequency=440:sample_rate=44100:duration={seconds}",
                    "-ac", "2", "-c:v", "libx264", "-c:a", "aac", path], check=True)


def profile_fields(convert, row):
    text = subprocess.run([convert, "--show-profile", str(row)], check=True, capture_output=True,
                          text=True).stdout
    return dict(line.split("=", 1) for line in text.splitlines() if "=" in line)


def output_extension(convert, row):
    for line in subprocess.run([convert, "--list-profiles"], check=True, capture_output=True,
                               text=True).stdout.splitlines():
        cells = line.split("\t")
        if cells[0] == str(row):
            return cells[2]
    sys.exit(f"no profile {row}")


def ffmpeg_command(fields, source, output):
    """The ffmpeg command line with the settings the profile's fields give."""
    command = ["ffmpeg", "-nostdin", "-v", "error", "-y", "-i", source]
    if fields.get("Video_TargetType"):
        norm = "ntsc" if fields.get("Video_NormType") == "NTSC" else "pal"
        return command + ["-target", f"{norm}-{fields['Video_TargetType']}", output]
    if fields.get("Video_DisableVideo") == "True":
        command.append("-vn")
    else:
        if fields.get("Video_VideoCodec"):
            command += ["-c:v", fields["Video_VideoCodec"]]
        if fields.get("Video_VideoTag") and fields.get("Video_VideoCodec") != "libx264":
            command += ["-vtag", fields["Video_VideoTag"]]
        if fields.get("Video_FrameSize"):
            command += ["-s", fields["Video_FrameSize"].replace("*", "x")]
        if fields.get("Video_FrameRate"):
            command += ["-r", fields["Video_FrameRate"]]
        if int(fields.get("Video_VideoBitrate", "-1")) > 0:
            command += ["-b:v", fields["Video_VideoBitrate"]]
        if fields.get("Video_FrameAspectRatio"):
            command += ["-aspect", fields["Video_FrameAspectRatio"]]
    codec = {"libfaac": "aac"}.get(fields.get("Video_AudioCodec", ""), fields.get("Video_AudioCodec", ""))
    if codec:
        command += ["-c:a", codec]
    if fields.get("Video_AudioChannels"):
        command += ["-ac", fields["Video_AudioChannels"]]
    if fields.get("Video_AudioSampleRate"):
        command += ["-ar", fields["Video_AudioSampleRate"]]
    if int(fields.get("Video_AudioBitrate", "-1")) > 0:
        command += ["-b:a", fields["Video_AudioBitrate"]]
    return command + [output]


def compare(name, ours, theirs, runs):
    """Alternates the two commands; returns the medians and ratios."""
    our_times, our_memory, our_cpu, their_times, their_memory, their_cpu = [], [], [], [], [], []
    for _ in range(runs):
        wall, memory, cpu = run_measured(ours)
        our_times.append(wall)
        our_memory.append(memory)
        our_cpu.append(cpu)
        wall, memory, cpu = run_measured(theirs)
        their_times.append(wall)
        their_memory.append(memory)
        their_cpu.append(cpu)
    row = {
        "name": name,
        "ours": statistics.median(our_times), "ffmpeg": statistics.median(their_times),
        "our_mem": statistics.median(our_memory), "ffmpeg_mem": statistics.median(their_memory),
    }
    row["time_ratio"] = row["ours"] / row["ffmpeg"]
    row["cpu_ratio"] = statistics.median(our_cpu) / statistics.median(their_cpu)
    row["mem_ratio"] = row["our_mem"] / row["ffmpeg_mem"]
    print(f"{name:<22} ours {row['ours']:7.2f} s  ffmpeg {row['ffmpeg']:7.2f} s  ratio {row['time_ratio']:.3f}"
          f"   memory {row['our_mem'] / 1024:6.1f} / {row['ffmpeg_mem'] / 1024:6.1f} MiB  ratio {row['mem_ratio']:.3f}"
          f"   CPU ratio {row['cpu_ratio']:.3f}",
          flush=True)
    return row


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--convert", required=True, help="path of quorvinxvid-convert (a release build)")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--work", default="/tmp/qvx-bench")
    parser.add_argument("--profiles", type=int, nargs="*", default=PROFILES)
    parser.add_argument("--no-batch", action="store_true")
    parser.add_argument("--engine", help="path of qvx-bench-transcode, to measure the engine without the converter")
    args = parser.parse_args()

    os.makedirs(args.work, exist_ok=True)
    source = os.path.join(args.work, "source-1280x720-10s.mp4")
    make_source(source)
    ours_dir = os.path.join(args.work, "ours")
    theirs_dir = os.path.join(args.work, "ffmpeg")
    for folder in (ours_dir, theirs_dir):
        os.makedirs(folder, exist_ok=True)

    rows = []
    for row_number in args.profiles:
        fields = profile_fields(args.convert, row_number)
        extension = output_extension(args.convert, row_number)
        ours = ([args.engine, str(row_number), ours_dir, source] if args.engine else
                [args.convert, "--profile", str(row_number), "--overwrite", "-o", ours_dir, source])
        theirs = ffmpeg_command(fields, source, os.path.join(theirs_dir, "source" + extension))
        rows.append(compare(f"profile {row_number}", ours, theirs, args.runs))

    if not args.no_batch:
        sources = []
        for i in range(4):
            copy = os.path.join(args.work, f"batch-{i}.mp4")
            if not os.path.exists(copy):
                shutil.copyfile(source, copy)
            sources.append(copy)
        fields = profile_fields(args.convert, 100)
        ours = ([args.engine, "--jobs", "2", "100", ours_dir] if args.engine else
                [args.convert, "--profile", "100", "--jobs", "2", "--overwrite", "-o", ours_dir]) + sources
        serial = " && ".join(" ".join(ffmpeg_command(fields, s, os.path.join(theirs_dir, f"batch-{i}.avi")))
                             for i, s in enumerate(sources))
        rows.append(compare("batch of 4, --jobs 2", ours, ["sh", "-c", serial], args.runs))

    print("\n| Run | ours (s) | ffmpeg (s) | time ratio | CPU time ratio | peak MiB ours | peak MiB ffmpeg | memory ratio |")
    print("|---|---|---|---|---|---|---|---|")
    for r in rows:
        print(f"| {r['name']} | {r['ours']:.2f} | {r['ffmpeg']:.2f} | {r['time_ratio']:.3f} | {r['cpu_ratio']:.3f} | "
              f"{r['our_mem'] / 1024:.1f} | {r['ffmpeg_mem'] / 1024:.1f} | {r['mem_ratio']:.3f} |")


if __name__ == "__main__":
    main()
