#pragma once

#include <QHash>
#include <QImage>
#include <QString>

namespace zelvo {

// White pixels become transparent: how theme characters and the badge are drawn.
QImage whiteToTransparent(const QImage &image);

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
