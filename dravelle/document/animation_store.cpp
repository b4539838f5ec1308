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

void AnimationStore::setModified(bool modified)
{
    m_modified = modified;
    if (!modified && m_stepDepth == 0)
        m_history.setMark(UndoHistory::Saved);
}

void AnimationStore::beginStep(const QString &mergeKey)
{
    if (m_stepDepth++ > 0)
        return;
    m_openHadAnimation = m_hasAnimation;
    m_openContinued = m_history.canContinue(mergeKey);
    if (m_openContinued) {
        m_open = m_history.takeLast();
        return;
    }
    m_open = UndoStep{};
    m_open.mergeKey = mergeKey;
    m_open.pageBefore = m_currentPage;
}

void AnimationStore::endStep()
{
    if (--m_stepDepth > 0)
        return;
    UndoStep step = std::move(m_open);
    m_open = UndoStep{};
    step.pageAfter = m_currentPage;
    if (!m_openHadAnimation || !m_hasAnimation) {
        m_history.clear();
        announce(StoreChange::History);
        return;
    }
    // A step continued from the history goes back even when its new part
    // changed nothing; a fresh one that changed nothing is no step.
    const bool changed = !step.pages.changesNothing(m_pages) || !step.delays.changesNothing(m_delays)
        || !step.words.changesNothing(m_wordsLayer);
    if (changed || m_openContinued) {
        m_history.push(std::move(step));
        announce(StoreChange::History);
    }
}

void AnimationStore::record(unsigned lists, int at, int oldCount, int newCount)
{
    if (m_stepDepth == 0)
        return;
    if (lists & PageList)
        m_open.pages.record(m_pages, at, oldCount, newCount);
    if (lists & DelayList)
        m_open.delays.record(m_delays, at, oldCount, newCount);
    if (lists & WordsList)
        m_open.words.record(m_wordsLayer, at, oldCount, newCount);
}

bool AnimationStore::exchange(bool undoing)
{
    if (undoing ? !canUndo() : !canRedo())
        return false;
    UndoStep &step = undoing ? m_history.takeUndo() : m_history.takeRedo();
    const std::size_t before = step.bytes();
    step.pages.exchange(m_pages);
    step.delays.exchange(m_delays);
    step.words.exchange(m_wordsLayer);
    m_history.stepChanged(before, step);
    loadPage(std::clamp(undoing ? step.pageBefore : step.pageAfter, 1, pageCount()));
    m_modified = !m_history.atMark(UndoHistory::Saved);
    announceAll();
    return true;
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
    Step step(*this);
    clearAll();
    announceAll();
}

void AnimationStore::clearAll()
{
    record(PageList | DelayList, 0, pageCount(), 0);
    record(WordsList, 0, int(m_wordsLayer.size()), 0);
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
    Step step(*this);
    clearAll();
    applyCrossMask();
    record(PageList | DelayList, 0, 0, 1);
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
    Step step(*this);
    record(PageList, m_currentPage - 1, 1, 1);
    m_pages[std::size_t(m_currentPage - 1)] = m_working;
    announce(StoreChange::PageDots, m_currentPage, m_currentPage);
}

bool AnimationStore::addPage()
{
    if (!m_hasAnimation)
        return false;
    Step step(*this);
    record(PageList | DelayList, pageCount(), 0, 1);
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
    return insertPages(m_currentPage, {m_pages[at - 1]}, {m_delays[at]});
}

bool AnimationStore::insertPages(int after, std::vector<DotPage> pages, std::vector<int> delays)
{
    if (!m_hasAnimation || after < 0 || after > pageCount() || pages.empty() || pages.size() != delays.size())
        return false;
    if (!std::all_of(pages.begin(), pages.end(), [this](const DotPage &p) { return isPageSized(p); })
        || std::any_of(delays.begin(), delays.end(), [](int d) { return d < 0; }))
        return false;
    Step step(*this);
    const int count = int(pages.size());
    record(PageList | DelayList, after, 0, count);
    m_pages.insert(m_pages.begin() + after, std::make_move_iterator(pages.begin()),
                   std::make_move_iterator(pages.end()));
    m_delays.insert(m_delays.begin() + after, delays.begin(), delays.end());
    m_modified = true;
    loadPage(after + 1);
    // Every page from the first inserted one on has moved up.
    announce(StoreChange::PageDots | StoreChange::Delays | StoreChange::PageCount | StoreChange::Selection,
             after + 1, pageCount());
    return true;
}

bool AnimationStore::deletePage()
{
    return m_hasAnimation && removePages(m_currentPage, m_currentPage);
}

bool AnimationStore::removePages(int first, int last)
{
    if (!m_hasAnimation || first < 1 || last < first || last > pageCount() || last - first + 1 >= pageCount())
        return false;
    Step step(*this);
    record(PageList | DelayList, first - 1, last - first + 1, 0);
    m_pages.erase(m_pages.begin() + (first - 1), m_pages.begin() + last);
    m_delays.erase(m_delays.begin() + (first - 1), m_delays.begin() + last);
    m_modified = true;
    loadPage(std::min(first, pageCount()));
    announce(StoreChange::PageDots | StoreChange::Delays | StoreChange::PageCount | StoreChange::Selection,
             std::min(first, pageCount()), pageCount());
    return true;
}

bool AnimationStore::changePages(int first, int last, const std::function<void(DotPage &)> &change)
{
    if (!m_hasAnimation || first < 1 || last < first || last > pageCount())
        return false;
    Step step(*this);
    record(PageList, first - 1, last - first + 1, last - first + 1);
    for (int number = first; number <= last; ++number)
        change(m_pages[std::size_t(number - 1)]);
    m_modified = true;
    loadPage(m_currentPage);
    announce(StoreChange::PageDots | StoreChange::Selection, first, last);
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
    Step step(*this);
    record(DelayList, number - 1, 1, 1);
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
    Step step(*this);
    record(PageList | DelayList, 0, pageCount(), int(pages.size()));
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
    Step step(*this);
    record(WordsList, 0, int(m_wordsLayer.size()), int(layer.size()));
    m_wordsLayer = std::move(layer);
    if (m_wordsLayer.empty()) {
        loadPage(m_currentPage);
        announce(StoreChange::WordsLayer | StoreChange::Selection, 1, pageCount());
        return true;
    }
    const int before = pageCount();
    const int wanted = int(m_wordsLayer.size());
    if (wanted > before)
        record(PageList | DelayList, before, 0, wanted - before);
    else
        record(PageList | DelayList, wanted, before - wanted, 0);
    for (int k = before; k < wanted; ++k) {
        DotPage copy = m_pages[std::size_t(k % before)];
        m_pages.push_back(std::move(copy));
        m_delays.push_back(m_delays[std::size_t(k % before)]);
    }
    m_pages.resize(std::size_t(wanted));
    m_delays.resize(std::size_t(wanted));
    m_modified = true;
    loadPage(1);
    announceAll();
    return true;
}

} // namespace dravelle::document
