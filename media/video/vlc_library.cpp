#include "video/vlc_core_library.h"

namespace vlc_library {
namespace {

// The libraries' ABI versions (their sonames): no header gives them, as LIBVLC_VERSION_MAJOR is
// the release's number (3), not libvlc's ABI (5).
constexpr int kLibvlcMajor = 5;
constexpr int kLibvlccoreMajor = 9;

struct Loaded {
    VlcLibrary functions;
    VlcCoreLibrary core;
};

bool resolveLoaded(const QStringList &names, Loaded *loaded, QString *error)
{
    return resolve(names, &loaded->functions, &loaded->core, error);
}

library_loader::Once<Loaded> &once()
{
    static library_loader::Once<Loaded> library(defaultNames(), &resolveLoaded, "VlcThread::libVLC cannot be loaded:");
    return library;
}

bool resolveCore(const library_loader::Symbols &symbols, VlcCoreLibrary *functions, QString *error)
{
    CORVANE_VLCCORE_FUNCTIONS(CORVANE_LIBRARY_RESOLVE)
    return true;
}

} // namespace

QStringList defaultNames()
{
    return {QStringLiteral("libvlccore.so.%1").arg(kLibvlccoreMajor), QStringLiteral("libvlc.so.%1").arg(kLibvlcMajor)};
}

bool resolve(const QStringList &names, VlcLibrary *functions, VlcCoreLibrary *core, QString *error)
{
    library_loader::Symbols symbols;
    if (!symbols.load(names, error))
        return false;
    CORVANE_LIBVLC_FUNCTIONS(CORVANE_LIBRARY_RESOLVE)
    functions->core = core;
    return resolveCore(symbols, core, error);
}

void useNames(const QStringList &names) { once().useNames(names); }

const VlcLibrary *load(QString *error)
{
    const Loaded *loaded = once().load(error);
    return loaded ? &loaded->functions : nullptr;
}

const VlcLibrary *loaded()
{
    const Loaded *loaded = once().loaded();
    return loaded ? &loaded->functions : nullptr;
}

} // namespace vlc_library
