#pragma once

#include <QString>

namespace zr {

// One registered type as the listing uses it.
struct RegisteredType {
    QString extension;   // line 1, compared as a suffix without regard to case
    QString description; // the file name without ".flt"
    QString icon_key;    // line 3; empty keeps the built-in key
};

} // namespace zr
