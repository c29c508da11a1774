#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>
#include <array>

namespace zelvo {

// One completed draw: the number as shown and the stage oval's colour at that moment.
struct DrawnEntry
{
    QString text;
    int red = 0;
    int green = 0;
    int blue = 0;
};

// One row of the prize catalogue.
struct PrizeRow
{
    QString label;     // column 0
    QString countText; // column 1
    QString fileName;  // column 2, the converted name
    int pictureIndex = 0; // column 3
    QString listedName; // the name as the folder listed it, for opening the file
};

constexpr int kSousaSize = 41;
constexpr int kFlagCount = 10001; // P covers the numbers 1 to 10001

// The settings and the progress of a run, shared by every part of the stage.
// Field names are the system's own vocabulary.
struct StageState
{
    int mini = 0;
    int max = 0;
    QString terop;
    QString theme;
    std::array<QString, 2> fontname;
    int yoko = 0;
    std::array<int, kSousaSize> sousa{};
    bool sFlag = false;
    bool kbackflag = false;
    bool fontflag = false;
    QColor color_t = QColor(0, 0, 0);
    QColor color_r = QColor(0, 0, 0);
    int count = 0;
    int startF = 0;
    QString cr;
    int OpenTmode = 0;
    bool mvflag = false;
    std::array<int, kFlagCount> P{};
    QString CyusenList;
    int kMax = 0;
    int cMax = 0;
    int tMax = 0;
    QString mess;

    QList<DrawnEntry> cList; // the drawn list
    QList<PrizeRow> kList;   // the prize catalogue
    QList<QImage> kp;        // one photo per catalogue row of the last load
};

inline constexpr const char16_t *kSameFontAsTitle = u"タイトルと同じフォントを使用";

} // namespace zelvo
