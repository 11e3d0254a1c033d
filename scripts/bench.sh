#!/usr/bin/env bash
# Builds the benchmarks in Release, runs every benchmark program and prints the goals table
# (bench/goals.tsv) with the medians of the runs and their ratios to the references.
#   bash scripts/bench.sh [benchmark filter regex]
# QUORLEX_BENCH_REPETITIONS sets the repetitions (3 by default); QUORLEX_BENCH_PAGES keeps the
# generated pages in a folder between runs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release -DQUORLEX_BUILD_TESTS=OFF >/dev/null
# The programs built on Google Benchmark (preview_switch_bench times the preview on its own).
programs=$(cd bench && grep -l 'benchmark/benchmark.h' *_bench.cpp | sed 's/\.cpp$//')
cmake --build --preset release -j2 --target bench_table $programs

export QT_QPA_PLATFORM=offscreen
export QUORLEX_BENCH_REPETITIONS=${QUORLEX_BENCH_REPETITIONS:-3}
results=build/release/bench/results
mkdir -p "$results"
filter=${1:-.}
for name in $programs; do
  program=build/release/bench/$name
  echo "== $name" >&2
  "$program" --benchmark_filter="$filter" --benchmark_report_aggregates_only=true \
    --benchmark_out="$results/$name.json" --benchmark_out_format=json >&2
done

echo
echo "Machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores," \
  "$(free -g | awk '/Mem:/ {print $2}') GB; load average $(cut -d' ' -f1-3 /proc/loadavg);" \
  "Qt $(qtpaths6 --qt-version 2>/dev/null || echo 6); $(date -u +%Y-%m-%d)"
echo
build/release/bench/bench_table bench/goals.tsv "$results"
