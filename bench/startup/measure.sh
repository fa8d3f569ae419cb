# Shared by the start-up benchmarks (sourced): builds the first-frame probe and measures programs.

# Builds bench/startup/first_frame.c into folder $1.
velundo_build_probe() {
  cc -O2 -o "$1/first_frame" "$(dirname "${BASH_SOURCE[0]}")/first_frame.c" -lX11
}

# The median of the numbers on standard input, one a line.
velundo_median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Runs two programs five times each, alternately, and prints the medians of their first painted
# frames and resident memory and the ratios of the first to the second.
#   velundo_compare PROBE LABEL-A WINDOW-A "COMMAND A" LABEL-B WINDOW-B "COMMAND B"
velundo_compare() {
  local probe=$1 out
  out=$(mktemp -d)
  for _ in 1 2 3 4 5; do
    # A pixel at 100, 20 of the client area is painted with the window's first frame.
    $probe "$3" 100 20 $4 >>"$out/a"
    $probe "$6" 100 20 $7 >>"$out/b"
  done
  local at am bt bm
  at=$(cut -d' ' -f1 "$out/a" | velundo_median); am=$(cut -d' ' -f2 "$out/a" | velundo_median)
  bt=$(cut -d' ' -f1 "$out/b" | velundo_median); bm=$(cut -d' ' -f2 "$out/b" | velundo_median)
  echo "first painted frame: $2 $at ms, $5 $bt ms, ratio $(awk "BEGIN { printf \"%.2f\", $at / $bt }")"
  echo "resident memory:     $2 $am KiB, $5 $bm KiB, ratio $(awk "BEGIN { printf \"%.2f\", $am / $bm }")"
  rm -rf "$out"
}
