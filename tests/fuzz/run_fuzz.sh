#!/usr/bin/env bash
# Runs a libFuzzer target for a bounded number of inputs, starting from a
# corpus of one seed file, in a folder of its own that each run makes anew.
#   run_fuzz.sh FUZZER SEED WORKDIR RUNS
set -euo pipefail
fuzzer=$1 seed=$2 work=$3 runs=$4
rm -rf "$work"
mkdir -p "$work/corpus"
cp "$seed" "$work/corpus/"
cd "$work"
exec "$fuzzer" -runs="$runs" -seed=1 -max_len=8192 -timeout=10 corpus
