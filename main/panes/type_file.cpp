#include "type_file.h"

#include "common/data_file.h"

#include <array>

namespace zr {

Result<TypeFile> TypeFile::parse(const QByteArray& bytes) {
    if (bytes.size() > max_file_size)
        return ErrorCode::bad_file_format;
    DataFileReader reader(bytes);
    std::array<QString, 3> lines;
    for (QString& line : lines) {
        std::optional<QString> read = reader.next_line();
        if (!read)
            return ErrorCode::input_past_end;
        if (read->size() > max_line_length)
            return ErrorCode::bad_file_format;
        line = *read;
    }
    return TypeFile{lines[0], lines[1], lines[2]};
}

QByteArray TypeFile::bytes() const {
    return data_file_bytes({extension, program, icon_key});
}

QString TypeFile::stored_program(const QString& program) {
    return program.endsWith(QLatin1Char('\\')) ? program : program + QLatin1Char('\\');
}

} // namespace zr
