#pragma once

#include <QHash>
#include <QImage>
#include <QString>

namespace zelvo {

// White pixels become transparent: how theme characters and the badge are drawn.
QImage whiteToTransparent(const QImage &image);

// Pictures beyond this many pixels are refused: decoding one would take more memory and
// time than a stage may (a decoding bomb, or a file whose header lies).
constexpr qint64 kMaxPicturePixels = 64LL * 1024 * 1024;
inline bool tooLargeToDecode(QSize size)
{
    return size.isValid() && qint64(size.width()) * size.height() > kMaxPicturePixels;
}

// Opens a picture file; a null image when it is missing or cannot be decoded. Refuses
// pictures so large that decoding them would stall the stage.
QImage loadPicture(const QString &path);

// The application's own pictures, loaded on first use and kept; a missing one is
// looked for again at the next use.
class AppPictures
{
public:
    QImage get(const QString &name);

private:
    QHash<QString, QImage> m_cache;
};

} // namespace zelvo
