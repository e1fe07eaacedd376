#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets into fuzz/corpus/<target>/ (one file per seed).

uot_reader inputs: byte 0 bounds the read sizes (n % 64 + 1), byte 1 seeds them (odd: the
consumer feeds the next read while it handles a frame), then the byte stream of one link.
parameter_block inputs: the bytes of a camera answer.
lectern_reply inputs: the body of an HTTP answer of a lectern-mode camera.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def frame(port, payload, magic=b"UOT\0", length=None):
    if length is None:
        length = len(payload)
    return magic + struct.pack("<II", port, length) + payload


def text(payload):
    return frame(6791, payload)


def visca(payload):
    return frame(1259, payload)


TEACHER_ANSWER = (b"teacher_parameter\nget_tracking_config_file\nsensitivity=2\ntracking_mode=1\n"
                  b"pano_pan_speed=7\npan_speed=3\ndirector_ip=192.168.1.9\nshield_enable=0101")

UOT = {
    "one_text_frame_byte_by_byte": bytes([0, 0]) + text(b"teacher_parameter\nstart"),
    "visca_then_text_one_read": bytes([63, 0]) + visca(b"\x90\x50\x02\xff") + text(TEACHER_ANSWER),
    "frame_in_small_reads": bytes([14, 6]) + text(b"0123456789abcdefgh"),
    "foreign_port_skipped": bytes([63, 0]) + frame(7000, b"not for us") + text(b"after"),
    "foreign_port_over_reads": bytes([9, 2]) + text(b"before") + frame(0, b"0123456789") + text(b"after"),
    "bad_marker": bytes([63, 0]) + frame(6791, b"abc", magic=b"UOX\0") + text(b"good"),
    "marker_without_zero": bytes([5, 4]) + b"UOTX" + text(b"good"),
    "absurd_length": bytes([63, 0]) + frame(6791, b"", length=0xFFFFFFFF) + text(b"good"),
    "one_beyond_the_bound": bytes([20, 8]) + frame(1259, b"xyz", length=1024 * 1024 + 1) + visca(b"v"),
    "garbage_without_marker": bytes([30, 10]) + b"g" * 200,
    "marker_cut_while_resynchronising": bytes([21, 12]) + b"g" * 20 + text(b"good"),
    "truncated_tail": bytes([63, 0]) + text(b"first") + text(b"0123456789")[:13],
    "feed_while_handling": bytes([7, 1]) + text(b"first") + visca(b"second") + text(b"third") + text(b""),
    "feed_while_handling_with_garbage": bytes([11, 3]) + text(b"first") + b"garbage!" + text(b"second"),
    "empty_frames": bytes([3, 5]) + text(b"") * 20,
    "keep_alive_lookalike": bytes([63, 0]) + bytes.fromhex("871A000000000000") + text(b"x"),
}

PARAM = {
    "teacher_obtain_answer": TEACHER_ANSWER,
    "items_in_another_order": b"shield_enable=0101\npan_speed=3\nteacher_parameter\npano_pan_speed=7",
    "suffix_key_first": b"student_parameter\nget_tracking_config_file\npano_pan_speed=7\npan_speed=2",
    "value_at_the_end": b"teacher_parameter\nname=classroom 3",
    "empty_flag_at_the_end": b"teacher_parameter\nflag=",
    "nul_inside": b"teacher_parameter\nname=abc\0def\nflag=1",
    "nul_after_equals": b"board_parameter\nboard_feature_enable=\0" b"1",
    "board_relayed": (b"teacher_parameter\nboard_parameter\nget_tracking_config_file\nboard_feature_enable=1\n"
                      b"board_feature1_enable=0\nboard_lost_to_pano_delay=5"),
    "teacher_crop_start": b"teacher_parameter\nteacher_crop_status\nstart",
    "student_crop_stop": b"student_parameter\nstudent_crop_status\nstop",
    "teacher_apply_confirmed": b"teacher_parameter\nset_teacher_config_file",
    "student_director_answer": b"student_parameter\ndirector_parameter\nget_director_config_file\ndirector_ip=10.0.0.2",
    "autocalibrate_failed": b"student_parameter\nstudent_autocalibrate_status=fail_no_target",
    "teacher_status_start_stop": b"teacher_parameter\nteacher_tracking_status\nstart\nstop",
    "teacher_status_error_and_student": b"teacher_parameter\nteacher_tracking_status\nerror\nstudent_parameter\nstudent_tracking_status",
    "board_status_error": b"board_parameter\nboard_tracking_status\nerror",
    "crlf_lines": b"teacher_parameter\r\nsensitivity=2\r\npan_speed=3\r\n",
    "line_break_bytes_in_values": b"teacher_parameter\nname=a\x85" b"b\nnote=c\x0bd\x0ce\nk\ry=1",
    "keys_with_equals": b"a=b=c\n=x\nkey=\n==",
}

LECTERN = {
    "full_track_text": (b"common.track_mode=1\ncommon.track=1\ntracking.return_preset_time=6\n"
                        b"tracking.preset=-1\ntracking.body_mode=4\ntracking.body_thresh=141\n"
                        b"tracking.auto_zoom=1\ntracking.auto_tilt=0\nregion.preset=1\n"),
    "blanks_quotes_crlf": b"tracking.preset = '-1'\r\ntracking.body_thresh=\"200\"\r\nx =\t y\r\n",
    "empty_values": b"region.preset=\ntracking.preset=1\na=''\nb=\"\"\n=\n==x",
    "zero_byte": b"tracking.body_mode=2\0tracking.body_mode=0",
    "director_json": (b'{"data": {"tracking.server_enable": "1", "tracking.server_addr": "10.1.1.9",'
                      b' "tracking.server_port": "9999", "tracking.times": "45"}}'),
    "director_json_numbers": b'{"data": {"tracking.server_enable": 0, "tracking.server_port": 8080, "tracking.times": 1e300}}',
    "json_array": b'[{"data": {}}, 2, "x"]',
    "json_data_not_object": b'{"data": [1, {"tracking.times": "3"}]}',
    "broken_json": b'{"data": {"tracking.times": ',
    "html_page": b"<html><body><h1>401 Unauthorized</h1></body></html>",
    "utf8_and_bad_utf8": b"region.preset=\xe8\xae\xb2\nregion.preset=\xff\xfe\xc3\n",
    "dotted_keys": b"a.b.c.d=1 .x=2 a..b=3 a.=4 _._=5",
}


def write(target, seeds):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    for name, data in seeds.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    write("uot_reader", UOT)
    write("parameter_block", PARAM)
    write("lectern_reply", LECTERN)
