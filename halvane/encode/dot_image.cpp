#include "halvane/encode/dot_image.h"

#include <algorithm>

namespace halvane::encode {

QImage blackImage(int width, int height)
{
    QImage image(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

} // namespace halvane::encode
