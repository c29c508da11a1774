#include "platform/eventfolder.h"

#include <QFileInfo>
#include <algorithm>

namespace zelvo {

EventFolder::EventFolder(const QString &path) : m_dir(path) {}

QString EventFolder::child(const QString &relative) const
{
    return m_dir.absoluteFilePath(relative);
}

bool EventFolder::exists(const QString &relative) const
{
    return !relative.isEmpty() && QFileInfo::exists(child(relative));
}

bool EventFolder::isFolder(const QString &relative) const
{
    return !relative.isEmpty() && QFileInfo(child(relative)).isDir();
}

std::vector<FolderEntry> EventFolder::list(const QString &relative) const
{
    std::vector<FolderEntry> entries;
    QDir dir(child(relative));
    if (!dir.exists())
        return entries;
    const QFileInfoList infos =
        dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    for (const QFileInfo &info : infos)
        entries.push_back({info.fileName(), info.isHidden() || info.fileName().startsWith(u'.'), info.isDir()});
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry &a, const FolderEntry &b) { return a.name < b.name; });
    return entries;
}

} // namespace zelvo
