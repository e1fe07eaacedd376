#pragma once

namespace parameter_reply {
struct StatusPart;
}

// The board tracking status last reported by the board pano camera, which the Board tab keeps:
// a camera that answers every command with its status is asked again only on a change.
class BoardStatusMemory
{
public:
    virtual ~BoardStatusMemory() = default;
    // Records a board status answer; true when it differs from the last one reported.
    virtual bool board_tracking_status_changed(const parameter_reply::StatusPart &part) = 0;
};
