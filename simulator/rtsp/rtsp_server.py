#!/usr/bin/python3
"""RTSP server standing in for the cameras' picture service.

Serves H.264 over RTSP on "/1" to "/5" of the address and port given, from a live test
pattern encoded with x264 or from a clip (made for instance with the ffmpeg command), so that
the tool's decoders, its tests and its benchmark have real streams on loopback.

Run with Debian's interpreter (/usr/bin/python3): it needs python3-gi and the GStreamer RTSP
server bindings (gir1.2-gst-rtsp-server-1.0) with the base, good and ugly plug-ins.

    /usr/bin/python3 rtsp_server.py --address 127.0.0.1 --port 8554 --size 640x360
    /usr/bin/python3 rtsp_server.py --port 8554 --clip clip.mp4

Prints "rtsp_server: ready rtsp://ADDRESS:PORT" on standard output once it accepts clients.
"""

import argparse
import os
import signal
import sys

import gi

gi.require_version("Gst", "1.0")
gi.require_version("GstRtspServer", "1.0")
from gi.repository import GLib, Gst, GstRtspServer  # noqa: E402

MOUNTS = ["/1", "/2", "/3", "/4", "/5"]
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


def clip_launch(args):
    # The clip is sent as it is stored, without decoding, so serving costs next to nothing.
    demux = "matroskademux" if args.clip.lower().endswith((".mkv", ".webm")) else "qtdemux"
    return (
        "( filesrc location=\"%s\" ! %s ! h264parse config-interval=-1 "
        "! rtph264pay name=pay0 pt=96 config-interval=-1 )" % (args.clip.replace('"', ""), demux)
    )


class Factory(GstRtspServer.RTSPMediaFactory):
    """Builds one pipeline per client (or one shared); can switch the pattern's size."""

    def __init__(self, args):
        super().__init__()
        self.args = args
        self.set_launch(clip_launch(args) if args.clip else pattern_launch(args))
        self.set_shared(args.shared)
        self.connect("media-configure", self.on_media_configure)

    def on_media_configure(self, _factory, media):
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

    mounts = server.get_mount_points()
    for path in MOUNTS:
        factory = Factory(args)
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
