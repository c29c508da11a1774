#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace zelvo::text {

// The Windows form of Shift_JIS (CP932), which is what Japanese users' files hold.
struct Encoded
{
    QByteArray bytes;
    int lost = 0; // characters that Shift_JIS cannot hold, written as "?"
};

// Text to CP932. The wave dash and its siblings that input methods type (〜 ‖ − ¢ £ ¬)
// are written as the CP932 characters users mean (0x8160 …), and letters with combining
// marks (kana copied from a Mac: か + U+3099) as their composed character.
Encoded encode(const QString &text);

// Letters followed by combining marks composed into one character. Nothing else changes,
// so compatibility ideographs keep their own code points (full NFC would not).
QString composeMarks(const QString &text);

// What a trip through Shift_JIS makes of a name: composed kana, "?" for what it cannot hold.
QString shiftJisForm(const QString &text);

// Bytes to text: valid UTF-8 (with or without a byte-order mark) is read as UTF-8,
// anything else as CP932; bytes CP932 cannot read become U+FFFD.
QString decode(const QByteArray &bytes);

// Bytes to text as CP932 alone, for bytes known to be Shift_JIS (never taken as UTF-8).
QString decodeCp932(const QByteArray &bytes);

// Lines ended by LF, CR LF or CR; a terminator at the very end opens no further line.
QStringList splitLines(const QString &text);

// The leading decimal number of a text: blanks and a sign allowed before the digits,
// a fraction truncated, 0 when there is none, clamped to the 32-bit range.
int leadingInt(const QString &text);

} // namespace zelvo::text
