#pragma once

#include "transfer/transfer_files.h"

// Where the Upgrade and Backup pages' transfers connect: the recorder's port mapping as the
// Recorder Map Config tab holds it. The tab's owner answers.
class TransferPorts
{
public:
    virtual ~TransferPorts() = default;
    virtual transfer::PortMapping transfer_mapping() const = 0;
};
