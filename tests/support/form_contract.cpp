#include "form_contract.h"

#include <QComboBox>
#include <QHash>
#include <QMetaMethod>
#include <QMetaObject>
#include <QTabWidget>
#include <QWidget>

namespace formcontract {

QList<QObject *> objectsNamed(const QObject *root, const QString &name)
{
    return root->findChildren<QObject *>(name, Qt::FindChildrenRecursively);
}

namespace {
QString findOne(const QObject *root, const QString &name, QObject **found)
{
    const QList<QObject *> all = objectsNamed(root, name);
    if (all.isEmpty())
        return QStringLiteral("no object named \"%1\"").arg(name);
    if (all.size() > 1)
        return QStringLiteral("%1 objects named \"%2\"").arg(all.size()).arg(name);
    *found = all.first();
    return QString();
}
} // namespace

QString checkObject(const QObject *root, const QString &name, const QByteArray &className)
{
    QObject *obj = nullptr;
    const QString why = findOne(root, name, &obj);
    if (!why.isEmpty())
        return why;
    const QByteArray actual = obj->metaObject()->className();
    if (actual != className)
        return QStringLiteral("\"%1\" is a %2, not a %3")
            .arg(name, QString::fromLatin1(actual), QString::fromLatin1(className));
    return QString();
}

QString checkSignal(const QObject *root, const QString &name, const QByteArray &signature)
{
    QObject *obj = nullptr;
    const QString why = findOne(root, name, &obj);
    if (!why.isEmpty())
        return why;
    const QByteArray normalised = QMetaObject::normalizedSignature(signature.constData());
    if (normalised != signature)
        return QStringLiteral("signature \"%1\" is not normalised (\"%2\")")
            .arg(QString::fromLatin1(signature), QString::fromLatin1(normalised));
    const QMetaObject *meta = obj->metaObject();
    const int index = meta->indexOfSignal(normalised.constData());
    if (index >= 0 && meta->method(index).methodType() == QMetaMethod::Signal)
        return QString();
    const QByteArray signalName = signature.left(signature.indexOf('('));
    QStringList overloads;
    for (int i = 0; i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() == QMetaMethod::Signal && method.name() == signalName)
            overloads << QString::fromLatin1(method.methodSignature());
    }
    return QStringLiteral("%1 \"%2\" has no signal %3 (it has: %4)")
        .arg(QString::fromLatin1(meta->className()), name, QString::fromLatin1(signature),
             overloads.isEmpty() ? QStringLiteral("none of that name") : overloads.join(QStringLiteral(", ")));
}

QByteArray slotNameFor(const QString &objectName, const QByteArray &signature)
{
    return "on_" + objectName.toLatin1() + '_' + signature.left(signature.indexOf('('));
}

QStringList duplicateNames(const QObject *root)
{
    // Children that Qt's own widgets make for themselves.
    static const QStringList internal = {QStringLiteral("ScrollLeftButton"), QStringLiteral("ScrollRightButton")};
    QHash<QString, int> counts;
    const QList<QObject *> all = root->findChildren<QObject *>(QString(), Qt::FindChildrenRecursively);
    for (const QObject *obj : all) {
        const QString name = obj->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && !internal.contains(name))
            ++counts[name];
    }
    QStringList duplicates;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > 1)
            duplicates << it.key();
    }
    duplicates.sort();
    return duplicates;
}

QStringList stackingOrder(const QWidget *parent)
{
    // A widget's children are painted in the order of its children list; raise() and lower()
    // move a child within that list.
    QStringList names;
    for (const QObject *child : parent->children()) {
        if (child->isWidgetType())
            names << child->objectName();
    }
    return names;
}

QString checkStackedBelow(const QWidget *lower, const QWidget *upper)
{
    if (!lower || !upper)
        return QStringLiteral("missing widget");
    if (lower->parentWidget() != upper->parentWidget())
        return QStringLiteral("\"%1\" and \"%2\" are not siblings").arg(lower->objectName(), upper->objectName());
    const QObjectList siblings = lower->parentWidget()->children();
    if (siblings.indexOf(const_cast<QWidget *>(lower)) >= siblings.indexOf(const_cast<QWidget *>(upper)))
        return QStringLiteral("\"%1\" is not below \"%2\"").arg(lower->objectName(), upper->objectName());
    return QString();
}

QStringList comboItems(const QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

QStringList tabPages(const QTabWidget *tabs)
{
    QStringList pages;
    for (int i = 0; i < tabs->count(); ++i)
        pages << tabs->widget(i)->objectName();
    return pages;
}

QStringList tabTitles(const QTabWidget *tabs)
{
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i)
        titles << tabs->tabText(i);
    return titles;
}

} // namespace formcontract
