#pragma once

#include "video/library_loader.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/error.h>
#include <libavutil/hwcontext.h>
#include <libavutil/imgutils.h>
#include <libavutil/pixdesc.h>
#include <libswscale/swscale.h>
}

// The FFmpeg functions the decoder calls. The program does not link FFmpeg, whose libraries
// bring a hundred more with them: the first decoder's open loads them, on the open's thread, at
// the first connect rather than at start.
#define CORVANE_FFMPEG_FUNCTIONS(X) \
    X(av_buffer_ref) \
    X(av_buffer_unref) \
    X(av_dict_free) \
    X(av_dict_set) \
    X(av_frame_alloc) \
    X(av_frame_copy) \
    X(av_frame_free) \
    X(av_frame_get_buffer) \
    X(av_frame_unref) \
    X(av_freep) \
    X(av_get_pix_fmt_name) \
    X(av_hwdevice_ctx_create) \
    X(av_hwdevice_get_type_name) \
    X(av_hwframe_transfer_data) \
    X(av_image_fill_arrays) \
    X(av_image_get_buffer_size) \
    X(av_log_set_callback) \
    X(av_log_set_level) \
    X(av_malloc) \
    X(av_packet_unref) \
    X(av_read_frame) \
    X(av_strerror) \
    X(avcodec_alloc_context3) \
    X(avcodec_default_get_format) \
    X(avcodec_find_decoder) \
    X(avcodec_flush_buffers) \
    X(avcodec_free_context) \
    X(avcodec_get_hw_config) \
    X(avcodec_is_open) \
    X(avcodec_open2) \
    X(avcodec_parameters_to_context) \
    X(avcodec_receive_frame) \
    X(avcodec_send_packet) \
    X(avformat_alloc_context) \
    X(avformat_close_input) \
    X(avformat_find_stream_info) \
    X(avformat_free_context) \
    X(avformat_network_deinit) \
    X(avformat_network_init) \
    X(avformat_open_input) \
    X(sws_freeContext) \
    X(sws_getContext) \
    X(sws_scale)

// Each function with the type its header declares.
struct FfmpegLibrary {
    CORVANE_FFMPEG_FUNCTIONS(CORVANE_LIBRARY_MEMBER)
};

namespace ffmpeg_library {

// The libraries of the FFmpeg the program was built with, in the order they are loaded.
QStringList defaultNames();

// Loads the libraries and resolves every function on the first call, once per process; later
// calls give the first call's result. Null when a library cannot be loaded or lacks a function,
// with the reason in error; the first failure is also logged.
const FfmpegLibrary *load(QString *error = nullptr);

// The functions once a load has succeeded, without loading anything: null before the first
// load has ended, and after one that failed.
const FfmpegLibrary *loaded();

// Library names (file names or paths) that the first load uses instead of defaultNames(); for a
// test of what a missing FFmpeg does. No effect once load has run.
void useNames(const QStringList &names);

// Loads the given libraries and resolves the functions, without keeping the result; the work of
// load, for a test of its failures.
bool resolve(const QStringList &names, FfmpegLibrary *functions, QString *error);

} // namespace ffmpeg_library
