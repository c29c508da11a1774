#include "platform/files.h"

#include "platform/textcodec.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace zelvo {

WriteResult writeFileAtomically(const QString &path, const QByteArray &data)
{
    WriteResult result;
    QSaveFile file(path);
    // Unbuffered: a buffered write that fails at flush still lets commit() succeed
    // and rename a truncated file over the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        result.error = file.errorString();
        return result;
    }
    if (file.write(data) != data.size() || file.error() != QFileDevice::NoError) {
        result.error = file.error() != QFileDevice::NoError ? file.errorString()
                                                            : QStringLiteral("the file could not be written whole");
        file.cancelWriting();
        return result;
    }
    if (!file.commit()) {
        result.error = file.errorString();
        return result;
    }
#ifdef Q_OS_UNIX
    // The rename lives in the folder: sync it too, or a power cut may undo it.
    const QByteArray dir = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#endif
    result.ok = true;
    return result;
}

WriteResult writeTextFile(const QString &path, const QString &text)
{
    const text::Encoded encoded = text::encode(text);
    WriteResult result = writeFileAtomically(path, encoded.bytes);
    result.lost = encoded.lost;
    return result;
}

std::optional<QString> readTextFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (file.size() > kMaxTextFileBytes)
        return std::nullopt;
    const QByteArray bytes = file.read(kMaxTextFileBytes);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return text::decode(bytes);
}

} // namespace zelvo
