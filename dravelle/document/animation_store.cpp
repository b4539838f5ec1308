#include "dravelle/document/animation_store.h"

#include <algorithm>

namespace dravelle::document {

AnimationStore::AnimationStore(int resolution)
    : m_resolution(resolution == 64 ? 64 : 48),
      m_working(DotPage::blank(m_resolution))
{
}

void AnimationStore::announce(unsigned parts, int firstPage, int lastPage)
{
    if (m_observer)
        m_observer(StoreChange{parts, firstPage, lastPage});
}

void AnimationStore::announceAll()
{
    announce(StoreChange::PageDots | StoreChange::Delays | StoreChange::WordsLayer | StoreChange::PageCount
                 | StoreChange::Selection,
             pageCount() > 0 ? 1 : 0, pageCount());
}

void AnimationStore::announcePagesChanged(int firstPage, int lastPage)
{
    announce(StoreChange::PageDots, firstPage, lastPage);
}

DotPage AnimationStore::composedPage(int number) const
{
    DotPage composed = page(number);
    if (number >= 1 && number <= int(m_wordsLayer.size()))
        layOver(composed, m_wordsLayer[std::size_t(number - 1)]);
    return composed;
}

common::Status AnimationStore::setWordsSettings(const WordsSettings &settings)
{
    common::Status status = settings.validate();
    if (status)
        m_words = settings;
    return status;
}

void AnimationStore::reset()
{
    clearAll();
    announceAll();
}

void AnimationStore::clearAll()
{
    m_pages.clear();
    m_delays.clear();
    m_wordsLayer.clear();
    m_words.text.clear();
    m_working = DotPage::blank(m_resolution);
    m_currentPage = 0;
    m_currentGroup = 0;
    m_hasAnimation = false;
    m_documentPath.clear();
    m_modified = false;
}

void AnimationStore::applyCrossMask()
{
    m_working = DotPage::crossMask(m_resolution);
}

void AnimationStore::newAnimation()
{
    clearAll();
    applyCrossMask();
    m_pages.push_back(m_working);
    m_delays.push_back(kDefaultDelayMs);
    m_hasAnimation = true;
    loadPage(1);
    m_modified = true;
    announceAll();
}

bool AnimationStore::selectSlot(int slot)
{
    if (slot < 1 || slot > kPagesPerGroup || !m_hasAnimation)
        return false;
    return selectPage((m_currentGroup - 1) * kPagesPerGroup + slot);
}

bool AnimationStore::selectPage(int number)
{
    if (!loadPage(number))
        return false;
    announce(StoreChange::Selection);
    return true;
}

bool AnimationStore::loadPage(int number)
{
    if (!m_hasAnimation || number < 1 || number > pageCount())
        return false;
    m_currentPage = number;
    m_currentGroup = groupOfPage(number);
    m_working = composedPage(number);
    return true;
}

bool AnimationStore::showGroup(int group)
{
    if (group < 1 || group > groupCount())
        return false;
    return selectPage((group - 1) * kPagesPerGroup + 1);
}

void AnimationStore::commitWorkingPage()
{
    if (!m_hasAnimation)
        return;
    m_pages[std::size_t(m_currentPage - 1)] = m_working;
    announce(StoreChange::PageDots, m_currentPage, m_currentPage);
}

bool AnimationStore::addPage()
{
    if (!m_hasAnimation)
        return false;
    m_pages.push_back(m_working);
    m_delays.push_back(kDefaultDelayMs);
    m_modified = true;
    loadPage(pageCount());
    announce(StoreChange::PageDots | StoreChange::Delays | StoreChange::PageCount | StoreChange::Selection,
             pageCount(), pageCount());
    return true;
}

bool AnimationStore::insertPage()
{
    if (!m_hasAnimation || m_currentPage >= pageCount())
        return false;
    const auto at = std::size_t(m_currentPage);  // index of the page after the current one
    const DotPage copy = m_pages[at - 1];
    const int followingDelay = m_delays[at];
    m_pages.insert(m_pages.begin() + std::ptrdiff_t(at), copy);
    m_delays.insert(m_delays.begin() + std::ptrdiff_t(at), followingDelay);
    m_modified = true;
    loadPage(m_currentPage + 1);
    // Every page from the inserted one on has moved up by one.
    announce(StoreChange::PageDots | StoreChange::Delays | StoreChange::PageCount | StoreChange::Selection,
             m_currentPage, pageCount());
    return true;
}

bool AnimationStore::deletePage()
{
    if (!m_hasAnimation || pageCount() < 2)
        return false;
    const auto at = std::size_t(m_currentPage - 1);
    m_pages.erase(m_pages.begin() + std::ptrdiff_t(at));
    m_delays.erase(m_delays.begin() + std::ptrdiff_t(at));
    m_modified = true;
    const int from = int(at) + 1;
    loadPage(std::min(m_currentPage, pageCount()));
    announce(StoreChange::PageDots | StoreChange::Delays | StoreChange::PageCount | StoreChange::Selection,
             std::min(from, pageCount()), pageCount());
    return true;
}

bool AnimationStore::clearPage()
{
    if (!m_hasAnimation)
        return false;
    // The words dots the working page carries go dark with the rest; the
    // words layer itself stays and is laid over again the next time the page
    // is selected.
    m_working.switchOff();
    m_modified = true;
    commitWorkingPage();
    return true;
}

bool AnimationStore::setDelay(int number, int ms)
{
    if (!m_hasAnimation || ms < 0 || number < 1 || number > pageCount())
        return false;
    m_delays[std::size_t(number - 1)] = ms;
    m_modified = true;
    announce(StoreChange::Delays, number, number);
    return true;
}

bool AnimationStore::isPageSized(const DotPage &page) const
{
    return std::all_of(page.planes.begin(), page.planes.end(),
                       [this](const auto &plane) { return int(plane.size()) == dotCount(); });
}

bool AnimationStore::replacePages(std::vector<DotPage> pages, std::vector<int> delays)
{
    if (pages.empty() || pages.size() != delays.size())
        return false;
    if (!std::all_of(pages.begin(), pages.end(), [this](const DotPage &p) { return isPageSized(p); }))
        return false;
    if (std::any_of(delays.begin(), delays.end(), [](int d) { return d < 0; }))
        return false;
    m_pages = std::move(pages);
    m_delays = std::move(delays);
    m_hasAnimation = true;
    m_modified = true;
    loadPage(1);
    announceAll();
    return true;
}

bool AnimationStore::setWordsLayer(std::vector<DotPage> layer)
{
    if (!m_hasAnimation)
        return false;
    if (!std::all_of(layer.begin(), layer.end(), [this](const DotPage &p) { return isPageSized(p); }))
        return false;
    m_wordsLayer = std::move(layer);
    if (m_wordsLayer.empty()) {
        loadPage(m_currentPage);
        announce(StoreChange::WordsLayer | StoreChange::Selection, 1, pageCount());
        return true;
    }
    const std::size_t before = m_pages.size();
    const std::size_t wanted = m_wordsLayer.size();
    for (std::size_t k = before; k < wanted; ++k) {
        DotPage copy = m_pages[k % before];
        m_pages.push_back(std::move(copy));
        m_delays.push_back(m_delays[k % before]);
    }
    m_pages.resize(wanted);
    m_delays.resize(wanted);
    m_modified = true;
    loadPage(1);
    announceAll();
    return true;
}

} // namespace dravelle::document
