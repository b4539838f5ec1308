#pragma once

#include "halvane/encode/image_builder.h"
#include "halvane/encode/record_encoder.h"
#include "halvane/link/cross_port.h"
#include "halvane/project/animation_library.h"
#include "halvane/project/play_project_records.h"

#include "common/status.h"

#include <QCoreApplication>
#include <QString>

#include <atomic>

namespace halvane::encode {

// Whoever shows a send: the send dialog, the command line. Called on the
// thread that runs the job, so a window hands the calls on to its own thread.
class SendObserver {
public:
    virtual ~SendObserver() = default;
    // The status line changed to `text`.
    virtual void statusChanged(const QString &text) = 0;
    // The progress bar: range 0 .. total (blocks of the whole send), at `position`.
    virtual void progressChanged(int position, int total) = 0;
    // Something the user should know that does not stop the send (a missing
    // animation file sent as a dark frame, an entry sent with default settings).
    virtual void warning(const QString &text) = 0;
};

// How a send ended.
struct SendResult {
    enum class Outcome {
        Complete,      // "Send Complete!"
        PortNotOpened, // "Can't Open Com Port!"
        CrossNotFound, // "Can't find cross!"
        Refused,       // an image larger than its region; nothing was deleted
        BlockFailed,   // a block was not acknowledged after three attempts
    };
    Outcome outcome = Outcome::Complete;
    QString status; // the last status text

    bool ok() const { return outcome == Outcome::Complete; }
};

// The send job: replaces everything the cross plays with a play project.
//
// On the port configured in Halvane.ini (PORT, BAUDRATE) it calls the cross,
// builds the TOC, Animations and Text images, checks that each fits its
// region (before anything is deleted), deletes the cross's animations and
// writes the images as 4096-byte data blocks: command 0x11, the last block of
// the whole send 0x14. Each block frame goes out in 1024-byte chunks, each
// drained and followed by 50 ms; after 1000 ms the acknowledgement (reply
// 0x45) is read; a block has three attempts, and 1000 ms follow each
// acknowledged block. Every wait sleeps on the link's clock.
//
// The status texts and the progress go to the observer as they change. The
// port is released as soon as the job ends, on every path.
class SendJob {
    Q_DECLARE_TR_FUNCTIONS(SendJob)

public:
    SendJob(const link::LinkContext &link, RecordEncoder &encoder, SendObserver &observer);

    // Runs every step on the calling thread (the port is opened and used
    // there) and returns how it ended. Call once.
    SendResult run(const project::PlayProjectData &project, const project::AnimationLibrary &library);

    // False while run() works; true once it has ended, whatever the outcome.
    bool isDone() const { return m_done.load(); }

private:
    SendResult steps(const project::PlayProjectData &project, const project::AnimationLibrary &library);
    SendResult callAndSend(link::CrossPort &port, const project::PlayProjectData &project,
                           const project::AnimationLibrary &library);
    SendResult sendImages(link::CrossPort &port, const SendImages &images);
    bool writeBlock(link::CrossPort &port, const QByteArray &frame);
    void discardStaleInput(link::CrossPort &port);
    SendResult end(const SendResult &result);
    void status(const QString &text);

    link::LinkContext m_link;
    RecordEncoder &m_encoder;
    SendObserver &m_observer;
    std::atomic<bool> m_done{false};
};

// A play list can be sent when it has at least one entry; an empty one is
// refused with the message the window shows for it.
common::Status checkSendable(const project::PlayProjectData &project);

// The least time one block takes at `baudRate`: the fixed waits of its one
// attempt and its frame's time on the line (10 bits a byte).
int nominalBlockMs(int baudRate);

// The least time a whole send of `blocks` blocks takes at `baudRate`: the
// opening, the call and the delete with their waits, every block's
// nominalBlockMs and the pause at the end.
qint64 nominalSendMs(int blocks, int baudRate);

} // namespace halvane::encode
