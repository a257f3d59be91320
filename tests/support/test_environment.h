#pragma once

namespace zr::test {

// Points every per-user place (settings, runtime folder) at a fresh temporary folder and pins
// the time zone, so that no test touches the user's own settings or sees another local time.
void prepare_test_environment();

} // namespace zr::test
