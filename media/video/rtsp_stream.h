#pragma once

#include <QString>

class QFFmpeg;
class QObject;
class RtspThread;

// The start and stop sequences that every owner of a live RTSP picture follows (the main
// window's camera slots and free preview, the manual director console, the OSD menu dialog).
// The owner keeps the two pointers; these functions build, start, stop and release them.
//
//   rtsp_stream::create(this, url, 480, 270, decoder, thread);
//   connect(decoder, &QFFmpeg::FrameFailed, this, &Owner::failed);
//   connect(decoder, &QFFmpeg::GetImage, this, &Owner::setImage, Qt::QueuedConnection);
//   if (!rtsp_stream::start(decoder, thread)) { ...; rtsp_stream::stop(decoder, thread, {}); }
//   ...
//   rtsp_stream::stop(decoder, thread, {500, 100});
namespace rtsp_stream {

// Builds the decoder (pictures of width x height, for url) and its thread, both children of
// owner. Nothing is opened yet: the owner connects its slots, then calls start.
void create(QObject *owner, const QString &url, int width, int height, QFFmpeg *&decoder,
            RtspThread *&thread);

// Opens the stream on a thread of its own and waits for the result while the calling (GUI)
// thread handles its events; the window keeps turning however long FFmpeg takes. When the open
// succeeds the decoder goes to its thread, which starts at once, also while this wait lies
// under another's (a second connect during the wait nests in it and returns first). False when
// the stream could not be opened, when the open was cancelled (QFFmpeg::cancelOpen) or when
// stop let it go meanwhile; the thread is then not started and the owner runs stop to release
// both.
bool start(QFFmpeg *decoder, RtspThread *thread);

struct StopWaits {
    int afterDecoderStopMs = 0; // event-pumping wait after the decoder's Stop (wait_ms)
    int afterThreadStopMs = 0;  // event-pumping wait after the thread's stop
    bool disconnectPictures = true; // GetImage is cut first, so no picture arrives meanwhile
};

// Stops the picture and forgets both pointers at once (a slot that runs during the waits
// finds them null); the waits handle events. Both objects are deleted, the decoder first, once
// the thread has ended; a thread still running after its waits keeps both alive (logged) and
// they are deleted when it finishes, so a decoder is never deleted under a thread that uses
// it. A stream still opening has its open cancelled and both go when start's wait ends.
void stop(QFFmpeg *&decoder, RtspThread *&thread, const StopWaits &waits);

// Pairs kept because their thread had not finished (or their open not ended) when they were
// stopped.
int pendingCount();

} // namespace rtsp_stream
