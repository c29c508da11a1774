// The prize catalogue read from the item folder.
#include "prizes/catalog.h"
#include "prizes/photos.h"
#include "stage/mainwin.h"

#include "platform/files.h"
#include "platform/textcodec.h"

#include <QFile>
#include <optional>

namespace zelvo {

namespace {

constexpr const char16_t *kScratchFile = u"dum.txt";
// A name is a few hundred bytes; anything longer in the scratch file is not ours.
constexpr qint64 kMaxScratchBytes = 64 * 1024;

// The name written to dum.txt in Shift_JIS and read back; nothing when that fails.
std::optional<QString> scratchRoundTrip(const EventFolder &folder, const QString &text)
{
    const QString scratch = folder.child(QString::fromUtf16(kScratchFile));
    if (!writeFileAtomically(scratch, text::encode(text).bytes).ok)
        return std::nullopt;
    QFile file(scratch);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxScratchBytes)
        return std::nullopt;
    const QByteArray back = file.read(kMaxScratchBytes);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    // CP932 and nothing else: the bytes of "ﾃｩ" are valid UTF-8 too.
    return text::decodeCp932(back);
}

} // namespace

void MainWin::LoadKeihin()
{
    kList.clear();
    // Prizes are drawn only once a number has been drawn after a load.
    sentakuBtn->setEnabled(false);
    const std::vector<FolderEntry> entries = pf.folder.list(QString::fromUtf16(kItemFolder));
    // Each write of dum.txt waits for the disk (tens of ms on a busy or slow one), which for
    // hundreds of photos would hold the stage up for seconds: the file makes one trip per load,
    // with the last name as before, and the other names take the same conversion in memory.
    // Should the file fail, no name is converted, as Cnvmoji would leave each one.
    const bool converting = entries.empty() || scratchRoundTrip(pf.folder, entries.back().name).has_value();
    kList = catalogueRows(
        entries, [converting](const QString &name) { return converting ? text::shiftJisForm(name) : name; });
    kMax = int(kList.size());
    SetKP();
}

void MainWin::SetKP()
{
    // Entries are addressed by column 3, which stays with a row when earlier rows go.
    qsizetype entries = 0;
    for (const PrizeRow &row : kList)
        entries = std::max<qsizetype>(entries, qsizetype(row.pictureIndex) + 1);
    QStringList paths(entries);
    for (const PrizeRow &row : kList) {
        if (row.pictureIndex >= 0)
            paths[row.pictureIndex] = prizePhotoPath(pf.folder, row);
    }
    if (!photoShelf)
        photoShelf = std::make_shared<PhotoShelf>();
    photoShelf->load(&kp, paths);
}

QString MainWin::Cnvmoji(const QString &text)
{
    return scratchRoundTrip(pf.folder, text).value_or(text);
}

} // namespace zelvo
