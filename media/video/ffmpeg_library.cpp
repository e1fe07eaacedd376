#include "video/ffmpeg_library.h"

extern "C" {
#include <libavformat/version.h>
#include <libavutil/version.h>
#include <libswscale/version.h>
}

namespace ffmpeg_library {
namespace {

library_loader::Once<FfmpegLibrary> &once()
{
    static library_loader::Once<FfmpegLibrary> library(defaultNames(), &resolve, "QFFmpeg::FFmpeg cannot be loaded:");
    return library;
}

} // namespace

QStringList defaultNames()
{
    // The major versions are the libraries' ABI: the headers' own, so that the functions found
    // are the ones the decoder was compiled against.
    const auto name = [](const char *library, int major) {
        return QStringLiteral("lib%1.so.%2").arg(QLatin1String(library)).arg(major);
    };
    return {name("avutil", LIBAVUTIL_VERSION_MAJOR), name("avcodec", LIBAVCODEC_VERSION_MAJOR),
            name("avformat", LIBAVFORMAT_VERSION_MAJOR), name("swscale", LIBSWSCALE_VERSION_MAJOR)};
}

bool resolve(const QStringList &names, FfmpegLibrary *functions, QString *error)
{
    library_loader::Symbols symbols;
    if (!symbols.load(names, error))
        return false;
    CORVANE_FFMPEG_FUNCTIONS(CORVANE_LIBRARY_RESOLVE)
    return true;
}

void useNames(const QStringList &names) { once().useNames(names); }

const FfmpegLibrary *load(QString *error) { return once().load(error); }

const FfmpegLibrary *loaded() { return once().loaded(); }

} // namespace ffmpeg_library
