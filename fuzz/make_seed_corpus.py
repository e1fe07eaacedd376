#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets into fuzz/corpus/<target>/ (one file per seed).

uot_reader inputs: byte 0 bounds the read sizes (n % 64 + 1), byte 1 seeds them (odd: the
consumer feeds the next read while it handles a frame; a second reader holds 12 + (n >> 1) bytes
at most), then the byte stream of one link.
parameter_block inputs: the bytes of a camera answer.
lectern_reply inputs: the body of an HTTP answer of a lectern-mode camera.
visca_reply inputs: the bytes of one VISCA reply.
discovery_reply inputs: the bytes of one datagram on the search port.
transfer_packet inputs: byte 0 bounds the read sizes ((n % 64 + 1) * 37), byte 1 seeds them (odd: the
2124-byte layout), then the byte stream of one transfer link.
teacher_section, student_section, board_section, director_section and region_readback inputs:
the bytes of a camera answer; their lines and bytes also give the values of a block to build.
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
    "held_few_bytes_frames_cut": bytes([9, 4]) + text(b"first") + visca(b"\x90\x50\x02\xff") + text(b"third")
    + text(b"") + text(b"0123456789abcdef"),
    # A frame whose first part a bounded reader holds beyond its bound, with a frame inside its
    # payload: the part is kept for the rest, never dropped as if it were a unit.
    "held_few_bytes_frame_in_a_payload": bytes([63, 6]) + text(b"a") + text(b"x" * 40 + text(b"f")),
    "held_few_bytes_units_dropped": bytes([40, 20]) + frame(7000, b"not for us") + b"garbage!" + text(b"kept")
    + frame(6791, b"", length=0xFFFFFFFF) + text(b"last"),
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


def hexb(text):
    return bytes.fromhex(text)


VISCA = {
    "focus_auto": hexb("905002ff"),
    "focus_manual": hexb("905003ff"),
    "role_teacher_pano": hexb("905005ff"),
    "ack_and_completion": hexb("9041ff9051ff"),
    "zoom_j57_lowest": hexb("905000000604ff"),
    "zoom_optical_end": hexb("905004000000ff"),
    "zoom_beyond_range": hexb("9050ff0f0f0fff"),
    "model_j57": hexb("9050000000004a57ff"),
    "model_r17": hexb("90500000000052" "17ff"),
    "model_no_letter": hexb("9050000000000057ff"),
    "pan_tilt_left_down": hexb("90500f0f0e0c0f0f0f0cff"),
    "digital_zoom_zero": hexb("90500f0f0f0f00000000ff"),
    "three_fields": hexb("9050010203040506070809000102ff"),
    "high_bytes_everywhere": bytes([0xff] * 15),
    "nan_position": struct.pack("<d", float("nan")) + hexb("ff"),
    "error_reply": hexb("906002ff"),
    "empty": b"",
}

TEACHER_FULL = (b"teacher_parameter\nget_tracking_config_file\npano_sensitivity=2\nfeature_distance=7.5\n"
                b"pano_distance=20.0\npano_pan_offset=-35\npano_tilt_offset=37\nlosing_object_strategy=11\n"
                b"multi_object_strategy=2\ntracking_mode=5\ntime_to_pano_delay=30\ntime_lost_delay=2\n"
                b"ptzspeed_level=10\nboard_detect_enable=1\nboard_face_enable=0\nboard_hand_enable=x\n"
                b"board_detect_time=3\nboard_continue_time=5\nboard_lose_time=3\nboard_face_interval_time=5\n"
                b"auto_tracking=1\nfeature_persontrack_mode=0\nmanual_focus=1\nauto_tilt=0\n"
                b"boardsnap_mode=4\nfeature_realtime_track=1\nconfig_switch=1\nusername=admin\npassword=\n"
                b"feature_version=V1.2\npano_version=V3.4\ndevice_model=M19")

REGIONS = (b"teacher_parameter\nboardsnapshot_pan_scale=20\nboardsnapshot_tilt_scale=30\n"
           b"boardsnapshot_pan_increment=100\nboardsnapshot_tilt_increment=60\n"
           b"fea_pan_scale=8\nfea_tilt_scale=9\nfea_pan_increment=10\nfea_tilt_increment=11\n"
           b"fea_pan_position=-300\nfea_tilt_position=12\n"
           b"pano_pan_scale=20\npano_tilt_scale=80\npano_pan_increment=610\npano_tilt_increment=80\n"
           b"pano_shield_enable=1x10\npano_pan_first_shield_scale=0\npano_tilt_first_shield_scale=330\n"
           b"pano_pan_first_shield_increment=30\npano_tilt_first_shield_increment=359\n"
           b"teacher_board_enable=11\nboard_pan_first_scale=100\nboard_tilt_first_scale=40\n"
           b"board_pan_first_increment=200\nboard_tilt_first_increment=90")

TEACHER = {
    "full_obtain_answer": TEACHER_FULL,
    "apply_confirmation": b"teacher_parameter\nset_teacher_config_file",
    "nul_inside_a_value": b"teacher_parameter\npano_sensitivity=3\nfeature_distance=7\0.5\ntracking_mode=1",
    "nul_before_keys": b"teacher_parameter\0\ntracking_mode=4\nmulti_object_strategy=1",
    "empty_values": b"pano_sensitivity=\ntracking_mode=\nlosing_object_strategy=\nboardsnap_mode=",
    "huge_numbers": (b"pano_pan_offset=-2147483648\npano_tilt_offset=99999999999\nfeature_distance=1e308\n"
                     b"pano_distance=-inf\ntime_to_pano_delay=2147483647\nptzspeed_level= 12 "),
    "unknown_choices": b"losing_object_strategy=12\nmulti_object_strategy=3\ntracking_mode=9\nboardsnap_mode=3",
    "crlf_lines": b"teacher_parameter\r\npano_sensitivity=1\r\nauto_tracking=0\r\n",
    "only_region_position": b"teacher_parameter\nfea_pan_position=5",
    "regions_and_keys": REGIONS + b"\nauto_tilt=1",
    "keys_inside_values": b"username=x\npassword=pano_version=1\n pano_version=2\npano_version=V9",
}

STUDENT = {
    "full_obtain_answer": (b"student_parameter\nget_tracking_config_file\npano_sensitivity=2\npano_object_size=1.2\n"
                           b"pano_height=3.5\npano_length=8\npano_camera_height=2.6\npano_pan_offset=15\n"
                           b"pano_tilt_offset=-5\neptz_mode=1\nlosing_object_strategy=0\ntime_delay=5\n"
                           b"multi_object_strategy=2\npan_speed=20\nresponse_time=0.0\n"
                           b"feature_continue_max_time=10\ntime_to_pano_delay=3\nconfig_switch=0\n"
                           b"auto_tracking=1\nface_detect=0\npano_switch=1\nptzspeed_level=8\n"
                           b"pano_designated_number_of_people=2\npano_calibrate_height=90\n"
                           b"feature_version=F1\npano_version=P1\ndevice_model=OS2X\n"
                           b"forward_left_x=133\nforward_left_y=266\nforward_right_x=506\nforward_right_y=266\n"
                           b"backward_right_x=226\nbackward_right_y=80\nbackward_left_x=413\nbackward_left_y=80\n"
                           b"pano_designated_first_x=92\npano_designated_first_y=312\n"
                           b"pano_designated_six_x=152\npano_designated_six_y=156\n"
                           b"pano_student_forward_enable=1\npano_designated_enable=111111\n"
                           b"pano_shield_enable=1010\npano_calibrate_enable=1111\n"
                           b"pano_calibrate_first_x=800\npano_calibrate_first_y=1600\n"
                           b"pano_pan_first_shield_scale=0\npano_tilt_first_shield_scale=330\n"
                           b"pano_pan_first_shield_increment=30\npano_tilt_first_shield_increment=359"),
    "apply_confirmation": b"student_parameter\nset_student_config_file",
    "old_point_format": b"pano_designated_enable=11110\npano_designated_fifth_x=600\npano_designated_fifth_y=300",
    "unknown_enables": b"pano_designated_enable=10101\npano_shield_enable=1\npano_calibrate_enable=11",
    "huge_points": (b"forward_left_x=2147483647\nforward_left_y=-2147483648\n"
                    b"pano_calibrate_second_x=-2147483648\nfeature_calibrate_third_y=2147483647\n"
                    b"pano_pan_fourth_shield_scale=2147483647\npano_tilt_fourth_shield_increment=359"),
    "zero_points_take_defaults": b"forward_left_x=0\nforward_left_y=0\npano_designated_first_x=1",
    "nul_inside": b"student_parameter\npano_height=1\0\npano_length=2\ndevice_model=O\0S2",
    "shield_edge_cases": (b"pano_pan_second_shield_scale=639\npano_tilt_second_shield_scale=359\n"
                          b"pano_pan_second_shield_increment=0\npano_tilt_second_shield_increment=100\n"
                          b"pano_pan_third_shield_scale=5\npano_tilt_third_shield_scale=5\n"
                          b"pano_pan_third_shield_increment=5\npano_tilt_third_shield_increment=5"),
    "corners_on_the_top_edge": (b"forward_left_x=10\nforward_left_y=0\nforward_right_x=20\nforward_right_y=0\n"
                                b"backward_right_x=30\nbackward_right_y=0\nbackward_left_x=40\nbackward_left_y=300"),
    "model_rules": b"device_model=S2\npano_calibrate_height=190cm",
}

BOARD = {
    "relay_answer": (b"teacher_parameter\nboard_parameter\nget_tracking_config_file\nboard_feature_enable=1\n"
                     b"board_feature1_enable=0\nboard_lost_to_pano_delay=5\nboard_feature_ip=192.168.1.165"),
    "relay_odd_values": b"board_feature_enable=\nboard_feature1_enable=yes\nboard_lost_to_pano_delay=five",
    "pano_block": (b"board_parameter\nget_tracking_config_file\npano_sensitivity=3\ntime_delay=10\n"
                   b"multi_object_strategy=1\nlosing_object_strategy=0\npano_pan_scale=20\npano_tilt_scale=80\n"
                   b"pano_pan_increment=610\npano_tilt_increment=80\npano_shield_enable=1020\n"
                   b"pano_pan_first_shield_scale=4\npano_tilt_first_shield_scale=5\n"
                   b"feature_version=B1\npano_version=B2"),
    "huge_areas": (b"pano_pan_scale=2147483647\npano_tilt_scale=-2147483648\npano_pan_increment=2147483647\n"
                   b"pano_tilt_increment=2147483647\npano_pan_fourth_shield_scale=-2147483647"),
    "number_out_of_range": b"pano_pan_scale=2147483648\nboard_lost_to_pano_delay=-99999999999",
    "strategies_other": b"multi_object_strategy=2\nlosing_object_strategy=\npano_sensitivity=",
    "nul_in_delay": b"board_lost_to_pano_delay=1\0" b"2\nboard_feature_enable=1",
    "nul_first": b"\0board_feature_enable=1",
    "blanks_around": b"board_lost_to_pano_delay= 7 \npano_pan_scale= 3",
    "shield_enable_long": b"pano_shield_enable=0000111122223333",
}

DIRECTOR = {
    "teacher_answer": (b"teacher_parameter\ndirector_parameter\nget_director_config_file\npano_port=9999\n"
                       b"uart_baud=9600\ncommunicate_mode=1\ncommand_mode=0\n"
                       b"director_broadcast_ip=192.168.1.200\ndirector_broadcast_port=9999\n"
                       b"switch_auto=FF 00 00 00 00 01\nswitch_manual=FF 00 00 00 00 02\n"
                       b"director_command_times=2\ndirector_strategy=1\nextern_director_teacher_enable=10101\n"
                       b"teacher_walk_up_platform=FF 01 00 00 00 11\nextern_director_keep_interval=1\n"
                       b"extern_director_moving_interval=x\nextern_director_multi_interval=99999999999\n"
                       b"inner_director_enable=11110\nblackboard_director_enable=01\n"
                       b"inner_teacher_feature=FF 22 22\nmin_switch_time=3\n"
                       b"extern_director_blackboard_enable=11\nblackboard_have_object_tracked=FF 03 00 00 00 31"),
    "student_answer": (b"student_parameter\ndirector_parameter\nget_director_config_file\n"
                       b"extern_director_student_enable=1\nstudent_stand_up=FF 02 00 00 00 21\n"
                       b"inner_teacher_feature=not read here"),
    "board_answer": b"board_parameter\nextern_director_blackboard_enable=0\nblackboard_none_object_tracked=FF",
    "no_routing_line": b"pano_port=1\nteacher_walk_up_platform=not read\ncommunicate_mode=",
    "addresses_never_read": b"teacher_parameter\nteacher_pano_ip=1.2.3.4\nstudent_pano_ip=5.6.7.8",
    "routing_inside_value": b"switch_auto=teacher_parameter\nmin_switch_time=-2147483648",
    "nul_inside": b"teacher_parameter\ninner_director_enable=1\0" b"1\nmin_switch_time=4",
    "nul_before_routing": b"pano_port=1\0teacher_parameter\ninner_teacher_pano=x",
    "crlf": b"teacher_parameter\r\ncommand_mode=1\r\nswitch_manual=FF\r\n",
    "empty_lines": b"\n\n\nstudent_parameter\n\nstudent_sit_down=\n",
}

REGION = {
    "teacher_regions": REGIONS,
    "tracking_at_the_top": b"pano_pan_scale=20\npano_tilt_scale=0\npano_pan_increment=610\npano_tilt_increment=80",
    "tracking_beyond_the_scene": b"pano_pan_scale=100\npano_tilt_scale=80\npano_pan_increment=560\npano_tilt_increment=80",
    "huge_values": (b"pano_pan_scale=2147483647\npano_tilt_scale=-2147483648\nboard_pan_third_scale=2147483647\n"
                    b"board_pan_third_increment=2147483647\nfea_pan_increment=-2147483647"),
    "not_numbers": b"pano_pan_scale=\npano_tilt_scale=abc\nboard_tilt_second_scale= 12 \nfea_tilt_scale=1.5",
    "enable_strings_odd": b"pano_shield_enable=\nteacher_board_enable=1\0" b"1",
    "three_boards": b"teacher_board_enable=111\nboard_pan_third_scale=300\nboard_tilt_third_scale=90",
    "nul_before_keys": b"teacher_parameter\0\npano_pan_scale=5",
    "wild_round_trip": bytes(4) + b"\xff" * 60,
    "scene_round_trip": b"\xff\xff\xff\xff" + bytes(range(64)),
}


CLIENT = b"00112233445566778899aabbccddeeff"
DEVICE = b"0123456789abcdef0123456789abcdef"


def camera_answer(eol=b"\r\n", uptime=b"3725"):
    lines = [b"REPLY OK SEARCH", b"VERSION:V3.1.0", b"DEVICE_MODEL:K38.T20", b"Client ID:" + CLIENT,
             b"Device ID:" + DEVICE, b"Uptime=" + uptime, b"DHCP=1", b"IP=10.250.0.2", b"MASK=255.255.255.0",
             b"GATEWAY=10.250.0.254", b"MAC=D4:E0:8E:01:02:03", b"FDNS=8.8.8.8"]
    return eol.join(lines)


DISCOVERY = {
    "whole_answer": camera_answer(),
    "lines_ended_by_lf": camera_answer(b"\n"),
    "keys_missing": camera_answer().replace(b"IP=10.250.0.2\r\n", b"").replace(b"VERSION:V3.1.0\r\n", b""),
    "value_too_long": camera_answer().replace(b"V3.1.0", b"v" * 300),
    "zero_byte_inside": camera_answer().replace(b"\r\nFDNS", b"\0\r\nFDNS"),
    "uptime_at_the_int_edge": camera_answer(uptime=b"2147483647"),
    "uptime_negative": camera_answer(uptime=b"-86401"),
    "keys_in_another_order": b"REPLY OK \r\nMAC=x\r\nIP=1\r\nDEVICE_MODEL:m\r\nVERSION:v\r\nGATEWAY=g\r\nMASK=m",
    "prefix_alone": b"REPLY OK ",
    "confirmation": b"SUCCEED *\r\nClient ID:" + CLIENT + b"\r\nDevice ID:" + DEVICE,
    "refusal": b"FAILED * \r\nClient ID:" + CLIENT,
    "search_of_another_tool": b"SEARCH * UPGRADE\r\nClient ID:" + CLIENT,
    "garbage": bytes(range(256)),
}


def transfer_packet(letter, length, step, text=b"", block=b"", short=False, parameter=0):
    text_size = 60 if short else 256
    text = text[:text_size - 1].ljust(text_size, b"\0")
    return (letter + b"\0\0\0" + struct.pack("<iii", length, step, parameter) + text
            + block[:2048].ljust(2048, b"\0"))


ARCHIVE = bytes((i * 7) & 0xff for i in range(5000))
LISTING = b"mtd0: 00040000 00010000 \"boot\"\nmtd1: 00300000 00010000 \"kernel\"\n"


def archive_stream(name=b"teacher_conf.tar.gz", lengths=None):
    packets = transfer_packet(b"B", len(ARCHIVE), 1, name, b"0f" * 16)
    at = 0
    for n in lengths or [2048, 2048, 904]:
        packets += transfer_packet(b"B", n, 2, b"", ARCHIVE[at:at + 2048])
        at += 2048
    return packets + transfer_packet(b"B", 0, 3)


TRANSFER = {
    "version_reply": bytes([63, 0]) + transfer_packet(b"Q", 0, 10, b"SOC: v3.1\nMODEL: K38.T20\nUPGRADE: x", LISTING),
    "version_reply_short": bytes([63, 1]) + transfer_packet(b"Q", 0, 9, b"SOC: v3\nMODEL: K27.T", LISTING, True),
    "version_reply_short_text": bytes([5, 2]) + transfer_packet(b"Q", 0, 10, b"SOC", b""),
    "many_partitions": bytes([63, 0]) + transfer_packet(b"Q", 0, 10, b"SOC: v3", b"mtd0: 1 2 \"p\"\n" * 40),
    "archive_in_small_reads": bytes([0, 4]) + archive_stream(),
    "archive_bad_lengths": bytes([20, 6]) + archive_stream(lengths=[4096, -1, 2147483647]),
    "name_outside_the_folder": bytes([63, 0]) + archive_stream(b"../../etc/escape.tar.gz"),
    "text_without_zero": bytes([30, 8]) + transfer_packet(b"B", 10, 1, b"n" * 400, b"m" * 2048)[:16] + b"n" * 256
                         + b"m" * 2048,
    "upgrade_steps": bytes([11, 10]) + b"".join(transfer_packet(b"U", 0, s) for s in (0, 3, 5, 9)),
    "upgrade_steps_short": bytes([11, 11]) + b"".join(transfer_packet(b"U", 0, s, short=True) for s in (0, 3, 5, 7)),
    "truncated_tail": bytes([63, 0]) + transfer_packet(b"R", 0, 3) + transfer_packet(b"R", 0, 6)[:999],
    "error_report": bytes([2, 12]) + transfer_packet(b"E", 0, 0, b"arm"),
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
    write("visca_reply", VISCA)
    write("teacher_section", TEACHER)
    write("student_section", STUDENT)
    write("board_section", BOARD)
    write("director_section", DIRECTOR)
    write("region_readback", REGION)
    write("discovery_reply", DISCOVERY)
    write("transfer_packet", TRANSFER)
