#pragma once
// The colours of the board's pictures, for what draws the board without them
// (the pilots' phones): each picture's face gradient, top and bottom, read from
// the pictures themselves at build time.

#include <cstddef>
#include <optional>
#include <string_view>

struct DegradeImage {
    const char* Image;
    const char* Haut;   // "#RRGGBB"
    const char* Bas;
};

extern const DegradeImage DEGRADES_IMAGES[];
extern const std::size_t NB_DEGRADES_IMAGES;

std::optional<DegradeImage> DegradeDe(std::string_view image);
