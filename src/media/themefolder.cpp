#include "media/themefolder.h"

#include "platform/textcodec.h"

namespace zelvo {

namespace {

const QString kThemes = QStringLiteral("theme");

bool isPlainName(const QString &name)
{
    return !name.isEmpty() && name != QStringLiteral(".") && name != QStringLiteral("..") &&
           !name.contains(u'/') && !name.contains(u'\\');
}

} // namespace

ThemeFolder ThemeFolder::find(const EventFolder &folder, const QString &theme)
{
    ThemeFolder t;
    if (theme.isEmpty())
        return t;
    t.m_state = State::Missing;
    // A name that climbs out of "theme" names no theme.
    if (!isPlainName(theme))
        return t;
    QString listed;
    if (folder.isFolder(kThemes + u'/' + theme)) {
        listed = theme;
    } else {
        // A folder copied from a Mac lists its kana decomposed; the stored name is the converted one.
        const QString composed = theme.normalized(QString::NormalizationForm_C);
        for (const FolderEntry &e : folder.list(kThemes)) {
            if (e.isFolder && (text::shiftJisForm(e.name) == theme ||
                               e.name.normalized(QString::NormalizationForm_C) == composed)) {
                listed = e.name;
                break;
            }
        }
    }
    if (listed.isEmpty())
        return t;
    t.m_state = State::Found;
    t.m_relative = kThemes + u'/' + listed;
    for (const FolderEntry &e : folder.list(t.m_relative)) {
        if (!e.isFolder)
            t.m_files.append(e.name);
    }
    return t;
}

QString ThemeFolder::file(const QString &name) const
{
    if (m_files.contains(name))
        return m_relative + u'/' + name;
    for (const QString &f : m_files) {
        if (f.compare(name, Qt::CaseInsensitive) == 0)
            return m_relative + u'/' + f;
    }
    return {};
}

} // namespace zelvo
