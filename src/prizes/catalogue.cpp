// The prize catalogue read from the item folder.
#include "prizes/catalog.h"
#include "prizes/photos.h"
#include "stage/mainwin.h"

#include "platform/files.h"
#include "platform/textcodec.h"

#include <QFile>

namespace zelvo {

namespace {

constexpr const char16_t *kScratchFile = u"dum.txt";
// A name is a few hundred bytes; anything longer in the scratch file is not ours.
constexpr qint64 kMaxScratchBytes = 64 * 1024;

} // namespace

void MainWin::LoadKeihin()
{
    kList.clear();
    // Prizes are drawn only once a number has been drawn after a load.
    sentakuBtn->setEnabled(false);
    kList = catalogueRows(pf.folder.list(QString::fromUtf16(kItemFolder)),
                          [this](const QString &name) { return Cnvmoji(name); });
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
    // Shift_JIS has no combining marks: compose them first, or the encoder would drop them.
    const QByteArray bytes = text::encode(composeMarks(text)).bytes;
    const QString scratch = pf.folder.child(QString::fromUtf16(kScratchFile));
    if (!writeFileAtomically(scratch, bytes).ok)
        return text;
    QFile file(scratch);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxScratchBytes)
        return text;
    const QByteArray back = file.read(kMaxScratchBytes);
    if (file.error() != QFileDevice::NoError)
        return text;
    return fromShiftJis(back);
}

} // namespace zelvo
