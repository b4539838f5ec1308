#pragma once

#include "common/status.h"
#include "dravelle/document/dot_page.h"
#include "dravelle/document/undo_history.h"
#include "dravelle/document/words_settings.h"

#include <QString>

#include <functional>
#include <vector>

namespace dravelle::document {

// What one store operation changed, so a window redraws only that: the dots
// of pages firstPage..lastPage (1-based, both 0 when no page's dots changed),
// their delays, the words layer, the number of pages, and which page is
// current (the working page was loaded again), and whether what can be
// undone changed.
struct StoreChange {
    enum Part : unsigned {
        PageDots = 1,
        Delays = 2,
        WordsLayer = 4,
        PageCount = 8,
        Selection = 16,
        // Alone: a step was added to the undo history (or it was emptied).
        History = 32,
    };
    unsigned parts = 0;
    int firstPage = 0;
    int lastPage = 0;

    bool has(Part part) const { return (parts & part) != 0; }
};

// The animation being edited: its pages with their delays, the words layer
// laid over them, the working page (the current page as it is being drawn,
// words included), the current page and group, the file it is saved to and
// the modified flag. Every editing operation of the editor goes through it.
//
// Pages and groups are numbered from 1; a group holds eight pages and the
// page strip shows the current group. Invariants after every operation, once
// an animation exists: at least one page; as many delays as pages; every plane
// R x R codes; 1 <= current page <= page count; current group = group of the
// current page. Before the first newAnimation() (or replacePages()) there is
// no animation and the page operations do nothing.
//
// The words layer is page-aligned with the pages when Add Words makes it, but
// Add, Insert and Delete change only the pages, so it may end up shorter than
// the page list: a page without a words page of the same number gets nothing
// laid over it.
//
// Every operation that changes the pages, the delays or the words layer is
// one undoable step; a Step held around several makes them one (a dialog's
// work, an import). Undo and redo restore the current page the step was done
// on; the modified flag follows whether the animation is back where it was
// saved. A step taken while there was no animation is not kept: there is
// nothing to go back to.
//
// The store is not thread-safe: workers (import, words) build their results
// on their own and hand them to the store on the user-interface thread.
class AnimationStore {
public:
    static constexpr int kDefaultDelayMs = 200;
    static constexpr int kPagesPerGroup = 8;

    // `resolution` is 48 or 64; any other value gives 48.
    explicit AnimationStore(int resolution = 48);

    // Called after every operation that changed something (one call per
    // operation); the working page changing under the dot tools is not
    // announced until it is committed.
    using ChangeObserver = std::function<void(const StoreChange &)>;
    void setChangeObserver(ChangeObserver observer) { m_observer = std::move(observer); }

    int resolution() const { return m_resolution; }
    int resolutionIndex() const { return m_resolution == 64 ? 1 : 0; }
    int dotCount() const { return m_resolution * m_resolution; }

    bool hasAnimation() const { return m_hasAnimation; }
    bool isModified() const { return m_modified; }
    // Not modified (after a save) also marks the state the history returns to.
    void setModified(bool modified);
    // The file Save writes to; empty after New, Open and the templates.
    const QString &documentPath() const { return m_documentPath; }
    void setDocumentPath(const QString &path) { m_documentPath = path; }

    int pageCount() const { return int(m_pages.size()); }
    int groupCount() const { return groupOfPage(pageCount()); }
    int currentPage() const { return m_currentPage; }
    int currentGroup() const { return m_currentGroup; }
    static int groupOfPage(int page) { return (page + kPagesPerGroup - 1) / kPagesPerGroup; }

    // Page `number` (1..pageCount()) as stored, without its words.
    const DotPage &page(int number) const { return m_pages.at(std::size_t(number - 1)); }
    int delay(int number) const { return m_delays.at(std::size_t(number - 1)); }
    const std::vector<DotPage> &pages() const { return m_pages; }
    const std::vector<int> &delays() const { return m_delays; }
    // Page `number` with its words page laid over: what is shown and saved.
    DotPage composedPage(int number) const;

    const std::vector<DotPage> &wordsLayer() const { return m_wordsLayer; }
    const WordsSettings &wordsSettings() const { return m_words; }
    // Refuses settings that validate() refuses and keeps the old ones.
    common::Status setWordsSettings(const WordsSettings &settings);

    // The working page: the dot tools change it, commitWorkingPage() stores it.
    const DotPage &workingPage() const { return m_working; }
    DotPage &workingPage() { return m_working; }

    // Empties pages, delays, words layer and words text; the working page
    // becomes all 0; no animation, no path, not modified.
    void reset();
    // Every cross dot of the working page off, the corners 0.
    void applyCrossMask();
    // Reset, then one dark page with 200 ms, selected; counts as modified.
    void newAnimation();

    // Makes page (current group - 1) * 8 + slot current and loads it, with its
    // words, into the working page. A slot outside 1..8 or beyond the last
    // page does nothing and gives false.
    bool selectSlot(int slot);
    // The same for any existing page; the current group follows it.
    bool selectPage(int number);
    // Shows group `group` (First, Up, Down, Last of the page strip): its first
    // page becomes current. A group without pages does nothing.
    bool showGroup(int group);

    // Stores the working page (with the words dots it carries) as the current page.
    void commitWorkingPage();

    // Page commands. Each changes the page list, marks the animation modified
    // and selects the page that becomes current; false when it did nothing.
    // Add: a copy of the working page at the end, 200 ms.
    bool addPage();
    // Insert: a copy of the stored current page after it, with the delay of
    // the page that followed; nothing on the last page.
    bool insertPage();
    // Delete: the current page goes; on the last page the one before becomes
    // current; nothing when only one page is left.
    bool deletePage();
    // Clear: every lit dot of the working page off, committed; the current page
    // stays selected as it is, dark. Corners stay 0; the words layer stays and
    // shows again on the page the next time it is selected.
    bool clearPage();

    // Delay of the current page, or of page `number`; a negative delay is
    // refused.
    bool setCurrentDelay(int ms) { return setDelay(m_currentPage, ms); }
    bool setDelay(int number, int ms);

    // Pages copied in after page `after` (0: before the first), the first of
    // them selected. Refused like replacePages().
    bool insertPages(int after, std::vector<DotPage> pages, std::vector<int> delays);
    // Pages first..last go; refused when that would leave none. The page
    // after them (or the one before, at the end) becomes current.
    bool removePages(int first, int last);
    // Changes the stored pages first..last in place (Reverse Color, the page
    // transforms); `change` keeps every plane R x R codes. The current page
    // is loaded again.
    bool changePages(int first, int last, const std::function<void(DotPage &)> &change);

    // Replaces the whole page list (templates, import): page 1 becomes current,
    // the animation exists and is modified. Refused (false, nothing changed)
    // when the list is empty, the counts differ, a delay is negative or a
    // page is not R x R.
    bool replacePages(std::vector<DotPage> pages, std::vector<int> delays);

    // Installs a words layer and fits the pages to it (Add Words): with n
    // pages and P words pages, pages n + 1 .. P repeat pages 1..n in order
    // with their delays, or pages P + 1 .. n go; page 1 becomes current. An
    // empty layer only removes the words. False (nothing changed) without an
    // animation or when a words page is not R x R.
    bool setWordsLayer(std::vector<DotPage> layer);

    // Groups the operations until endStep() into one step; nested calls join
    // the outer one. A step with a merge key continues the last step when
    // that has the same key (keystrokes in one delay box).
    void beginStep(const QString &mergeKey = {});
    void endStep();
    // beginStep() and endStep() around a block.
    class Step {
    public:
        explicit Step(AnimationStore &store, const QString &mergeKey = {}) : m_store(store)
        {
            m_store.beginStep(mergeKey);
        }
        ~Step() { m_store.endStep(); }
        Step(const Step &) = delete;
        Step &operator=(const Step &) = delete;

    private:
        AnimationStore &m_store;
    };
    // The next step with the last one's merge key begins a step of its own.
    void sealLastStep() { m_history.sealLast(); }

    bool canUndo() const { return m_stepDepth == 0 && m_history.canUndo(); }
    bool canRedo() const { return m_stepDepth == 0 && m_history.canRedo(); }
    // False when there is nothing to undo or redo, or inside a step.
    bool undo() { return exchange(true); }
    bool redo() { return exchange(false); }
    const UndoHistory &history() const { return m_history; }
    // Marks the state now (the animation was created or opened here).
    void markOrigin() { m_history.setMark(UndoHistory::Origin); }
    bool atOrigin() const { return m_history.atMark(UndoHistory::Origin); }

private:
    enum List : unsigned { PageList = 1, DelayList = 2, WordsList = 4 };
    // Before the elements [at, at + oldCount) of the lists are replaced by
    // newCount others: the open step keeps what they held.
    void record(unsigned lists, int at, int oldCount, int newCount);
    bool exchange(bool undoing);
    bool isPageSized(const DotPage &page) const;
    // selectPage() without the change notice, for the operations that announce more.
    bool loadPage(int number);
    void clearAll();
    void announce(unsigned parts, int firstPage = 0, int lastPage = 0);
    // Everything changed: a new or replaced animation.
    void announceAll();

    ChangeObserver m_observer;

    int m_resolution;
    std::vector<DotPage> m_pages;
    std::vector<int> m_delays;
    std::vector<DotPage> m_wordsLayer;
    DotPage m_working;
    WordsSettings m_words;
    int m_currentPage = 0;
    int m_currentGroup = 0;
    bool m_hasAnimation = false;
    bool m_modified = false;
    QString m_documentPath;

    UndoHistory m_history;
    UndoStep m_open;
    int m_stepDepth = 0;
    bool m_openHadAnimation = false;
    bool m_openContinued = false;
};

} // namespace dravelle::document
