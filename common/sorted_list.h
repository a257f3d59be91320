#pragma once

#include <QSet>
#include <QStringList>

#include <vector>

namespace zr {

// A sorted list box: entries in list order (see list_order.h) whatever the order of
// insertion. Sorting happens when the list is first read after additions, so filling it
// stays linear.
class SortedList {
public:
    void add(const QString& text);
    void clear();
    int count() const { return static_cast<int>(m_entries.size()); }
    bool is_empty() const { return m_entries.empty(); }
    // Whether an entry has exactly this text.
    bool contains(const QString& text) const { return m_texts.contains(text); }
    // The entry at index in list order.
    const QString& at(int index) const;
    QStringList items() const;

private:
    struct Entry {
        QString key;
        QString text;
    };
    void sort() const;

    mutable std::vector<Entry> m_entries;
    mutable bool m_sorted = true;
    QSet<QString> m_texts;
};

} // namespace zr
