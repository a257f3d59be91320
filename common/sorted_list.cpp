#include "sorted_list.h"

#include "common/list_order.h"

#include <algorithm>

namespace zr {

void SortedList::add(const QString& text) {
    m_entries.push_back({list_sort_key(text), text});
    m_texts.insert(text);
    m_sorted = false;
}

void SortedList::clear() {
    m_entries.clear();
    m_texts.clear();
    m_sorted = true;
}

const QString& SortedList::at(int index) const {
    sort();
    return m_entries.at(static_cast<std::size_t>(index)).text;
}

QStringList SortedList::items() const {
    sort();
    QStringList texts;
    texts.reserve(count());
    for (const Entry& entry : m_entries)
        texts << entry.text;
    return texts;
}

void SortedList::sort() const {
    if (m_sorted)
        return;
    std::stable_sort(m_entries.begin(), m_entries.end(), [](const Entry& a, const Entry& b) {
        const int by_key = a.key.compare(b.key);
        return by_key != 0 ? by_key < 0 : a.text < b.text;
    });
    m_sorted = true;
}

} // namespace zr
