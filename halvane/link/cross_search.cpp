#include "halvane/link/cross_search.h"

#include "halvane/link/device_check.h"
#include "halvane/link/exchanges.h"
#include "halvane/settings/halvane_config.h"

#include <QCoreApplication>
#include <QThread>

namespace halvane::link {

using namespace halvane::settings;

namespace {

constexpr int kCallWaitMs = 600;
constexpr int kCallReadSize = 50;
constexpr int kVersionWaitMs = 1000;
constexpr int kVersionReadSize = 50;

bool crossAnswers(const LinkContext &link, int port, int rate)
{
    PortHandle handle = OpenCrossPort(link, port, rate);
    if (!handle)
        return false;
    const bool answered =
        CallCross(link, *handle, Address4Fallback::EF, kCallWaitMs, kCallReadSize).answered();
    CloseCrossPort(handle);
    return answered;
}

int readResolution(const LinkContext &link, int port, int rate)
{
    PortHandle handle = OpenCrossPort(link, port, rate);
    if (!handle)
        return 0;
    const auto version = ReadVersion(link, *handle, kVersionWaitMs, kVersionReadSize);
    CloseCrossPort(handle);
    return version ? resolutionFromVersion(*version) : 0;
}

// Keeps the first failure of the search's writes: the result still stands
// for this run, and whoever shows it can say why the next run will not know it.
void keep(SearchResult &result, const common::Status &written)
{
    if (!written && result.settingsError.isEmpty())
        result.settingsError = written.message;
}

void recordFound(const LinkContext &link, SearchResult &result)
{
    const QString ini = link.iniPath();
    keep(result, writeBootInt(ini, kKeyPort, result.port));
    keep(result, writeBootInt(ini, kKeyFind, 1));
    keep(result, writeBootInt(ini, kKeyBaudRate, result.baudRate));
    result.resolution = readResolution(link, result.port, result.baudRate);
    keep(result, writeBootInt(ini, kKeyCrossStyle, result.crossStyle()));
}

} // namespace

int SearchResult::crossStyle() const
{
    if (resolution == 48)
        return kCrossStyle48;
    if (resolution == 64)
        return kCrossStyle64;
    return kCrossStyleError;
}

SearchResult SearchCross(const LinkContext &link)
{
    SearchResult result;
    for (int pass = 0; pass < kSearchPasses; ++pass) {
        for (int port = 1; port <= kSearchPorts; ++port) {
            for (int rate : kSearchRates) {
                if (!crossAnswers(link, port, rate))
                    continue;
                result.found = true;
                result.port = port;
                result.baudRate = rate;
                recordFound(link, result);
                return result;
            }
        }
    }
    keep(result, writeBootInt(link.iniPath(), kKeyFind, 0));
    result.portProblems = unusablePorts(link.iniPath(), kSearchPorts);
    return result;
}

CrossSearch::CrossSearch(LinkContext link, QObject *parent) : QObject(parent), m_link(std::move(link))
{
    connect(&m_worker, &common::Worker::finished, this, [this] { emit finished(m_result); });
}

CrossSearch::~CrossSearch()
{
    wait();
}

void CrossSearch::start()
{
    if (m_started)
        return;
    m_started = true;
    m_running.store(true, std::memory_order_release);
    m_done.store(false, std::memory_order_release);
    m_worker.start([this](const std::atomic<bool> &) {
        m_result = SearchCross(m_link);
        m_running.store(false, std::memory_order_release);
        m_done.store(true, std::memory_order_release);
        return QVariant();
    });
}

void CrossSearch::wait()
{
    m_worker.wait();
}

SearchResult CrossSearch::result() const
{
    return done() ? m_result : SearchResult{};
}

std::array<QString, 3> statusBarTexts(const QString &iniPath)
{
    if (readBootInt(iniPath, kKeyFind, 0) != 1)
        return {QCoreApplication::translate("halvane::link", "   Can't find cross!     "),
                QCoreApplication::translate("halvane::link", "   COM : --     "),
                QCoreApplication::translate("halvane::link", "   Baudrate : ------     ")};
    const int style = readBootInt(iniPath, kKeyCrossStyle, 0);
    const QString kind = style == kCrossStyle48   ? QStringLiteral("48x48")
                         : style == kCrossStyle64 ? QStringLiteral("64x64")
                                                  : QCoreApplication::translate("halvane::link", "Error");
    return {QCoreApplication::translate("halvane::link", "   Single Color CROSS %1    ").arg(kind),
            QCoreApplication::translate("halvane::link", "   COM : %1     ").arg(readBootInt(iniPath, kKeyPort, 0)),
            QCoreApplication::translate("halvane::link", "   Baudrate : %1     ")
                .arg(readBootInt(iniPath, kKeyBaudRate, 0))};
}

} // namespace halvane::link
