#include "prizes/catalog.h"

#include "platform/textcodec.h"

#include <limits>

namespace zelvo {

QString prizeLabel(const QString &fileName)
{
    const qsizetype bar = fileName.indexOf(u'_');
    return bar < 0 ? fileName : fileName.left(bar);
}

QString prizeCountText(const QString &fileName)
{
    const qsizetype dot = fileName.indexOf(u'.');
    const QString stem = dot < 0 ? fileName : fileName.left(dot);
    const qsizetype bar = stem.indexOf(u'_');
    if (bar < 0)
        return QString();
    const qsizetype next = stem.indexOf(u'_', bar + 1);
    return next < 0 ? stem.mid(bar + 1) : stem.mid(bar + 1, next - bar - 1);
}

QString displayName(const PrizeRow &row)
{
    const QStringList fields = row.label.split(u'-');
    return fields.size() == 2 ? fields.at(1) : row.label;
}

int countValue(const PrizeRow &row)
{
    return text::leadingInt(row.countText);
}

int totalCount(const QList<PrizeRow> &rows)
{
    // Counts come from file names: a few absurd ones must not overflow the sum.
    qint64 sum = 0;
    for (const PrizeRow &row : rows)
        sum += countValue(row);
    return int(std::clamp<qint64>(sum, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

QList<PrizeRow> catalogueRows(const std::vector<FolderEntry> &entries,
                              const std::function<QString(const QString &)> &convert)
{
    QList<PrizeRow> rows;
    for (const FolderEntry &entry : entries) {
        const QString f = convert(entry.name);
        if (entry.hidden || f.startsWith(u'.'))
            continue;
        PrizeRow row;
        row.label = prizeLabel(f);
        row.countText = prizeCountText(f);
        row.fileName = f;
        row.pictureIndex = int(rows.size());
        row.listedName = entry.name;
        rows.append(row);
    }
    return rows;
}

QString prizePhotoPath(const EventFolder &folder, const PrizeRow &row)
{
    const QString name = row.listedName.isEmpty() ? row.fileName : row.listedName;
    if (name.isEmpty())
        return QString();
    return folder.child(QString::fromUtf16(kItemFolder) + u'/' + name);
}

} // namespace zelvo
