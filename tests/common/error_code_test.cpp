#include "common/error_code.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace zr {

TEST(ErrorCode, MapsHostErrorsToTheSystemsNumbers) {
    const struct {
        int errno_value;
        int code;
    } cases[] = {
        {ENOMEM, 7},  {ENOENT, 53},    {EIO, 57},   {EEXIST, 58},  {ENOSPC, 61},
        {EDQUOT, 61}, {EACCES, 70},    {EPERM, 70}, {EROFS, 70},   {ENOMEDIUM, 71},
        {EXDEV, 74},  {ENOTEMPTY, 75}, {EBUSY, 75}, {ENOTDIR, 76}, {ELOOP, 75},
    };
    for (const auto& c : cases)
        EXPECT_EQ(code_number(error_from_errno(c.errno_value)), c.code) << c.errno_value;
}

} // namespace zr
