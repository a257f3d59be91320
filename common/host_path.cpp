#include "host_path.h"

#include <QDir>

namespace zr {

bool HostPath::is_within(const QString& root, const QString& path) {
    if (root == u"/")
        return path.startsWith(u'/');
    return path == root || (path.startsWith(root) && path[root.size()] == u'/');
}

QStringList HostPath::parts_below(const QString& root, const QString& path) {
    return path.mid(root.size()).split(u'/', Qt::SkipEmptyParts);
}

QString HostPath::joined(const QString& root, const QStringList& parts) {
    if (parts.isEmpty())
        return root;
    const QString tail = parts.join(u'/');
    return root == u"/" ? root + tail : root + u'/' + tail;
}

QString HostPath::cleaned(const QString& path) {
    if (!path.startsWith(u'/'))
        return {};
    return QDir::cleanPath(path);
}

} // namespace zr
