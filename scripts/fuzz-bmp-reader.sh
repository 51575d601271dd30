#!/usr/bin/env bash
# Fuzzes the bitmap reader with libFuzzer under the address and undefined
# behaviour sanitizers (clang 14 and libclang-rt-14-dev). Not part of the
# tests: run it by hand.
#
#   bash scripts/fuzz-bmp-reader.sh [seconds]      (default 600)
#
# Work folder: build-fuzz/ (seed bitmaps of every depth, the corpus, crashes).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
out=build-fuzz
mkdir -p "$out/seeds" "$out/corpus" "$out/crashes"

clang++-14 -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I. $(pkg-config --cflags Qt6Core) \
  scripts/fuzz_bmp_reader.cpp pdf/BmpDecoder.cpp \
  $(pkg-config --libs Qt6Core) -o "$out/fuzz_bmp_reader"

# Seeds: small bitmaps of 1, 4, 8 and 24 bits, bottom-up and top-down,
# with the short and the long information header.
python3 - "$out/seeds" <<'PY'
import struct, sys, os
folder = sys.argv[1]
def bmp(width, height, bpp, header=40, colours=0):
    entries = (1 << bpp) if bpp <= 8 else 0
    if colours: entries = colours
    stride = (width * bpp + 31) // 32 * 4
    pixels = bytes((i * 37) & 0xFF for i in range(stride * abs(height)))
    offset = 14 + header + 4 * entries
    info = struct.pack('<IiiHHIIiiII', header, width, height, 1, bpp, 0, len(pixels), 2835, 2835, colours, 0)
    info += bytes(header - 40)
    palette = b''.join(struct.pack('<BBBB', (k * 3) & 255, (k * 5) & 255, (k * 7) & 255, 0) for k in range(entries))
    body = info + palette + pixels
    return b'BM' + struct.pack('<IHHI', 14 + len(body), 0, 0, offset) + body
n = 0
for bpp in (1, 4, 8, 24):
    for (w, h) in ((1, 1), (3, 2), (7, -3), (33, 4)):
        for header in (40, 124):
            open(os.path.join(folder, f'seed{n:02d}.bmp'), 'wb').write(bmp(w, h, bpp, header))
            n += 1
open(os.path.join(folder, f'seed{n:02d}.bmp'), 'wb').write(bmp(5, 5, 8, 40, 3))
PY

ASAN_OPTIONS="detect_leaks=1" "$out/fuzz_bmp_reader" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
  -rss_limit_mb=2048 -artifact_prefix="$out/crashes/" -print_final_stats=1 "$out/corpus" "$out/seeds"
