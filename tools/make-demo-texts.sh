#!/bin/sh
# Writes demo/message.txt and demo/def.txt. The program reads both as
# Shift_JIS (Windows CP932) with LF line ends, so they are written in UTF-8
# here and converted.
set -eu
DEMO=${1:?usage: make-demo-texts.sh DEMO_DIR}
mkdir -p "$DEMO"

# One message per line, keys 1-9; short enough for the stage lettering.
printf '%s\n' \
    'リーチの方は手を挙げて！' \
    'ビンゴの方は前へどうぞ！' \
    '次の番号はこちら！' \
    '景品の発表です！' \
    'しばらくお待ちください' \
    'ただいま休憩中です' \
    '拍手をお願いします！' \
    'おめでとうございます！' \
    '最後の一枚です！' |
    iconv -f UTF-8 -t CP932 > "$DEMO/message.txt"

# Settings: range 1-75, title, theme folder, title font (empty: system
# default), number font, 6 numbers per board row, then entries 0-40.
{
    printf '%s\n' 1 75 'ようこそ！ビンゴ大会へ' 'パーティー' '' 'タイトルと同じフォントを使用' 6
    # entry 3 sound on; 4-6 white window; 13-15 white title;
    # 16-18 board fill; 20 music volume
    printf '%s\n' 0 0 20 1 255 255 255 0 2 50 100 0 3 255 255 255 40 40 90 1 50 0 0 0
    i=24
    while [ $i -le 40 ]; do
        echo 0
        i=$((i + 1))
    done
} | iconv -f UTF-8 -t CP932 > "$DEMO/def.txt"

# Fails (set -e) if either file does not read back as CP932.
iconv -f CP932 -t UTF-8 "$DEMO/message.txt" > /dev/null
iconv -f CP932 -t UTF-8 "$DEMO/def.txt" > /dev/null
