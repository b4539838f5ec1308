#include "dravelle/document/undo_history.h"

namespace dravelle::document {

void UndoHistory::push(UndoStep step)
{
    while (int(m_steps.size()) > m_index) {
        m_bytes -= m_steps.back().bytes();
        m_steps.pop_back();
    }
    for (int &mark : m_marks)
        if (mark > m_index)
            mark = -1;
    m_bytes += step.bytes();
    m_steps.push_back(std::move(step));
    ++m_index;
    trim();
}

void UndoHistory::trim()
{
    while (int(m_steps.size()) > m_limits.maxSteps
           || (int(m_steps.size()) > m_limits.minSteps && m_bytes > m_limits.byteBudget)) {
        m_bytes -= m_steps.front().bytes();
        m_steps.pop_front();
        --m_index;
        for (int &mark : m_marks)
            mark = mark > 0 ? mark - 1 : -1;
    }
}

UndoStep &UndoHistory::takeUndo()
{
    --m_index;
    return m_steps[std::size_t(m_index)];
}

UndoStep &UndoHistory::takeRedo()
{
    ++m_index;
    return m_steps[std::size_t(m_index - 1)];
}

void UndoHistory::stepChanged(std::size_t oldBytes, const UndoStep &step)
{
    m_bytes = m_bytes - oldBytes + step.bytes();
}

bool UndoHistory::canContinue(const QString &mergeKey) const
{
    if (mergeKey.isEmpty() || m_index == 0 || m_index != int(m_steps.size()))
        return false;
    const UndoStep &last = m_steps.back();
    for (int mark : m_marks)
        if (mark == m_index)
            return false;
    return !last.sealed && last.mergeKey == mergeKey;
}

UndoStep UndoHistory::takeLast()
{
    UndoStep last = std::move(m_steps.back());
    m_steps.pop_back();
    m_bytes -= last.bytes();
    --m_index;
    return last;
}

void UndoHistory::sealLast()
{
    if (!m_steps.empty())
        m_steps.back().sealed = true;
}

void UndoHistory::clear()
{
    m_steps.clear();
    m_index = 0;
    m_bytes = 0;
    m_marks.fill(-1);
}

} // namespace dravelle::document
