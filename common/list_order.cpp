#include "list_order.h"

namespace zr {

namespace {

// Without accents and case: "Ärger" gives "arger", "Straße" "strasse".
QString folded(const QString& text) {
    bool plain = true;
    for (const QChar c : text)
        if (c.unicode() >= 0x80) {
            plain = false;
            break;
        }
    if (plain)
        return text.toLower();
    QString result;
    result.reserve(text.size());
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if (c == QChar(0x00DF))
            result += QStringLiteral("ss");
        else
            result += c;
    }
    return result.toCaseFolded();
}

} // namespace

QString list_sort_key(const QString& text) {
    // Each character is preceded by its class, so that signs sort before digits and digits
    // before letters, as the platform's lists order them.
    const QString base = folded(text);
    QString key;
    key.reserve(base.size() * 2);
    for (const QChar c : base) {
        key += c.isLetter() ? QLatin1Char('2') : c.isDigit() ? QLatin1Char('1') : QLatin1Char('0');
        key += c;
    }
    return key;
}

bool list_less(const QString& a, const QString& b) {
    const int by_key = list_sort_key(a).compare(list_sort_key(b));
    return by_key != 0 ? by_key < 0 : a < b;
}

} // namespace zr
