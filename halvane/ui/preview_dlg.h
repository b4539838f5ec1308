#pragma once

#include "halvane/ui/guarded_dialog.h"
#include "halvane/preview/preview_context.h"

#include <QSize>

#include <atomic>
#include <memory>

class QLabel;
class QPushButton;
class QThread;

namespace halvane::preview {
class PreviewPlayback;
}

namespace halvane::ui {

// The Preview dialog: one message, animation or picture, or the whole play
// list, played once on a large cross drawn dot by dot on a grey grid. The
// dot size d is the cross picture's area divided by S; the dialog takes its
// size from it. The playback runs on a worker thread and hands each picture
// over queued. A close request while the preview runs only stops it; the
// next one closes the dialog. The last picture stays when the preview ends.
// "Save as GIF..." writes the same preview, once through, as an animated GIF.
class CPreviewDlg : public GuardedDialog {
    Q_OBJECT

public:
    // The cross picture's area before the dialog sizes itself.
    static constexpr QSize kPictureArea{450, 250};

    // `fileName` names the animation list entry for the Animation and
    // Picture kinds.
    CPreviewDlg(preview::PreviewContext context, preview::PreviewKind kind, const QString &fileName = {},
                QWidget *parent = nullptr, QSize pictureArea = kPictureArea);
    // Stops the preview and a recording and waits for both threads.
    ~CPreviewDlg() override;

    int dotSize() const { return m_dotSize; }
    // True once the preview has ended, by itself or by a close request.
    bool isFinished() const { return m_ended; }

signals:
    void previewEnded();
    // A "Save as GIF..." recording was written (ok) or failed with `message`.
    void gifSaved(bool ok, const QString &message);

protected:
    // A running preview is stopped; an ended one closes.
    void requestClose() override;

private:
    void buildForm(QSize pictureArea);
    void startPreview();
    void showPicture(const QImage &picture);
    void showMessage(const QString &text);
    void chooseGifFile();
    void saveGif(const QString &path);
    void gifWritten(bool ok, const QString &message);

    preview::PreviewContext m_context;
    preview::PreviewKind m_kind;
    QString m_fileName;
    int m_dotSize = 1;
    bool m_ended = false;

    QLabel *m_picture = nullptr;
    QPushButton *m_saveGif = nullptr;
    QLabel *m_saveStatus = nullptr;

    std::atomic<bool> m_stopRecording{false};
    std::unique_ptr<QThread> m_recorder;
    std::unique_ptr<preview::PreviewPlayback> m_playback; // declared last: stopped first
};

} // namespace halvane::ui
