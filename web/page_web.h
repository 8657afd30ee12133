#pragma once
// The web board's one page, compiled into the program: nothing is read from disk.

#include <string_view>

std::string_view PageWeb();
