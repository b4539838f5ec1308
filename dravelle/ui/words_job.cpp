#include "dravelle/ui/words_job.h"

#include "dravelle/editor/words.h"
#include "dravelle/ui/dialog_support.h"
#include "dravelle/ui/wait_window.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace dravelle::ui {

using document::DotPage;

WordsJob::WordsJob(document::AnimationStore &store, QWidget *window, LayerBuilder builder)
    : m_store(store)
    , m_window(window)
    , m_builder(builder ? std::move(builder) : LayerBuilder(&editor::buildWordsLayer))
{
}

WordsJob::~WordsJob()
{
    join();
    m_busy.store(false);
    delete m_waitWindow.data();
}

common::Status WordsJob::start(const document::WordsSettings &settings)
{
    if (m_busy.load())
        return common::Status::failure(tr("The words are still being drawn."));
    if (!m_store.hasAnimation())
        return common::Status::failure(tr("There is no animation to add words to."));
    if (common::Status fits = editor::checkWordsPageCount(settings, m_store.resolution()); !fits)
        return fits;
    common::Status status = m_store.setWordsSettings(settings);
    if (!status)
        return status;
    join();
    delete m_waitWindow.data();
    m_busy.store(true);
    m_waitWindow = new WaitWindow(m_busy, m_window);
    m_waitWindow->show();

    const int resolution = m_store.resolution();
    m_thread = std::thread([this, settings, resolution] {
        std::vector<DotPage> layer = m_builder(settings, resolution);
        QMetaObject::invokeMethod(
            this, [this, layer = std::move(layer)]() mutable { install(std::move(layer)); },
            Qt::QueuedConnection);
    });
    return status;
}

void WordsJob::install(std::vector<DotPage> layer)
{
    join();
    m_store.setWordsLayer(std::move(layer));
    m_busy.store(false);
    emit finished();
}

bool WordsJob::refuseWhileBusy(QWidget *parent) const
{
    if (!m_busy.load())
        return false;
    showPrompt(parent, tr("Please wait: the words are still being drawn."));
    return true;
}

void WordsJob::join()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace dravelle::ui
