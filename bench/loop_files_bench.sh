#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How fast tremlet-loop reads a loop library, against aubio's beat tracker on the same
# files, and its memory over 10,000 and 100,000 files.
#
# Usage: bench/loop_files_bench.sh BUILD_DIR [FILES (default 2000)] [WORK FOLDER]
# BUILD_DIR has bin/tremlet-loop and bench/make_loop_corpus (the bench preset builds
# both). The corpus is made once in the work folder and kept for later runs.
set -euo pipefail
build=$(realpath "$1")
files=${2:-2000}
work=${3:-${TMPDIR:-/tmp}/tremlet-loop-bench}
tool="$build/bin/tremlet-loop"
corpus="$work/corpus-$files"

mkdir -p "$corpus"
echo "corpus: $files files (WAV, FLAC, Ogg Vorbis; 1 to 10 s) in $corpus"
"$build/bench/make_loop_corpus" "$corpus" "$files"
du -sh "$corpus" | cut -f1 | sed 's/^/size: /'

# Warm cache: everything read once before it counts.
"$tool" -r --json "$corpus" > /dev/null

median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
seconds_of() {  # seconds_of COMMAND...: wall seconds of one run
  local start end
  start=$(date +%s.%N)
  "$@" > /dev/null
  end=$(date +%s.%N)
  echo "$end - $start" | bc -l
}

echo
echo "tremlet-loop over the corpus, 5 runs (wall seconds, median):"
for jobs in 1 0; do
  args=(-r --json)
  [ "$jobs" -ne 0 ] && args+=(-j "$jobs")
  wall=$(for _ in 1 2 3 4 5; do seconds_of "$tool" "${args[@]}" "$corpus"; done | median)
  label=$([ "$jobs" -eq 0 ] && echo "all cores" || echo "1 thread")
  printf '  %-10s %8.3f s  %8.0f files/s  %8.3f ms a file\n' "$label" "$wall" \
    "$(echo "$files / $wall" | bc -l)" "$(echo "1000 * $wall / $files" | bc -l)"
done
ours=$(echo "$wall / $files" | bc -l)

if command -v aubio >/dev/null 2>&1; then
  sample=40
  mapfile -t some < <(find "$corpus" -type f | sort | head -n "$sample")
  aubio_wall=$(seconds_of sh -c 'for f in "$@"; do aubio tempo "$f" 2>/dev/null; done' aubio "${some[@]}")
  theirs=$(echo "$aubio_wall / $sample" | bc -l)
  echo
  printf 'aubio tempo, one file after another, %d files: %.3f s a file\n' "$sample" "$theirs"
  printf 'tremlet-loop is %.0f times faster a file\n' "$(echo "$theirs / $ours" | bc -l)"
else
  echo "(aubio tempo is not installed: Debian's aubio-tools; no comparison)"
fi

# Many files: the corpus linked again and again (hard links, no more disk), in folders of
# 1000 as a large library keeps them. Memory must not grow with the count.
echo
echo "peak memory by number of files (one thread, JSON to /dev/null):"
for total in 10000 100000; do
  many="$work/links-$total"
  if [ ! -d "$many" ]; then
    mkdir -p "$many"
    mapfile -t sources < <(find "$corpus" -type f | sort)
    for ((i = 0; i < total; i++)); do
      folder="$many/f$((i / 1000))"
      [ $((i % 1000)) -eq 0 ] && mkdir -p "$folder"
      source=${sources[$((i % ${#sources[@]}))]}
      ln "$source" "$folder/$i.${source##*.}"
    done
  fi
  kb=$( { /usr/bin/time -f '%M' "$tool" -j 1 -r --json "$many" > /dev/null; } 2>&1 | tail -n 1)
  printf '  %7d files: %6d KiB\n' "$total" "$kb"
done
