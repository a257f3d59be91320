#include "dos_wildcard.h"

namespace zr {

namespace {

bool glob_match(QStringView pattern, QStringView name) {
    qsizetype p = 0;
    qsizetype n = 0;
    qsizetype star = -1;
    qsizetype star_name = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == u'?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == u'*') {
            star = p++;
            star_name = n;
        } else if (star >= 0) {
            p = star + 1;
            n = ++star_name;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

} // namespace

bool dos_wildcard_match(const QString& pattern, const QString& name) {
    const QString p = pattern.toCaseFolded();
    const QString n = name.toCaseFolded();
    if (glob_match(p, n))
        return true;
    if (n.contains(u'.'))
        return false;
    // A name without a dot has an empty extension, which ".*" and a trailing "." both match.
    if (p.endsWith(QStringLiteral(".*")))
        return glob_match(QStringView(p).chopped(2), n);
    if (p.endsWith(u'.'))
        return glob_match(QStringView(p).chopped(1), n);
    return false;
}

} // namespace zr
