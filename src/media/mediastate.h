#pragma once

#include "media/picturecache.h"

#include <QString>

namespace zelvo {

// What the theme code keeps between calls.
struct MediaState
{
    PictureCache pictures;
    // The missing theme already reported, so that resizing does not report it again.
    QString reportedMissingTheme;
};

} // namespace zelvo
