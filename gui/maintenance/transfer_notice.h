#pragma once

#include "transfer/notice.h"

class QWidget;

// A transfer's notice as the installer sees it: a box titled "Information" or "Warning".
void show_transfer_notice(QWidget *parent, const transfer::Notice &notice);
