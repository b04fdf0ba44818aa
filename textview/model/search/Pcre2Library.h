// The 8-bit PCRE2 library, the one code unit width the search compiles and matches with.
#pragma once

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>
