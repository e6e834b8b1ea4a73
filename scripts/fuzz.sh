#!/usr/bin/env bash
# Builds the examinee-file fuzz target with clang's libFuzzer and sanitizers into fuzz-build/
# and runs it for the given number of seconds (default 30). Installs nothing: without clang
# or its fuzzer runtime it says so and succeeds, so CI can call it everywhere.
set -euo pipefail

seconds=${1:-30}
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/fuzz-build
cxx=${FUZZ_CXX:-clang++}
flags=(-std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)

if ! command -v "$cxx" >/dev/null 2>&1; then
    echo "fuzz.sh: skipped, $cxx is not installed"
    exit 0
fi
mkdir -p "$out/corpus"
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' \
    >"$out/probe.cpp"
if ! "$cxx" "${flags[@]}" "$out/probe.cpp" -o "$out/probe" >/dev/null 2>&1; then
    echo "fuzz.sh: skipped, $cxx cannot link the fuzzer and sanitizer runtime"
    exit 0
fi

# The files and model layers whole (with the POSIX side of the file-system seam): they use
# nothing but the standard library.
files=()
for f in "$root"/src/files/*.cpp; do
    case "$f" in */windows_*) ;; *) files+=("$f") ;; esac
done
"$cxx" "${flags[@]}" -I "$root/src" \
    "$root/fuzz/examinee_file_fuzz.cpp" "${files[@]}" "$root"/src/model/*.cpp \
    -o "$out/examinee_file_fuzz"

# New inputs go to fuzz-build/corpus; the committed seeds in fuzz/corpus stay as they are.
"$out/examinee_file_fuzz" -max_total_time="$seconds" -max_len=16384 -print_final_stats=1 \
    -dict="$root/fuzz/examinee.dict" -artifact_prefix="$out/" \
    "$out/corpus" "$root/fuzz/corpus"
