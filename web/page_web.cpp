#include "web/page_web.h"

#include <cstddef>

extern const unsigned char PageWebBrute[];
extern const std::size_t PageWebBruteTaille;

std::string_view PageWeb() { return {reinterpret_cast<const char*>(PageWebBrute), PageWebBruteTaille}; }
