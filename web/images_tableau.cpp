#include "web/images_tableau.h"

std::optional<DegradeImage> DegradeDe(std::string_view image)
{
    for (std::size_t i = 0; i < NB_DEGRADES_IMAGES; ++i)
        if (image == DEGRADES_IMAGES[i].Image) return DEGRADES_IMAGES[i];
    return std::nullopt;
}
