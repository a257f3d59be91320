#include "general_settings.h"

#include "main/startup/program_state.h"

#include "common/windows1252.h"

namespace zr {

GeneralSettings read_general_settings(const QByteArray& file_content, GeneralSettings g) {
    DataFileReader reader(file_content);
    if (auto field = reader.next_field()) {
        bool valid = false;
        const NumberValue counter = parse_number(*field, &valid);
        if (valid)
            g.run_counter = counter;
    }
    if (auto line = reader.next_line())
        g.lock_password = decode_password(*line);
    for (QString& kept : g.lines)
        if (auto line = reader.next_line())
            kept = *line;
    return g;
}

QByteArray general_settings_bytes(const GeneralSettings& g) {
    QStringList lines;
    lines << print_form(g.run_counter) << encode_password(g.lock_password);
    for (const QString& kept : g.lines)
        lines << kept;
    return data_file_bytes(lines);
}

QString encode_password(const QString& password) {
    return shift_windows1252(password, 1);
}

QString decode_password(const QString& stored) {
    return shift_windows1252(stored, -1);
}

NumberValue next_run_counter(NumberValue counter) {
    double value = number_or_zero(counter);
    if (value == 20)
        value = 9;
    return value + 1;
}

GeneralSettings general_settings_of(const ProgramState& state) {
    return {state.run_counter, state.lock_password, state.general_lines};
}

void apply_general_settings(ProgramState& state, const GeneralSettings& general) {
    state.run_counter = general.run_counter;
    state.lock_password = general.lock_password;
    state.general_lines = general.lines;
}

} // namespace zr
