#!/usr/bin/python3
"""Start-up of the tool beside Qt hello worlds built the same way (bench/hello_window.cpp): an
empty main window with Qt's default window surface, an OpenGL one ("hello world, OpenGL surface":
the reference of the start-up aim); the same window drawn by the CPU alone, as the tool's windows
are ("hello world, raster", hello_window_raster: under X11 it skips Mesa's set-up that the OpenGL
surface costs); and Qt's tutorial hello world, a button that reads "Hello world!" and so lays out
a text as well, with either surface ("hello button, ...": hello_button, hello_button_raster).

For each platform (offscreen, and a real X server: Xvfb -dpi 96), the programs are started
in turns, --runs times each, and for each start it measures
  - the time from the start of the process to the end of the first expose of its window (the
    window painted and on the screen), and to the building of the application object (what the
    loader, the static objects and main() took until then); the probe bench/startup_probe.cpp,
    preloaded into both, reports these times;
  - the libraries mapped into the process once the window is shown (distinct shared-object files
    in /proc/PID/maps, the probe left out);
  - the resident memory (VmRSS) after --idle-ms of idling with the window shown.
The tool runs in a throw-away home whose settings show the main window at once (wizard done),
with a fresh working and temporary folder for each start. Each tool is started twice a turn:
without a detection model, and with one in its working folder (Zerorod.onnx and coco.names), as
an installation starts: by default a model of the deployed detector's size that
bench/make_bench_model.py writes (about 36 MB), or the one in --model-dir; --no-model leaves the
second start out.

  /usr/bin/python3 bench/startup_bench.py [--build build-bench] [--runs 30] [--idle-ms 1000]
                                          [--platforms offscreen,xvfb] [--model-dir DIR | --no-model]
                                          [--libraries] [--before EXE] [--other NAME=EXE ...]

--libraries lists the libraries of one start of each program that the hello world with the OpenGL
surface does not map. --before adds a copy of an earlier build of the tool, started in the same
turns, so that the figures before and after a change are taken under the same load; --other adds
any build more under a name of its own.
"""

import argparse
import os
import re
import select
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

FIRST_EXPOSE_TIMEOUT_S = 60  # a start that shows nothing by then has failed
# The references by their windows' surface: Qt's default asks for an OpenGL one (under X11 Mesa's
# driver is loaded for it); the tool, and the raster hello worlds, draw with the CPU alone.
GL_HELLO = "hello world, OpenGL surface"
RASTER_HELLO = "hello world, raster"


def quantiles(values):
    """Median, lower and upper quartile, minimum and maximum."""
    v = sorted(values)
    if len(v) < 2:
        return v[0], v[0], v[0], v[0], v[0]
    q = statistics.quantiles(v, n=4)
    return statistics.median(v), q[0], q[2], v[0], v[-1]


def mapped_libraries(pid, leave_out):
    libs = set()
    with open(f"/proc/{pid}/maps") as maps:
        for line in maps:
            parts = line.split(None, 5)
            if len(parts) == 6:
                path = parts[5].strip()
                if re.search(r"\.so(\.|$)", os.path.basename(path)) and path != leave_out:
                    libs.add(path)
    return libs


def rss_mib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024.0
    return 0.0


def display_taken(number):
    """Whether display :number has a lock file or a socket: a file in /tmp/.X11-unix (live or left
    by a server that did not end cleanly) or a live socket in the abstract namespace, which a
    server in another mount namespace or one whose files were cleaned away still holds. Xvfb
    fails on either."""
    socket = f"/tmp/.X11-unix/X{number}"
    if os.path.exists(f"/tmp/.X{number}-lock") or os.path.exists(socket):
        return True
    with open("/proc/net/unix") as unix:
        return any(line.split()[-1] in (socket, "@" + socket) for line in unix if len(line.split()) >= 8)


class XServer:
    """Xvfb on a free display, as the tool's screenshots run it."""

    FIRST_DISPLAY = 200  # above those that xvfb-run -a and a desktop take
    ATTEMPTS = 10  # another server may take the display between the look and the start

    def __init__(self):
        number = self.FIRST_DISPLAY
        for _ in range(self.ATTEMPTS):
            while display_taken(number):
                number += 1
            shown = self.start(number)
            if shown:
                self.display = ":" + shown
                return
            number += 1
        sys.exit(f"startup_bench: Xvfb did not start on any of {self.ATTEMPTS} free displays up to :{number - 1}")

    def start(self, number):
        """Starts Xvfb on :number; the display it reports, or "" when it did not come up."""
        r, w = os.pipe()
        self.proc = subprocess.Popen(
            # -noreset: the server would reset whenever a start ends, its last client, and refuse
            # the next start's connection meanwhile.
            ["Xvfb", f":{number}", "-displayfd", str(w), "-screen", "0", "1280x800x24", "-dpi", "96",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(w,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(w)
        ready, _, _ = select.select([r], [], [], 20)
        shown = os.read(r, 64).decode().strip() if ready else ""
        os.close(r)
        if not shown:
            self.stop()
        return shown

    def stop(self):
        self.proc.terminate()
        self.proc.wait()


def start_once(exe, env, root, probe, idle_ms, model_dir=""):
    """One start: (seconds to the application object, seconds to the first expose, libraries,
    RSS in MiB), or the reason why no window was shown."""
    work = tempfile.mkdtemp(dir=root)
    for name in ("Zerorod.onnx", "coco.names") if model_dir else ():
        os.symlink(os.path.join(model_dir, name), os.path.join(work, name))
    tmp = tempfile.mkdtemp(dir=root)
    r, w = os.pipe()
    run_env = dict(env, TMPDIR=tmp, LD_PRELOAD=probe, STARTUP_PROBE_FD=str(w))
    run_env["STARTUP_PROBE_T0"] = str(time.monotonic_ns())
    errors = open(os.path.join(work, "stderr.txt"), "w+")
    proc = subprocess.Popen([exe], cwd=work, env=run_env, pass_fds=(w,),
                            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=errors)
    os.close(w)
    marks = {}
    text = b""
    deadline = time.monotonic() + FIRST_EXPOSE_TIMEOUT_S
    while "exposed" not in marks and time.monotonic() < deadline:
        ready, _, _ = select.select([r], [], [], max(0.0, deadline - time.monotonic()))
        if not ready:
            break
        chunk = os.read(r, 256)
        if not chunk:
            break
        text += chunk
        lines = text.decode().split("\n")[:-1]  # a line counts once it is whole
        for line in lines:
            name, _, ns = line.partition(" ")
            if ns.isdigit():
                marks[name] = int(ns) / 1e9
    result = "no first expose within %d s" % FIRST_EXPOSE_TIMEOUT_S
    if "exposed" in marks:
        time.sleep(idle_ms / 1000.0)
        if proc.poll() is None:
            result = (marks.get("app", 0.0), marks["exposed"], mapped_libraries(proc.pid, probe),
                      rss_mib(proc.pid))
    os.close(r)
    proc.send_signal(signal.SIGKILL)
    code = proc.wait()
    if isinstance(result, str):
        errors.seek(0)
        result += f" (exit status {code}): " + errors.read()[-2000:]
    errors.close()
    shutil.rmtree(work, ignore_errors=True)
    shutil.rmtree(tmp, ignore_errors=True)
    return result


def main():
    top = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default=os.path.join(top, "build-bench"))
    parser.add_argument("--runs", type=int, default=30)
    parser.add_argument("--idle-ms", type=int, default=1000)
    parser.add_argument("--platforms", default="offscreen,xvfb")
    parser.add_argument("--model-dir", default="")
    parser.add_argument("--no-model", action="store_true")
    parser.add_argument("--libraries", action="store_true")
    parser.add_argument("--before", default="")
    parser.add_argument("--other", action="append", default=[])
    args = parser.parse_args()

    build = os.path.abspath(args.build)
    references = [(GL_HELLO, os.path.join(build, "bench", "hello_window")),
                  (RASTER_HELLO, os.path.join(build, "bench", "hello_window_raster")),
                  ("hello button, OpenGL surface", os.path.join(build, "bench", "hello_button")),
                  ("hello button, raster", os.path.join(build, "bench", "hello_button_raster"))]
    tools = [("Corvane", os.path.join(build, "app", "Corvane"))]
    if args.before:
        tools.append(("Corvane before", os.path.abspath(args.before)))
    for other in args.other:
        name, _, exe = other.partition("=")
        tools.append((name, os.path.abspath(exe)))
    probe = os.path.join(build, "bench", "libstartup_probe.so")
    for path in [p for _, p in references + tools] + [probe]:
        if not os.path.exists(path):
            sys.exit(f"startup_bench: {path} is missing; build the targets Corvane hello_window hello_button "
                     "hello_window_raster hello_button_raster startup_probe")

    root = tempfile.mkdtemp(prefix="startup_bench.")
    home = os.path.join(root, "home")
    os.makedirs(os.path.join(home, ".local", "share", "Corvane"))
    with open(os.path.join(home, ".local", "share", "Corvane", "config.ini"), "w") as ini:
        ini.write("[TEACHER_CONF]\nTracking_Guide_State=1\n")
    base_env = {k: v for k, v in os.environ.items() if not k.startswith(("QT_", "LD_", "XDG_"))}
    base_env.update(HOME=home, XDG_DATA_HOME=os.path.join(home, ".local", "share"),
                    XDG_CONFIG_HOME=os.path.join(home, ".config"), XDG_CACHE_HOME=os.path.join(home, ".cache"),
                    XDG_RUNTIME_DIR=root, LANG="C.UTF-8")
    base_env.pop("DISPLAY", None)
    model_dir = os.path.abspath(args.model_dir) if args.model_dir else ""
    if not model_dir and not args.no_model:
        model_dir = os.path.join(root, "model")
        os.makedirs(model_dir)
        made = subprocess.run(["/usr/bin/python3", os.path.join(top, "bench", "make_bench_model.py"),
                               os.path.join(model_dir, "Zerorod.onnx"), "2"], capture_output=True, text=True)
        if made.returncode != 0:
            shutil.rmtree(root, ignore_errors=True)
            sys.exit("startup_bench: make_bench_model.py failed: " + made.stderr)
        with open(os.path.join(model_dir, "coco.names"), "w") as names:
            names.write("screen\nboard\n")
        print(f"model: bench/make_bench_model.py ({made.stdout.strip()}), "
              f"{os.path.getsize(os.path.join(model_dir, 'Zerorod.onnx')) / 1e6:.1f} MB")
    # (name, program, folder of its model or ""): each tool without and with the model, in turns with
    # the hello worlds.
    programs = [(name, exe, "") for name, exe in references[:2]]
    for name, exe in tools:
        programs.append((name + (", no model" if model_dir else ""), exe, ""))
        if model_dir:
            programs.append((name + ", model", exe, model_dir))
    programs += [(name, exe, "") for name, exe in references[2:]]
    reference_names = [name for name, _ in references]

    print(f"runs {args.runs} per program and platform; idle {args.idle_ms} ms before memory and libraries; "
          f"load average {os.getloadavg()[0]:.1f} at the start")
    try:
        for platform in args.platforms.split(","):
            env = dict(base_env)
            server = None
            if platform == "offscreen":
                env["QT_QPA_PLATFORM"] = "offscreen"
            elif platform == "xvfb":
                server = XServer()
                env["QT_QPA_PLATFORM"] = "xcb"
                env["DISPLAY"] = server.display
            else:
                sys.exit(f"startup_bench: unknown platform {platform}")
            figures = {name: [] for name, _, _ in programs}
            libraries = {}
            # One start of each to fill the system's file caches; not counted.
            for name, exe, model in programs:
                start_once(exe, env, root, probe, 0, model)
            for _ in range(args.runs):
                for name, exe, model in programs:
                    result = start_once(exe, env, root, probe, args.idle_ms, model)
                    if isinstance(result, str) and server and server.proc.poll() is not None:
                        # Ended from outside (another job on the machine): a new one, the start again.
                        print(f"Xvfb ended (exit status {server.proc.returncode}); started anew")
                        server = XServer()
                        env["DISPLAY"] = server.display
                        result = start_once(exe, env, root, probe, args.idle_ms, model)
                    if isinstance(result, str):
                        sys.exit(f"startup_bench: {name} showed no window on {platform}: {result}")
                    figures[name].append(result)
                    libraries[name] = result[2]
            if server:
                server.stop()
            print(f"\n{platform} (load average {os.getloadavg()[0]:.1f} at the end)")
            print("| program | to the shown window s: median [quartiles] (min-max) | to the application's start routines s "
                  "(median) | libraries | idle RSS MiB (median) |")
            print("|---|---|---|---|---|")
            medians = {}
            for name, _, _ in programs:
                shown = [f[1] for f in figures[name]]
                app = [f[0] for f in figures[name]]
                libs = [len(f[2]) for f in figures[name]]
                rss = [f[3] for f in figures[name]]
                m, q1, q3, lo, hi = quantiles(shown)
                medians[name] = (m, statistics.median(rss), statistics.median(libs))
                print(f"| {name} | {m:.3f} [{q1:.3f}-{q3:.3f}] ({lo:.3f}-{hi:.3f}) | {statistics.median(app):.3f} "
                      f"| {min(libs)}-{max(libs)} | {statistics.median(rss):.1f} |")
            print("\n| program | " + " | ".join(f"/ {ref}" for ref in reference_names)
                  + f" | memory / {GL_HELLO} | memory / {RASTER_HELLO} | libraries / {GL_HELLO} |")
            print("|---|" + "---|" * (len(reference_names) + 3))
            for name, _, _ in programs:
                if name in reference_names[:2]:
                    continue
                c = medians[name]
                print(f"| {name} | " + " | ".join(f"{c[0] / medians[ref][0]:.2f}" for ref in reference_names)
                      + f" | {c[1] / medians[GL_HELLO][1]:.2f} | {c[1] / medians[RASTER_HELLO][1]:.2f} "
                      f"| {c[2] / medians[GL_HELLO][2]:.2f} |")
            for name, _, _ in programs[1:] if args.libraries else ():
                only = sorted(libraries[name] - libraries[GL_HELLO])
                print(f"libraries of {name} that the {GL_HELLO} does not map ({len(only)}):")
                for path in only:
                    print("  " + path)
    finally:
        shutil.rmtree(root, ignore_errors=True)


if __name__ == "__main__":
    main()
