#include "dravelle/editor/import_worker.h"

namespace dravelle::editor {

ImportWorker::ImportWorker(QObject *parent)
    : QObject(parent)
{
}

ImportWorker::~ImportWorker()
{
    cancelAndWait();
}

bool ImportWorker::start(const ImportOptions &options)
{
    if (m_running.load())
        return false;
    join();
    m_cancel.store(false);
    m_running.store(true);
    m_result = {};
    m_thread = std::thread([this, options] {
        ImportResult result = importPictureFile(options, &m_cancel,
                                                [this](int done, int total) { emit progress(done, total); });
        m_result = std::move(result);
        m_running.store(false);
        emit finished();
    });
    return true;
}

void ImportWorker::cancelAndWait()
{
    cancel();
    join();
}

ImportResult ImportWorker::takeResult()
{
    join();
    return std::move(m_result);
}

void ImportWorker::join()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace dravelle::editor
