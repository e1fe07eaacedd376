#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

QT_BEGIN_NAMESPACE
class QObject;
class QWidget;
class QComboBox;
class QTabWidget;
QT_END_NAMESPACE

// Checks of a designer form's contract with the code that uses it: object names and classes,
// the signals that slots connected by name rely on, and the stacking order of siblings.
// Each check returns an empty text when the contract holds and otherwise says what is wrong,
// so a test can report it with FORM_CHECK.
namespace formcontract {

// Every object below root with this object name (widgets and layouts), in tree order.
QList<QObject *> objectsNamed(const QObject *root, const QString &name);

// Exactly one object below root has the name, and its class is exactly className.
QString checkObject(const QObject *root, const QString &name, const QByteArray &className);

// Exactly one object below root has the name, and its class has a signal with exactly this
// signature (normalised, e.g. "currentIndexChanged(QString)"), so that the slot
// "on_<name>_<signal>" with those arguments is connected by QMetaObject::connectSlotsByName.
QString checkSignal(const QObject *root, const QString &name, const QByteArray &signature);

// The name of the slot connectSlotsByName ties to this signal of this object.
QByteArray slotNameFor(const QString &objectName, const QByteArray &signature);

// Object names used by more than one object below root (the children Qt's own widgets make
// for themselves aside).
QStringList duplicateNames(const QObject *root);

// The object names of parent's child widgets from bottom to top, as they are painted.
QStringList stackingOrder(const QWidget *parent);

// lower and upper are siblings and upper is painted above lower.
QString checkStackedBelow(const QWidget *lower, const QWidget *upper);

// The item texts of a combo box, in order.
QStringList comboItems(const QComboBox *combo);

// The object names of a tab widget's pages and their titles, in tab order.
QStringList tabPages(const QTabWidget *tabs);
QStringList tabTitles(const QTabWidget *tabs);

} // namespace formcontract

#define FORM_CHECK(expr)                                                                           \
    do {                                                                                           \
        const QString formCheckWhy_ = (expr);                                                      \
        QVERIFY2(formCheckWhy_.isEmpty(), qPrintable(formCheckWhy_));                              \
    } while (false)
