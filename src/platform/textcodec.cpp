#include "platform/textcodec.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <limits>

namespace zelvo::text {
namespace {

constexpr const char *kCodec = "windows-31j";

char32_t toCp932Form(char32_t c)
{
    switch (c) {
    case 0x301C:
        return 0xFF5E; // 〜 → ～ (0x8160)
    case 0x2016:
        return 0x2225; // ‖ → ∥ (0x8161)
    case 0x2212:
        return 0xFF0D; // − → － (0x817C)
    case 0x00A2:
        return 0xFFE0; // ¢ → ￠ (0x8191)
    case 0x00A3:
        return 0xFFE1; // £ → ￡ (0x8192)
    case 0x00AC:
        return 0xFFE2; // ¬ → ￢ (0x81CA)
    default:
        return c;
    }
}

} // namespace

QString composeMarks(const QString &text)
{
    QString out;
    out.reserve(text.size());
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        qsizetype end = i + (text.at(i).isHighSurrogate() && i + 1 < n ? 2 : 1);
        while (end < n && text.at(end).isMark())
            ++end;
        if (end - i > 1)
            out.append(text.mid(i, end - i).normalized(QString::NormalizationForm_C));
        else
            out.append(text.mid(i, end - i));
        i = end;
    }
    return out;
}

Encoded encode(const QString &text)
{
    Encoded out;
    QString mapped;
    mapped.reserve(text.size());
    // The codec has no combining marks: it would write each as "?".
    for (char32_t c : composeMarks(text).toUcs4()) {
        const char32_t m = toCp932Form(c);
        if (m > 0xFFFF)
            mapped.append(QString::fromUcs4(&m, 1));
        else
            mapped.append(QChar(char16_t(m)));
    }
    {
        QStringEncoder whole(kCodec, QStringEncoder::Flag::Stateless);
        QByteArray bytes = whole.encode(mapped);
        if (!whole.hasError()) {
            out.bytes = bytes;
            return out;
        }
    }
    // Some character has no CP932 form: go one character at a time so only it is lost.
    const QList<uint> chars = mapped.toUcs4();
    for (uint c : chars) {
        const char32_t one = c;
        QStringEncoder enc(kCodec, QStringEncoder::Flag::Stateless);
        QByteArray b = enc.encode(QString::fromUcs4(&one, 1));
        if (enc.hasError() || b.isEmpty()) {
            out.bytes.append('?');
            ++out.lost;
        } else {
            out.bytes.append(b);
        }
    }
    return out;
}

QString decode(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString asUtf8 = utf8.decode(bytes);
    if (!utf8.hasError()) {
        if (asUtf8.startsWith(QChar(0xFEFF)))
            asUtf8.remove(0, 1);
        return asUtf8;
    }
    return decodeCp932(bytes);
}

QString shiftJisForm(const QString &text)
{
    return decodeCp932(encode(text).bytes);
}

QString decodeCp932(const QByteArray &bytes)
{
    QStringDecoder sjis(kCodec, QStringDecoder::Flag::Stateless);
    return sjis.decode(bytes);
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c != u'\n' && c != u'\r')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

int leadingInt(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text.at(i) == u' ' || text.at(i) == u'\t'))
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == u'-' || text.at(i) == u'+')) {
        negative = text.at(i) == u'-';
        ++i;
    }
    qint64 value = 0;
    for (; i < n && text.at(i) >= u'0' && text.at(i) <= u'9'; ++i) {
        value = value * 10 + (text.at(i).unicode() - u'0');
        if (value > qint64(std::numeric_limits<int>::max()) + 1)
            value = qint64(std::numeric_limits<int>::max()) + 1;
    }
    if (negative)
        value = -value;
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace zelvo::text
