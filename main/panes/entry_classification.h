#pragma once

#include <QString>

namespace zr {

class RegisteredTypes;

// What the "Typ" column and the picture of a file entry show.
struct EntryClassification {
    QString description;
    QString image_key;

    bool operator==(const EntryClassification&) const = default;
};

// The built-in class of a file name by its last four characters (five for ".jpeg" and
// ".html"), without regard to case; "unbekannt" with "Datei" for any other name.
EntryClassification builtin_classification(const QString& name);
// The built-in class, overridden by the first registered type whose extension ends the name:
// its description always, its image key only when not empty.
EntryClassification classify_entry(const QString& name, const RegisteredTypes& types);

} // namespace zr
