#include "data_file.h"

#include "common/windows1252.h"

#include <cmath>

namespace zr {

QString print_form(NumberValue value) {
    if (!value)
        return {};
    const double v = *value;
    QString digits;
    if (std::floor(v) == v && std::fabs(v) < 1e15)
        digits = QString::number(static_cast<long long>(std::fabs(v)));
    else
        digits = QString::number(std::fabs(v), 'g', 15);
    if (digits.startsWith(QLatin1String("0.")))
        digits.remove(0, 1); // the system writes 0.5 as .5
    return (v < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + digits + QLatin1Char(' ');
}

NumberValue parse_number(const QString& text, bool* valid) {
    const QString trimmed = text.trimmed();
    if (valid)
        *valid = true;
    if (trimmed.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double v = trimmed.toDouble(&ok);
    if (ok && std::isfinite(v))
        return v;
    if (valid)
        *valid = false;
    return std::nullopt;
}

QByteArray data_file_bytes(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += encode_windows1252(line) + "\r\n";
    return bytes;
}

DataFileReader::DataFileReader(const QByteArray& bytes) : m_text(decode_windows1252(bytes)) {}

bool DataFileReader::at_line_end() const {
    return m_pos >= m_text.size() || m_text[m_pos] == QLatin1Char('\r') ||
           m_text[m_pos] == QLatin1Char('\n');
}

void DataFileReader::skip_line_end() {
    if (m_pos < m_text.size() && m_text[m_pos] == QLatin1Char('\r'))
        ++m_pos;
    if (m_pos < m_text.size() && m_text[m_pos] == QLatin1Char('\n'))
        ++m_pos;
}

std::optional<QString> DataFileReader::next_line() {
    if (at_end())
        return std::nullopt;
    const qsizetype start = m_pos;
    while (!at_line_end())
        ++m_pos;
    QString line = m_text.mid(start, m_pos - start);
    skip_line_end();
    return line;
}

std::optional<QString> DataFileReader::next_field() {
    if (at_end())
        return std::nullopt;
    const auto is_blank = [this] {
        return m_pos < m_text.size() &&
               (m_text[m_pos] == QLatin1Char(' ') || m_text[m_pos] == QLatin1Char('\t'));
    };
    while (is_blank())
        ++m_pos;
    QString field;
    if (m_pos < m_text.size() && m_text[m_pos] == QLatin1Char('"')) {
        const qsizetype start = ++m_pos;
        while (!at_line_end() && m_text[m_pos] != QLatin1Char('"'))
            ++m_pos;
        field = m_text.mid(start, m_pos - start);
        while (!at_line_end() && m_text[m_pos] != QLatin1Char(','))
            ++m_pos;
    } else {
        const qsizetype start = m_pos;
        while (!at_line_end() && m_text[m_pos] != QLatin1Char(','))
            ++m_pos;
        field = m_text.mid(start, m_pos - start);
        while (field.endsWith(QLatin1Char(' ')) || field.endsWith(QLatin1Char('\t')))
            field.chop(1);
    }
    if (m_pos < m_text.size() && m_text[m_pos] == QLatin1Char(','))
        ++m_pos;
    else
        skip_line_end();
    return field;
}

} // namespace zr
