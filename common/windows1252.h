#pragma once

#include <QByteArray>
#include <QString>

namespace zr {

// The system's 8-bit code page. Every byte decodes, so a decode followed by an encode gives
// back the same bytes; a character the code page cannot hold encodes as "?".
QString decode_windows1252(const QByteArray& bytes);
QByteArray encode_windows1252(const QString& text);
// Whether every character of the text has a byte of its own in the code page.
bool fits_windows1252(const QString& text);

} // namespace zr

namespace zr {

// Every byte of the text's code-page form moved by delta; a byte that would leave 0 to 255
// is dropped. abc shifted by 1 gives bcd.
QByteArray shift_bytes(const QByteArray& bytes, int delta);
QString shift_windows1252(const QString& text, int delta);

} // namespace zr
