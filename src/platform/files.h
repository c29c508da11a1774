#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace zelvo {

struct WriteResult
{
    bool ok = false;
    QString error; // why the old file was kept
    int lost = 0;  // characters that Shift_JIS could not hold
};

// Writes through a temporary file renamed over the old one, then syncs the folder, so a
// crash or a full disk leaves either the old file or the new one, never half a file.
WriteResult writeFileAtomically(const QString &path, const QByteArray &data);

// A Shift_JIS text file written whole and atomically.
WriteResult writeTextFile(const QString &path, const QString &text);

// The whole text of a file (see text::decode); nothing when it cannot be read.
std::optional<QString> readTextFile(const QString &path);

// Files larger than this are not text files of ours; reading them is refused.
constexpr qint64 kMaxTextFileBytes = 8 * 1024 * 1024;

} // namespace zelvo
