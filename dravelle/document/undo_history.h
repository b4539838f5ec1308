#pragma once

#include "dravelle/document/packed_page.h"

#include <QString>

#include <algorithm>
#include <array>
#include <cstddef>
#include <deque>
#include <vector>

namespace dravelle::document {

// How a list's elements are kept aside in a step: pages packed, delays as
// they are.
inline PackedPage stash(const DotPage &page) { return PackedPage::pack(page); }
inline DotPage unstash(const PackedPage &page) { return page.unpack(); }
inline int stash(int value) { return value; }
inline int unstash(int value) { return value; }
inline std::size_t heldBytes(const PackedPage &page) { return page.bytes(); }
inline std::size_t heldBytes(int) { return sizeof(int); }

// What one step changed in one list of the animation (pages, delays or the
// words layer): the run of elements [at, at + count) that the list holds now,
// and what that run held on the other side of the step. Undo and redo are
// the same exchange, so a step keeps only one side of what it changed.
template <typename Live, typename Stored>
struct SpanEdit {
    bool used = false;
    int at = 0;
    int count = 0;
    std::vector<Stored> other;

    // Called before the live list's elements [from, from + oldCount) are
    // replaced by newCount others. Several edits in one step grow the span
    // to cover them all.
    void record(const std::vector<Live> &live, int from, int oldCount, int newCount)
    {
        if (!used) {
            used = true;
            at = from;
            count = newCount;
            other.clear();
            for (int i = from; i < from + oldCount; ++i)
                other.push_back(stash(live[std::size_t(i)]));
            return;
        }
        // Outside the span the live elements are still those from before
        // the step; they join the span's old side.
        const int begin = std::min(at, from);
        const int end = std::max(at + count, from + oldCount);
        std::vector<Stored> merged;
        merged.reserve(std::size_t(end - begin - count) + other.size());
        for (int i = begin; i < at; ++i)
            merged.push_back(stash(live[std::size_t(i)]));
        for (Stored &kept : other)
            merged.push_back(std::move(kept));
        for (int i = at + count; i < end; ++i)
            merged.push_back(stash(live[std::size_t(i)]));
        other = std::move(merged);
        at = begin;
        count = end - begin - oldCount + newCount;
    }

    // Puts the other side back into the live list and keeps the side it replaced.
    void exchange(std::vector<Live> &live)
    {
        if (!used)
            return;
        std::vector<Stored> replaced;
        replaced.reserve(std::size_t(count));
        const auto first = live.begin() + at;
        for (auto it = first; it != first + count; ++it)
            replaced.push_back(stash(*it));
        live.erase(first, first + count);
        std::vector<Live> back;
        back.reserve(other.size());
        for (const Stored &kept : other)
            back.push_back(unstash(kept));
        live.insert(live.begin() + at, std::make_move_iterator(back.begin()), std::make_move_iterator(back.end()));
        count = int(other.size());
        other = std::move(replaced);
    }

    // Whether the live run is what it was before the step.
    bool changesNothing(const std::vector<Live> &live) const
    {
        if (!used)
            return true;
        if (std::size_t(count) != other.size())
            return false;
        for (int i = 0; i < count; ++i)
            if (!(stash(live[std::size_t(at + i)]) == other[std::size_t(i)]))
                return false;
        return true;
    }

    std::size_t bytes() const
    {
        std::size_t held = sizeof(*this);
        for (const Stored &kept : other)
            held += heldBytes(kept);
        return held;
    }
};

// One undoable step: what it changed in the pages, the delays and the words
// layer, and the current page before and after it.
struct UndoStep {
    SpanEdit<DotPage, PackedPage> pages;
    SpanEdit<int, int> delays;
    SpanEdit<DotPage, PackedPage> words;
    int pageBefore = 0;
    int pageAfter = 0;
    // Steps with the same key that follow one another directly become one
    // (the keystrokes in one delay box), until the step is sealed.
    QString mergeKey;
    bool sealed = false;

    std::size_t bytes() const { return sizeof(*this) + pages.bytes() + delays.bytes() + words.bytes(); }
};

// The steps of the animation that can be undone and redone. It keeps at
// least minSteps steps; beyond that the oldest go once the steps hold more
// than byteBudget bytes, and never more than maxSteps are kept.
//
// Marks name states of the history (after the save, where the animation was
// created or opened): the animation is at a mark when it is in that state
// again after undo or redo. A mark whose state is dropped is unreachable.
class UndoHistory {
public:
    struct Limits {
        int minSteps = 100;
        int maxSteps = 1000;
        std::size_t byteBudget = std::size_t(64) << 20;
    };

    UndoHistory() = default;
    explicit UndoHistory(Limits limits) : m_limits(limits) {}

    enum Mark { Saved, Origin, MarkCount };

    bool canUndo() const { return m_index > 0; }
    bool canRedo() const { return m_index < int(m_steps.size()); }
    int stepCount() const { return int(m_steps.size()); }
    // Steps that can be undone from the state now.
    int undoCount() const { return m_index; }
    std::size_t heldBytes() const { return m_bytes; }

    // Adds a step done just now; the steps that could be redone go.
    void push(UndoStep step);
    // The step to undo (the index moves down) or redo (it moves up); call
    // only when canUndo() / canRedo(). The step's size is counted again
    // with stepChanged() once the caller has exchanged its sides.
    UndoStep &takeUndo();
    UndoStep &takeRedo();
    void stepChanged(std::size_t oldBytes, const UndoStep &step);

    // The last step, taken back out to be continued, when it has this merge
    // key, is not sealed and no mark is set on the state after it.
    bool canContinue(const QString &mergeKey) const;
    UndoStep takeLast();
    void sealLast();

    void setMark(Mark mark) { m_marks[mark] = m_index; }
    bool atMark(Mark mark) const { return m_marks[mark] == m_index; }

    void clear();

private:
    void trim();

    Limits m_limits;
    std::deque<UndoStep> m_steps;
    int m_index = 0;
    std::size_t m_bytes = 0;
    std::array<int, MarkCount> m_marks{-1, -1};
};

} // namespace dravelle::document
