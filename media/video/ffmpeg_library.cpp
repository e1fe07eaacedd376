#include "video/ffmpeg_library.h"

#include <QDebug>
#include <QLibrary>
#include <QMutex>

#include <atomic>
#include <memory>
#include <vector>

extern "C" {
#include <libavformat/version.h>
#include <libavutil/version.h>
#include <libswscale/version.h>
}

namespace ffmpeg_library {
namespace {

QMutex namesMutex;
QStringList chosenNames;
std::atomic<const FfmpegLibrary *> loadedFunctions{nullptr};

struct Loaded {
    FfmpegLibrary functions;
    bool ok = false;
    QString error;
};

Loaded loadOnce()
{
    QStringList names;
    {
        QMutexLocker locker(&namesMutex);
        names = chosenNames.isEmpty() ? defaultNames() : chosenNames;
    }
    Loaded loaded;
    loaded.ok = resolve(names, &loaded.functions, &loaded.error);
    if (!loaded.ok)
        qWarning().noquote() << "QFFmpeg::FFmpeg cannot be loaded:" << loaded.error;
    return loaded;
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
    // A loaded library stays loaded when its QLibrary goes (nothing here unloads it): the decoders
    // and FFmpeg's own threads use it until the process ends.
    std::vector<std::unique_ptr<QLibrary>> libraries;
    for (const QString &name : names) {
        libraries.push_back(std::make_unique<QLibrary>(name));
        if (!libraries.back()->load()) {
            *error = libraries.back()->errorString();
            return false;
        }
    }
    const auto find = [&](const char *symbol) -> QFunctionPointer {
        for (const std::unique_ptr<QLibrary> &library : libraries) {
            if (QFunctionPointer f = library->resolve(symbol))
                return f;
        }
        *error = QStringLiteral("%1 not found in %2").arg(QLatin1String(symbol), names.join(QStringLiteral(", ")));
        return nullptr;
    };
#define CORVANE_FFMPEG_RESOLVE(name) \
    functions->name = reinterpret_cast<decltype(&::name)>(find(#name)); \
    if (!functions->name) \
        return false;
    CORVANE_FFMPEG_FUNCTIONS(CORVANE_FFMPEG_RESOLVE)
#undef CORVANE_FFMPEG_RESOLVE
    return true;
}

void useNames(const QStringList &names)
{
    QMutexLocker locker(&namesMutex);
    chosenNames = names;
}

const FfmpegLibrary *load(QString *error)
{
    static const Loaded once = loadOnce();
    if (error)
        *error = once.error;
    if (!once.ok)
        return nullptr;
    loadedFunctions.store(&once.functions);
    return &once.functions;
}

const FfmpegLibrary *loaded()
{
    return loadedFunctions.load();
}

} // namespace ffmpeg_library
