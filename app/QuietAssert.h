// Forced into every file of the program: libstdc++'s checks stay, but a failed one no longer carries the file name,
// the function's full signature and the condition as text, which would be most of the program's read-only data.
#pragma once

#include <bits/c++config.h>

#undef __glibcxx_assert_impl
#define __glibcxx_assert_impl(_Condition)              \
    if (__builtin_expect(!bool(_Condition), false)) {  \
        __glibcxx_constexpr_assert(false);             \
        __builtin_abort();                             \
    }
