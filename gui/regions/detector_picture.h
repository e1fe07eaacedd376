#pragma once

// The one teacher pano picture the blackboard detection takes: the picture previews keep the
// request and hand the next picture over to the region editor.
class DetectorPicture
{
public:
    virtual ~DetectorPicture() = default;
    virtual void request_detector_picture() = 0;
    // Asked for and not yet handed over.
    virtual bool detector_picture_requested() const = 0;
    virtual void forget_detector_picture() = 0;
};
