#pragma once

#include <QDir>
#include <QString>
#include <vector>

namespace zelvo {

struct FolderEntry
{
    QString name;
    bool hidden = false;
    bool isFolder = false;
};

// The folder that holds the event: def.txt, message.txt, select.csv, item/, theme/, sound/.
class EventFolder
{
public:
    EventFolder() = default;
    explicit EventFolder(const QString &path);

    QString path() const { return m_dir.absolutePath(); }
    // The absolute path of a child given by a relative path ("item/1-A_2.jpg").
    QString child(const QString &relative) const;
    bool exists(const QString &relative) const;
    bool isFolder(const QString &relative) const;
    // The entries of a sub-folder in ascending name order (code points, so "10-" before "2-").
    std::vector<FolderEntry> list(const QString &relative) const;

private:
    QDir m_dir;
};

} // namespace zelvo
