#pragma once

#include <QLibrary>
#include <QMutex>
#include <QStringList>

#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

// Libraries the program does not link but loads at their first use, with QLibrary: their
// functions are resolved into a struct of pointers, once per process.
namespace library_loader {

// Libraries loaded in the order given; a symbol is taken from the first that has it. A loaded
// library stays loaded when these go (nothing here unloads it): the players, decoders and the
// libraries' own threads use it until the process ends.
class Symbols
{
public:
    // False, with the loader's reason, when a library cannot be loaded.
    bool load(const QStringList &names, QString *error);
    // Null, with "<symbol> not found in <names>", when no library has the symbol.
    QFunctionPointer find(const char *symbol, QString *error) const;

private:
    QStringList names;
    std::vector<std::unique_ptr<QLibrary>> libraries;
};

// Logs a failed load: failure, then why.
void report_failure(const char *failure, const QString &why);

// The process's one load of a set of functions, thread-safe: the first load() resolves them from
// the default names or those useNames() gave, and logs a failure once with its reason.
template <typename Functions>
class Once
{
public:
    using Resolve = bool (*)(const QStringList &names, Functions *functions, QString *error);

    Once(QStringList defaultNames, Resolve resolve, const char *failure)
        : names(std::move(defaultNames)), resolve(resolve), failure(failure)
    {
    }

    void useNames(const QStringList &chosen)
    {
        QMutexLocker locker(&namesMutex);
        names = chosen;
    }

    const Functions *load(QString *error)
    {
        std::call_once(flag, [this] {
            QStringList chosen;
            {
                QMutexLocker locker(&namesMutex);
                chosen = names;
            }
            if (resolve(chosen, &functions, &why))
                done.store(&functions);
            else
                report_failure(failure, why);
        });
        if (error)
            *error = why;
        return done.load();
    }

    const Functions *loaded() const { return done.load(); }

private:
    QMutex namesMutex;
    QStringList names;
    const Resolve resolve;
    const char *const failure;
    std::once_flag flag;
    Functions functions;
    QString why;
    std::atomic<const Functions *> done{nullptr};
};

} // namespace library_loader

// A member of a function struct: the function's pointer, typed as its header declares it.
#define CORVANE_LIBRARY_MEMBER(name) decltype(&::name) name = nullptr;

// Resolves one member from `symbols` into `functions`, or returns false with the reason in `error`.
#define CORVANE_LIBRARY_RESOLVE(name) \
    functions->name = reinterpret_cast<decltype(&::name)>(symbols.find(#name, error)); \
    if (!functions->name) \
        return false;
