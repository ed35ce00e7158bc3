#!/usr/bin/env bash
# Builds the fuzz preset (clang, every library instrumented) and runs each
# libFuzzer target for SECONDS (default 20), as many at once as there are
# processors.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]     (no TARGET: all of them)
#
# A target starts from the seeds of fuzz/<folder>/corpus/<target>/ and of
# the test data, and from what earlier runs kept in build/fuzz/runs/<target>/
# (the working corpus; the committed seeds are never written), with
# <target>.dict as its dictionary and the libFuzzer flags of the line in
# <target>.options when they are there.  A finding
# leaves its input in build/fuzz/runs/<target>-crash-... (or -timeout-,
# -oom-) and the log in build/fuzz/runs/<target>.log, and makes the script
# fail after the remaining targets ran.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
shift || true
scripts/setup.sh
. scripts/compiler-cache.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)"

runs=build/fuzz/runs
mkdir -p "$runs"

# Test data that makes good seeds; a target whose first byte chooses what the
# rest means gets the data with that byte in front.
seed_with_prefix() {  # CORPUS PREFIX FILE...
  local corpus="$1" prefix="$2" file
  shift 2
  for file in "$@"; do
    { printf "$prefix"; cat "$file"; } >"$corpus/data-$(basename "$(dirname "$file")")-$(basename "$file")"
  done
}
seed_from_test_data() {  # TARGET CORPUS
  case "$1" in
    reg_file_fuzzer) seed_with_prefix "$2" "" tests/data/platform/*.reg ;;
    xml_tree_fuzzer) seed_with_prefix "$2" '\x01\x00' tests/data/xml/*.xml tests/data/config/manual/*.xml ;;
    lang_pack_fuzzer)
      seed_with_prefix "$2" '\x00' data/lang/*/*.xml
      seed_with_prefix "$2" '\x02' data/lang/ENG/*.xml
      seed_with_prefix "$2" '\x01' data/lang/LanguageTable.xml tests/data/lang/*.xml ;;
    ini_fuzzer) seed_with_prefix "$2" "" tests/data/config/edge_install/*.ini ;;
  esac
}

run_target() {  # BINARY: one target's run; its verdict goes to $runs/TARGET.verdict
  local binary="$1" target folder corpus
  target=$(basename "$binary")
  folder=$(dirname "$(find fuzz -name "$target.cc" | head -1)")
  corpus="$runs/$target"
  mkdir -p "$corpus"
  [ -d "$folder/corpus/$target" ] && cp -n "$folder/corpus/$target"/* "$corpus/" 2>/dev/null || true
  seed_from_test_data "$target" "$corpus"
  local options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
                 -artifact_prefix="$runs/$target-")
  [ -f "$folder/$target.dict" ] && options+=(-dict="$folder/$target.dict")
  # A target's own flags come last, so they override the ones above.
  if [ -f "$folder/$target.options" ]; then
    local own
    read -ra own <"$folder/$target.options"
    options+=("${own[@]}")
  fi
  if "$binary" "${options[@]}" "$corpus" >"$runs/$target.log" 2>&1; then
    echo "fuzz: $target: $(grep -o 'stat::number_of_executed_units: [0-9]*' "$runs/$target.log" | grep -o '[0-9]*$') inputs in ${seconds} s, nothing found"
    echo ok >"$runs/$target.verdict"
  else
    { echo "fuzz: $target FOUND A FAULT (log: $runs/$target.log):"
      grep -m1 -A12 'ERROR\|runtime error\|deadly signal\|timeout' "$runs/$target.log" || tail -20 "$runs/$target.log"
    } >&2
    echo fault >"$runs/$target.verdict"
  fi
}

# As many targets at once as there are processors.
targets=()
for binary in $(find build/fuzz/fuzz -name '*_fuzzer' -type f -perm -u+x | sort); do
  target=$(basename "$binary")
  if [ $# -gt 0 ] && [[ " $* " != *" $target "* ]]; then continue; fi
  targets+=("$target")
  rm -f "$runs/$target.verdict"
  while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do wait -n || true; done
  run_target "$binary" &
done
wait
failed=()
for target in "${targets[@]}"; do
  [ "$(cat "$runs/$target.verdict" 2>/dev/null)" = ok ] || failed+=("$target")
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: faults found by ${failed[*]}" >&2
  exit 1
fi
