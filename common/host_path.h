#pragma once

#include <QString>
#include <QStringList>

namespace zr {

// Text rules for absolute host paths ("/" separated, no trailing "/" except the root).
struct HostPath {
    // Whether path is root itself or lies below it; "/a" holds "/a/b" but not "/ab".
    static bool is_within(const QString& root, const QString& path);
    // The parts of path below root; empty when path is root.
    static QStringList parts_below(const QString& root, const QString& path);
    // root with the parts appended.
    static QString joined(const QString& root, const QStringList& parts);
    // An absolute path cleaned of ".", "..", doubled and trailing "/"; empty if not absolute.
    static QString cleaned(const QString& path);
};

} // namespace zr
