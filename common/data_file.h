#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace zr {

// A number in a data file: empty when it was never set.
using NumberValue = std::optional<double>;

// A number in print form: " 1824 ", "-480 ", " 0 "; an empty value gives an empty text.
QString print_form(NumberValue value);
// The number of a line or field, surrounding blanks ignored; empty for an empty text and for
// junk, which also sets *valid to false.
NumberValue parse_number(const QString& text, bool* valid = nullptr);
// An empty value counts as 0 wherever it is compared with a number.
inline double number_or_zero(NumberValue value) {
    return value.value_or(0.0);
}

// The lines in the system's code page, each ended by CR LF.
QByteArray data_file_bytes(const QStringList& lines);

// Reads a data file the two ways the system does: whole lines, and comma-separated fields.
// Lines may end in CR LF, CR or LF.
class DataFileReader {
public:
    explicit DataFileReader(const QByteArray& bytes);

    // The next whole line; empty at the end of the file.
    std::optional<QString> next_line();
    // The next field: blanks around it dropped, a quoted field taken to its closing quote;
    // ends at a comma or at the end of the line. Empty at the end of the file.
    std::optional<QString> next_field();
    bool at_end() const { return m_pos >= m_text.size(); }

private:
    bool at_line_end() const;
    void skip_line_end();

    QString m_text;
    qsizetype m_pos = 0;
};

} // namespace zr
