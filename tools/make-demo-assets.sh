#!/bin/sh
# Regenerates everything in demo/ from nothing: texts, pictures, sounds and
# the movie, then checks the result. Needs ImageMagick (/usr/bin/convert),
# fonts-noto-cjk, sox, ffmpeg and python3; gstreamer1.0-tools and
# gstreamer1.0-plugins-good let the check also play the movie.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
DEMO=$ROOT/demo
TOOLS=$ROOT/tools
export PYTHONDONTWRITEBYTECODE=1  # no __pycache__ left in tools/

# Only what these scripts make is removed, anything else in demo/ stays.
rm -rf "$DEMO/theme" "$DEMO/sound" "$DEMO/item" "$DEMO/message.txt" "$DEMO/def.txt"
mkdir -p "$DEMO"

sh "$TOOLS/make-demo-texts.sh" "$DEMO"
python3 "$TOOLS/demo_pictures.py" "$DEMO"
python3 "$TOOLS/demo_sounds.py" "$DEMO"
python3 "$TOOLS/demo_movie.py" "$DEMO/theme/パーティー/movie_y.mov"
python3 "$TOOLS/check_assets.py" "$ROOT"
du -sh "$DEMO"
