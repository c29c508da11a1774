#pragma once

#include "app/stagestate.h"
#include "platform/eventfolder.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <vector>

namespace zelvo {

// The prize folder beside the program.
inline constexpr const char16_t *kItemFolder = u"item";

// Column 0 of a prize row: the name before its first "_", the whole name when it has none.
QString prizeLabel(const QString &fileName);

// Column 1: of the name before its first ".", the text after its first "_" up to the next
// "_" or the end; empty when no "_" comes before the first ".".
QString prizeCountText(const QString &fileName);

// What the stage shows: "1-液晶テレビ" shows as "液晶テレビ"; a label with no "-" or with
// several shows whole, rank included.
QString displayName(const PrizeRow &row);

// The number column 1 starts with, 0 when it starts with none (a row drawn past 0 reads -1).
int countValue(const PrizeRow &row);

// The count values of every row added up, held within int.
int totalCount(const QList<PrizeRow> &rows);

// The rows of a listing of the prize folder, in listing order: hidden entries and names that
// begin with "." after conversion are no prizes. convert is the name conversion (Cnvmoji).
QList<PrizeRow> catalogueRows(const std::vector<FolderEntry> &entries,
                              const std::function<QString(const QString &)> &convert);

// Where a row's photo is: by the name the folder listed, which the converted name may not match.
QString prizePhotoPath(const EventFolder &folder, const PrizeRow &row);

} // namespace zelvo
