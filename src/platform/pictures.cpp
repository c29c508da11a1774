#include "platform/pictures.h"

#include <QImageReader>

namespace zelvo {

QImage whiteToTransparent(const QImage &image)
{
    if (image.isNull())
        return image;
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if ((line[x] & 0x00FFFFFF) == 0x00FFFFFF)
                line[x] = 0;
        }
    }
    return out;
}

QImage loadPicture(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(false);
    if (tooLargeToDecode(reader.size()))
        return {};
    QImage image = reader.read();
    return image;
}

QImage AppPictures::get(const QString &name)
{
    auto it = m_cache.constFind(name);
    if (it != m_cache.constEnd())
        return *it;
    QImage image = loadPicture(QStringLiteral(":/pictures/") + name);
    if (image.isNull())
        return image;
    if (name == QStringLiteral("kete.gif"))
        image = whiteToTransparent(image);
    m_cache.insert(name, image);
    return image;
}

} // namespace zelvo
