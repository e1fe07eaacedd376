#include "video/library_loader.h"

#include <QDebug>

namespace library_loader {

bool Symbols::load(const QStringList &libraryNames, QString *error)
{
    names = libraryNames;
    for (const QString &name : libraryNames) {
        libraries.push_back(std::make_unique<QLibrary>(name));
        if (!libraries.back()->load()) {
            *error = libraries.back()->errorString();
            return false;
        }
    }
    return true;
}

QFunctionPointer Symbols::find(const char *symbol, QString *error) const
{
    for (const std::unique_ptr<QLibrary> &library : libraries) {
        if (QFunctionPointer f = library->resolve(symbol))
            return f;
    }
    *error = QStringLiteral("%1 not found in %2").arg(QLatin1String(symbol), names.join(QStringLiteral(", ")));
    return nullptr;
}

void report_failure(const char *failure, const QString &why)
{
    qWarning().noquote() << failure << why;
}

} // namespace library_loader
