// A style stack of markup text (fonts, colours, spacings, alignments), bounded in depth.
#pragma once

#include <vector>

namespace Orvik {

// Every line's drawing pass restarts from a copy of the stacks, so their
// depth is bounded: pushes beyond the bound are counted, not kept, and
// their pops only undo the count. No real text nests this deep.
template <typename T>
class CMarkupStack {
public:
    static constexpr int MAX_DEPTH = 256;

    void Push(T value) {
        if (static_cast<int>(m_items.size()) < MAX_DEPTH)
            m_items.push_back(value);
        else
            ++m_nOverflow;
    }
    void Pop() {
        if (m_nOverflow > 0)
            --m_nOverflow;
        else if (!m_items.empty())
            m_items.pop_back();
    }
    // The top value, or fallback when the stack is empty.
    T Top(T fallback) const { return m_items.empty() ? fallback : m_items.back(); }

private:
    std::vector<T> m_items;
    int m_nOverflow = 0;
};

}  // namespace Orvik
