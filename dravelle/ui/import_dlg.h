#pragma once

#include "dravelle/document/animation_store.h"
#include "dravelle/editor/import_worker.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace dravelle::ui {

class AnimatedPicture;

// "Get Animation From Video File": shows the chosen picture playing in the
// chosen region, lets the user pick the region and the threshold, and turns
// the frames into pages on the import worker with a progress bar.
// GetAnimations and OK are disabled while a conversion runs; each finished
// conversion replaces the store's pages, and OK keeps them. Closing the dialog
// in any way stops the playback, and stops and waits for a running
// conversion, whose pages are then dropped: the store never holds a part of
// an import.
class ImportDlg : public QDialog {
    Q_OBJECT

public:
    ImportDlg(document::AnimationStore &store, const QString &path, QWidget *parent = nullptr);
    ~ImportDlg() override;

    AnimatedPicture *picture() const { return m_picture; }
    bool isConverting() const { return m_worker.isRunning(); }

    void done(int result) override;

private:
    void buildControls();
    QWidget *buildRegionBox();
    void getAnimations();
    void conversionFinished();
    editor::ImportRegion chosenRegion() const;

    document::AnimationStore &m_store;
    QString m_path;
    editor::ImportWorker m_worker;
    bool m_closing = false;

    AnimatedPicture *m_picture = nullptr;
    QProgressBar *m_progress = nullptr;
    QLineEdit *m_frames = nullptr;
    QLineEdit *m_pathField = nullptr;
    QLabel *m_error = nullptr;
    QRadioButton *m_regions[3] = {};
    QSpinBox *m_threshold = nullptr;
    QPushButton *m_getAnimations = nullptr;
    QPushButton *m_ok = nullptr;
};

} // namespace dravelle::ui
