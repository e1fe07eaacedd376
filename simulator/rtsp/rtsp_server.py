#!/usr/bin/python3
"""RTSP server standing in for the cameras' picture service.

Serves H.264 over RTSP on "/" and "/1" to "/5" of the address and port given, from a live test
pattern encoded with x264 or from a clip (made for instance with the ffmpeg command), so that
the tool's decoders, its tests and its benchmark have real streams on loopback.

Run with Debian's interpreter (/usr/bin/python3): it needs python3-gi and the GStreamer RTSP
server bindings (gir1.2-gst-rtsp-server-1.0) with the base, good and ugly plug-ins.

    /usr/bin/python3 rtsp_server.py --address 127.0.0.1 --port 8554 --size 640x360
    /usr/bin/python3 rtsp_server.py --port 8554 --clip clip.mp4
    /usr/bin/python3 rtsp_server.py --port 8554 --picture pano.png --size 1920x1080

With --picture, lines "crop X Y WIDTH HEIGHT" on standard input (picture pixels) choose the
part of the picture that is served, scaled to --size: a close-up camera looking into the
panorama. "crop" alone serves the whole picture again.

Prints "rtsp_server: ready rtsp://ADDRESS:PORT" on standard output once it accepts clients.
"""

import argparse
import os
import re
import signal
import sys

import gi

gi.require_version("Gst", "1.0")
gi.require_version("GstRtspServer", "1.0")
from gi.repository import GLib, Gst, GstRtspServer  # noqa: E402

MOUNTS = ["/", "/1", "/2", "/3", "/4", "/5"]  # "/": a blackboard camera opened by its address alone
RAW_FORMATS = ("I420", "Y42B", "Y444", "NV12")


def parse_size(text):
    try:
        w, h = text.lower().split("x")
        w, h = int(w), int(h)
    except ValueError:
        raise argparse.ArgumentTypeError("size must be WIDTHxHEIGHT, e.g. 640x360")
    if w < 16 or h < 16 or w > 7680 or h > 4320 or w % 2 or h % 2:
        raise argparse.ArgumentTypeError("size must be even and between 16x16 and 7680x4320")
    return w, h


def raw_caps(width, height, fps, fmt):
    return "video/x-raw,format=%s,width=%d,height=%d,framerate=%d/1" % (fmt, width, height, fps)


def pattern_launch(args):
    width, height = args.size
    # key-int-max: one key frame a second, so a client that joins late shows a picture soon.
    # One encoding thread and no slices: x264's frame threads each hold a frame back (the
    # first picture would come that much later), and FFmpeg's RTP reader loses slices of
    # sliced frames.
    return (
        "( videotestsrc is-live=true pattern=%s "
        "! capsfilter name=rawcaps caps=%s "
        "! x264enc tune=zerolatency speed-preset=ultrafast sliced-threads=false threads=1 key-int-max=%d bitrate=%d "
        "! h264parse config-interval=-1 "
        "! rtph264pay name=pay0 pt=96 config-interval=-1 )"
        % (args.pattern, raw_caps(width, height, args.fps, args.format), args.fps, args.bitrate)
    )


def picture_launch(args):
    # The still picture is decoded once and repeated live; the crop is applied in RGB (any
    # pixel offset works there) before the part is scaled to the stream's size.
    width, height = args.size
    return (
        "( filesrc location=\"%s\" ! decodebin ! videoconvert ! video/x-raw,format=RGBx "
        "! imagefreeze is-live=true ! video/x-raw,framerate=%d/1 "
        "! videocrop name=crop ! videoscale ! video/x-raw,width=%d,height=%d,pixel-aspect-ratio=1/1 "
        "! videoconvert ! video/x-raw,format=%s "
        "! x264enc tune=zerolatency speed-preset=ultrafast sliced-threads=false threads=1 key-int-max=%d bitrate=%d "
        "! h264parse config-interval=-1 "
        "! rtph264pay name=pay0 pt=96 config-interval=-1 )"
        % (args.picture.replace('"', ""), args.fps, width, height, args.format, args.fps, args.bitrate)
    )


CROP_LINE = re.compile(r"^crop(?:\s+(\d+)\s+(\d+)\s+(\d+)\s+(\d+))?\s*$")


def parse_crop(line):
    """(x, y, width, height) of a crop line, None for the whole picture; ValueError if bad."""
    match = CROP_LINE.match(line.strip())
    if not match:
        raise ValueError("not a crop line: %r" % line)
    if match.group(1) is None:
        return None
    x, y, w, h = (int(g) for g in match.groups())
    if w < 2 or h < 2:
        raise ValueError("crop too small: %r" % line)
    return x, y, w, h


class CropInput:
    """Reads crop lines from standard input as they come and sets every running crop."""

    def __init__(self):
        self.crop = None
        self.picture_size = None  # learnt from the first pipeline that runs
        self.elements = []
        self.pending = b""

    def add(self, element):
        self.elements.append(element)
        pad = element.get_static_pad("sink")

        def on_caps(_pad, info):
            event = info.get_event()
            if event.type == Gst.EventType.CAPS:
                structure = event.parse_caps().get_structure(0)
                self.picture_size = (structure.get_value("width"), structure.get_value("height"))
                self.apply(element)
            return Gst.PadProbeReturn.OK

        pad.add_probe(Gst.PadProbeType.EVENT_DOWNSTREAM, on_caps)
        self.apply(element)

    def apply(self, element):
        if self.picture_size is None:
            return
        pw, ph = self.picture_size
        x, y, w, h = self.crop if self.crop else (0, 0, pw, ph)
        # A crop beyond the picture is held at its edges rather than refused.
        w, h = max(2, min(w, pw)), max(2, min(h, ph))
        x, y = max(0, min(x, pw - w)), max(0, min(y, ph - h))
        element.set_property("left", x)
        element.set_property("top", y)
        element.set_property("right", pw - x - w)
        element.set_property("bottom", ph - y - h)

    def on_input(self, fd, condition):
        data = os.read(fd, 4096) if condition & GLib.IO_IN else b""
        if not data:
            return False  # the simulator closed its end: keep the last crop
        self.pending += data
        *lines, self.pending = self.pending.split(b"\n")
        for raw in lines:
            line = raw.decode("ascii", "replace")
            if not line.strip():
                continue
            try:
                self.crop = parse_crop(line)
            except ValueError as error:
                print("rtsp_server: %s" % error, file=sys.stderr, flush=True)
                continue
            self.elements = [e for e in self.elements if e.get_parent() is not None]
            for element in self.elements:
                self.apply(element)
        return True


def clip_launch(args):
    # The clip is sent as it is stored, without decoding, so serving costs next to nothing.
    demux = "matroskademux" if args.clip.lower().endswith((".mkv", ".webm")) else "qtdemux"
    return (
        "( filesrc location=\"%s\" ! %s ! h264parse config-interval=-1 "
        "! rtph264pay name=pay0 pt=96 config-interval=-1 )" % (args.clip.replace('"', ""), demux)
    )


class Factory(GstRtspServer.RTSPMediaFactory):
    """Builds one pipeline per client (or one shared); can switch the pattern's size."""

    def __init__(self, args, crop_input=None):
        super().__init__()
        self.args = args
        self.crop_input = crop_input
        if args.picture:
            self.set_launch(picture_launch(args))
        else:
            self.set_launch(clip_launch(args) if args.clip else pattern_launch(args))
        self.set_shared(args.shared)
        self.connect("media-configure", self.on_media_configure)

    def on_media_configure(self, _factory, media):
        if self.crop_input is not None:
            self.crop_input.add(media.get_element().get_by_name("crop"))
            return
        if not self.args.switch_size or self.args.clip:
            return
        element = media.get_element()
        capsfilter = element.get_by_name("rawcaps")
        sizes = [self.args.size, self.args.switch_size]
        state = {"index": 0}

        def switch():
            if media.get_status() == GstRtspServer.RTSPMediaStatus.UNPREPARED:
                return False
            state["index"] ^= 1
            w, h = sizes[state["index"]]
            capsfilter.set_property(
                "caps", Gst.Caps.from_string(raw_caps(w, h, self.args.fps, self.args.format)))
            return True

        GLib.timeout_add(self.args.switch_after_ms, switch)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--address", default="127.0.0.1", help="address to listen on")
    parser.add_argument("--port", type=int, default=8554, help="RTSP port")
    parser.add_argument("--size", type=parse_size, default=(640, 360), help="pattern size WxH")
    parser.add_argument("--fps", type=int, default=25, help="pattern frame rate")
    parser.add_argument("--bitrate", type=int, default=2048, help="pattern bit rate in kbit/s")
    parser.add_argument("--pattern", default="smpte", help="videotestsrc pattern (smpte, ball, ...)")
    parser.add_argument("--format", default="I420", choices=RAW_FORMATS,
                        help="raw format fed to x264 (Y444 and Y42B give other decoded formats)")
    parser.add_argument("--clip", default="", help="H.264 clip (.mp4/.mov/.mkv) to serve instead")
    parser.add_argument("--picture", default="",
                        help="still picture (PNG, JPEG) to serve; crop lines on standard input move it")
    parser.add_argument("--switch-size", type=parse_size, default=None,
                        help="alternate the pattern between --size and this size")
    parser.add_argument("--switch-after-ms", type=int, default=2000,
                        help="time between size switches")
    parser.add_argument("--shared", action="store_true", help="one pipeline for all clients of a path")
    parser.add_argument("--auth", default="", help="USER:PASSWORD: require basic authentication")
    parser.add_argument("--exit-with-parent", action="store_true",
                        help="end when the process that started the server ends")
    args = parser.parse_args()
    if args.fps < 1 or args.fps > 120:
        parser.error("--fps must be between 1 and 120")
    if args.switch_after_ms < 100:
        parser.error("--switch-after-ms must be at least 100")

    Gst.init(None)
    server = GstRtspServer.RTSPServer()
    server.set_address(args.address)
    server.set_service(str(args.port))

    if args.auth:
        user, _, password = args.auth.partition(":")
        auth = GstRtspServer.RTSPAuth()
        token = GstRtspServer.RTSPToken()
        token.set_string("media.factory.role", "user")
        auth.add_basic(GstRtspServer.RTSPAuth.make_basic(user, password), token)
        server.set_auth(auth)

    crop_input = None
    if args.picture:
        if not os.path.isfile(args.picture):
            print("rtsp_server: no picture %s" % args.picture, file=sys.stderr)
            return 1
        crop_input = CropInput()
        GLib.io_add_watch(sys.stdin.fileno(), GLib.PRIORITY_DEFAULT, GLib.IO_IN | GLib.IO_HUP | GLib.IO_ERR,
                          crop_input.on_input)

    mounts = server.get_mount_points()
    for path in MOUNTS:
        factory = Factory(args, crop_input)
        if args.auth:
            factory.add_role_from_structure(Gst.Structure.from_string(
                "user, media.factory.access=(boolean)true, media.factory.construct=(boolean)true")[0])
        mounts.add_factory(path, factory)

    if server.attach(None) == 0:
        print("rtsp_server: cannot listen on %s:%d" % (args.address, args.port), file=sys.stderr)
        return 1

    loop = GLib.MainLoop()
    for sig in (signal.SIGTERM, signal.SIGINT):
        GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, sig, loop.quit)
    if args.exit_with_parent:
        parent = os.getppid()

        def parent_alive():
            if os.getppid() != parent:
                loop.quit()
                return False
            return True

        GLib.timeout_add(500, parent_alive)
    print("rtsp_server: ready rtsp://%s:%d" % (args.address, server.get_bound_port()), flush=True)
    loop.run()
    return 0


if __name__ == "__main__":
    sys.exit(main())
