#pragma once

class QHostAddress;

// The free preview of the Upgrade tab's Preview page: whether it runs, and the address its camera
// takes commands at. The camera connections keep it; the Preview page's keys and the pictures ask.
class FreePreview
{
public:
    virtual ~FreePreview() = default;
    virtual bool preview_connected() const = 0;
    // Null while no preview runs.
    virtual QHostAddress *preview_destination() const = 0;
};
