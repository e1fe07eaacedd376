#include "httpmanager.h"

HttpManager::HttpManager(QObject *parent)
    : QObject(parent)
{
}
