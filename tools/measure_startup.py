#!/usr/bin/env python3
"""Start-up time and peak memory of Ortavi against a bare Qt Widgets window of the same size.

Each program is started in turn, several times, under Xvfb (a display of its own unless
DISPLAY is already set). Time is from just before the start to the first paint of the main
window, as the program reports it; memory is the peak resident set size of the process.

Usage: python3 tools/measure_startup.py [--runs N] [--build BUILD_FOLDER]
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def start_display():
    if os.environ.get("DISPLAY"):
        return None, os.environ["DISPLAY"]
    for number in range(90, 120):
        if not os.path.exists(f"/tmp/.X11-unix/X{number}") and not os.path.exists(f"/tmp/.X{number}-lock"):
            break
    display = f":{number}"
    server = subprocess.Popen(["Xvfb", display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    for _ in range(100):
        if os.path.exists(f"/tmp/.X11-unix/X{number}"):
            break
        time.sleep(0.05)
    time.sleep(0.2)
    return server, display


def run_once(program, cwd, env):
    start = time.time_ns()
    process = subprocess.Popen([program], cwd=cwd, env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    shown = None
    for line in process.stdout:
        parts = line.decode().split()
        if len(parts) == 2 and parts[0] == "shown":
            shown = int(parts[1])
    _, status, usage = os.wait4(process.pid, 0)
    if shown is None or status != 0:
        raise RuntimeError(f"{program} did not report its window (exit status {status})")
    return (shown - start) / 1e6, usage.ru_maxrss / 1024.0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=9)
    parser.add_argument("--build", default="build")
    args = parser.parse_args()

    programs = {
        "Ortavi": os.path.abspath(os.path.join(args.build, "Ortavi")),
        "bare window": os.path.abspath(os.path.join(args.build, "tools", "bench", "bare_window")),
    }
    for name, path in programs.items():
        if not os.access(path, os.X_OK):
            sys.exit(f"{name} is not built: {path}")

    server, display = start_display()
    folder = tempfile.mkdtemp(prefix="ortavi-startup-")
    try:
        # Ortavi runs from a copy of its program folder, as installed, so that the measured
        # starts write their ortavi.ini there.
        program_folder = os.path.join(folder, "program")
        os.makedirs(program_folder)
        ortavi = os.path.join(program_folder, "Ortavi")
        shutil.copy2(programs["Ortavi"], ortavi)
        build_folder = os.path.dirname(programs["Ortavi"])
        for entry in os.listdir(build_folder):
            if entry.startswith("libKVL") or entry.endswith(".dat"):
                shutil.copy2(os.path.join(build_folder, entry), program_folder)
        if os.path.isdir(os.path.join(build_folder, "Data")):
            shutil.copytree(os.path.join(build_folder, "Data"), os.path.join(program_folder, "Data"))
        if not os.path.exists(os.path.join(program_folder, "names.dat")):
            # The window of name days reads it at start-up; without it an error box would
            # stop the start. A day of names stands in until the build makes the real file.
            source = os.path.join(folder, "names.txt")
            with open(source, "w", encoding="utf-8") as out:
                out.write("1 января\tАнна, Иван\n")
            subprocess.run([os.path.join(build_folder, "tools", "ortavi-scramble"), "--key", "ZEBROLM", source,
                            os.path.join(program_folder, "names.dat")], check=True)
        programs["Ortavi"] = ortavi

        env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", ORTAVI_REPORT_SHOWN="1")
        results = {name: ([], []) for name in programs}
        run_once(programs["Ortavi"], program_folder, env)  # warm the file cache for both
        run_once(programs["bare window"], program_folder, env)
        for _ in range(args.runs):
            for name, path in programs.items():
                ms, mib = run_once(path, program_folder, env)
                results[name][0].append(ms)
                results[name][1].append(mib)
    finally:
        shutil.rmtree(folder, ignore_errors=True)
        if server is not None:
            server.terminate()
            server.wait()

    median = {name: (statistics.median(t), statistics.median(m)) for name, (t, m) in results.items()}
    print(f"{args.runs} runs each, medians")
    for name, (ms, mib) in median.items():
        print(f"  {name:12s} first window shown {ms:7.1f} ms   peak memory {mib:6.1f} MiB")
    ortavi, bare = median["Ortavi"], median["bare window"]
    print(f"  ratio        time {ortavi[0] / bare[0]:.2f}x   memory {ortavi[1] / bare[1]:.2f}x")


if __name__ == "__main__":
    main()
