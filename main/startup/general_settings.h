#pragma once

#include "common/data_file.h"

#include <QByteArray>
#include <QString>

#include <array>

namespace zr {

struct ProgramState;

// The values of "general.inf", shared by all profiles.
struct GeneralSettings {
    NumberValue run_counter;
    QString lock_password;        // decoded
    std::array<QString, 4> lines; // lines 3 to 6, kept unchanged
};

// The values of the file laid over base; a missing line leaves base's value.
GeneralSettings read_general_settings(const QByteArray& file_content, GeneralSettings base);
// The six lines of the file, the password encoded.
QByteArray general_settings_bytes(const GeneralSettings& general);

// The stored form of the password: every character's code raised by one.
QString encode_password(const QString& password);
QString decode_password(const QString& stored);

// The counter after an orderly exit: 20 becomes 10, anything else one more (empty counts 0).
NumberValue next_run_counter(NumberValue counter);

GeneralSettings general_settings_of(const ProgramState& state);
void apply_general_settings(ProgramState& state, const GeneralSettings& general);

} // namespace zr
