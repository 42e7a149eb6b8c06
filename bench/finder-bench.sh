# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers of the finders' benchmarks (sourced by bench/dups and bench/large).

# finder_tools BUILD_DIR: builds the program, the tree generator and the
# group check there; sets cli, gen and check to them.
finder_tools() {
  cmake --build "$1" --target sweepwright-cli treegen groupcheck >/dev/null
  cli="$1/src/cli/sweepwright-cli"
  gen="$1/bench/treegen/treegen"
  check="$1/bench/treegen/groupcheck"
}

# A fresh folder for generated trees; its path must hold no hidden folder,
# which the finders do not enter. Removed on exit.
finder_workdir() {
  local base=${SWEEPWRIGHT_BENCH_DIR:-/tmp}
  case "$base/" in */.*) echo "bench: $base has a hidden folder in its path" >&2; return 1 ;; esac
  mktemp -d "$base/sweepwright-bench.XXXXXX"
}

# A fresh folder for a tree that only memory is measured on: in /dev/shm when
# it can be written (no disk, and quick to make and to remove), else as
# finder_workdir.
finder_scratchdir() {
  if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    mktemp -d /dev/shm/sweepwright-bench.XXXXXX
  else
    finder_workdir
  fi
}

# milliseconds COMMAND...: runs the command (output to /dev/null), prints its wall time in ms.
milliseconds() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  echo $(( (end - start) / 1000000 ))
}

# duel: after one warm-up run each, runs the functions run_peer and run_ours
# alternately three times; prints the best wall time of each in ms.
duel() {
  local peer=0 ours=0 t
  milliseconds run_peer >/dev/null
  milliseconds run_ours >/dev/null
  for _ in 1 2 3; do
    t=$(milliseconds run_peer)
    if [ "$peer" -eq 0 ] || [ "$t" -lt "$peer" ]; then peer=$t; fi
    t=$(milliseconds run_ours)
    if [ "$ours" -eq 0 ] || [ "$t" -lt "$ours" ]; then ours=$t; fi
  done
  echo "$peer $ours"
}

# peak_kb OUT COMMAND...: runs the command with its output in OUT, prints its
# peak resident memory in KiB: /usr/bin/time when installed (Debian package
# "time"), else the largest VmHWM read from /proc while it runs.
peak_kb() {
  local out=$1 rss
  shift
  if [ -x /usr/bin/time ]; then
    rss=$(mktemp)
    /usr/bin/time -f %M -o "$rss" "$@" >"$out" 2>/dev/null
    tail -n 1 "$rss"
    rm -f "$rss"
    return
  fi
  "$@" >"$out" 2>/dev/null &
  local pid=$! hwm=0 v
  while kill -0 "$pid" 2>/dev/null; do
    v=$(awk '/^VmHWM/ {print $2}' "/proc/$pid/status" 2>/dev/null || true)
    [ -n "$v" ] && hwm=$v
    sleep 0.02
  done
  wait "$pid"
  echo "$hwm"
}

# verdict WHAT PEER_LABEL PEER OURS_LABEL OURS UNIT LIMIT: prints both
# measures and the ratio ours / peer; false when the ratio is above LIMIT.
verdict() {
  local what=$1 r
  r=$(ratio "$5" "$3")
  printf '  %-32s %s %s\n' "$2" "$3" "$6"
  printf '  %-32s %s %s\n' "$4" "$5" "$6"
  echo "  $what ratio $r (at most $7)"
  at_most "$r" "$7" || { echo "  FAIL: $what ratio above $7"; return 1; }
}

# ratio A B: A / B with two decimals.
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }

# at_most VALUE LIMIT: true when VALUE <= LIMIT.
at_most() { awk -v v="$1" -v l="$2" 'BEGIN { exit !(v <= l) }'; }

# measure OUT COMMAND...: runs the command with its output in OUT; prints its
# wall time in ms, its CPU time (user + system) in ms and its peak resident
# memory in KiB, as /usr/bin/time (Debian package "time") reads them.
measure() {
  local out=$1 f start end
  shift
  f=$(mktemp)
  start=$(date +%s%N)
  /usr/bin/time -f '%U %S %M' -o "$f" "$@" >"$out" 2>/dev/null || true
  end=$(date +%s%N)
  tail -n 1 "$f" | awk -v w=$(( (end - start) / 1000000 )) '{ printf "%d %d %d\n", w, ($1 + $2) * 1000 + 0.5, $3 }'
  rm -f "$f"
}

# median: the median of the numbers on standard input, one per line.
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2)) }'; }

# duel_usage RUNS OUT: after one warm-up run each, runs the commands in the
# arrays peer_cmd and ours_cmd alternately RUNS times (ours' output in OUT);
# prints the medians of the peer's wall ms, CPU ms and peak KiB, then ours'.
duel_usage() {
  local runs=$1 out=$2 log i
  log=$(mktemp)
  measure /dev/null "${peer_cmd[@]}" >/dev/null
  measure "$out" "${ours_cmd[@]}" >/dev/null
  for ((i = 0; i < runs; i++)); do
    echo "peer $(measure /dev/null "${peer_cmd[@]}")" >>"$log"
    echo "ours $(measure "$out" "${ours_cmd[@]}")" >>"$log"
  done
  local who col
  for who in peer ours; do
    for col in 2 3 4; do
      printf '%s ' "$(awk -v w=$who -v c=$col '$1 == w { print $c }' "$log" | median)"
    done
  done
  echo
  rm -f "$log"
}
