// Reading and writing the settings file def.txt.
#include "app/deffile.h"
#include "platform/files.h"
#include "platform/textcodec.h"
#include "stage/mainwin.h"

namespace zelvo {

namespace {
const QString kDefFile = QStringLiteral("def.txt");
}

void MainWin::LoadDef()
{
    const QString path = pf.folder.child(kDefFile);
    std::optional<QString> content;
    if (pf.folder.exists(kDefFile))
        content = readTextFile(path);
    if (!content) {
        // No file, or one that cannot be read: the defaults, and nothing is written.
        max = 75;
        yoko = 6;
        terop = QStringLiteral("ようこそZelvoへ！");
        return;
    }

    const DefExtent extent = readDefLines(text::splitLines(*content), *this);
    for (QLabel *l : {static_cast<QLabel *>(Noop), static_cast<QLabel *>(kText)}) {
        QFont f = l->font();
        f.setFamily(fontname[0].isEmpty() ? QFont().family() : fontname[0]);
        l->setFont(f);
    }
    if (extent == DefExtent::HeadOnly) {
        setBackgroundColor(QColor(255, 255, 255));
    } else {
        TextPosSet();
        sFlag = sousa[3] == 1;
        kbackflag = sousa[19] == 1;
        fontflag = sousa[7] == 1;
        auto rgb = [this](int r) {
            return QColor(std::clamp(sousa[r], 0, 255), std::clamp(sousa[r + 1], 0, 255),
                          std::clamp(sousa[r + 2], 0, 255));
        };
        setBackgroundColor(rgb(4));
        color_t = rgb(13);
        color_r = rgb(16);
        setFullScreenFlag(sousa[11] == 1);
        setMenuBarShown(sousa[11] == 0);
        if (sousa[21] == 1)
            GetClist();
    }
    SoundSet();
}

WriteResult MainWin::SaveDef()
{
    const QColor bg = backgroundColor();
    sousa[4] = bg.red();
    sousa[5] = bg.green();
    sousa[6] = bg.blue();
    sousa[13] = color_t.red();
    sousa[14] = color_t.green();
    sousa[15] = color_t.blue();
    sousa[16] = color_r.red();
    sousa[17] = color_r.green();
    sousa[18] = color_r.blue();
    sousa[19] = kbackflag ? 1 : 0;
    sousa[3] = sFlag ? 1 : 0;
    sousa[11] = isFullScreenFlag() ? 1 : 0;
    return writeTextFile(pf.folder.child(kDefFile), defLines(*this).join(u'\n') + u'\n');
}

} // namespace zelvo
