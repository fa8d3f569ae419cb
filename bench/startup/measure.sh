# Shared by the start-up benchmarks (sourced): builds the first-frame probe and measures programs.

# Builds bench/startup/first_frame.c into folder $1.
velundo_build_probe() {
  cc -O2 -o "$1/first_frame" "$(dirname "${BASH_SOURCE[0]}")/first_frame.c" -lX11
}

# The median and the spread (lowest and highest) of the numbers on standard input, one a line:
# "median low high".
velundo_stats() { sort -g | awk '{ v[NR] = $1 } END { printf "%s %s %s\n", v[int((NR + 1) / 2)], v[1], v[NR] }'; }

# Runs the launcher and its yardsticks RUNS times each, in turn within every round, so that a change
# of the machine's load falls on all of them alike; then prints, against each yardstick, the medians
# and spreads of the first painted frame, of the resident memory and of the processor time used by
# that moment (the load-independent figure of the three), and the median
# and spread of the per-round ratios.
#   velundo_compare PROBE RUNS LABEL WINDOW "COMMAND" [LABEL WINDOW "COMMAND"]...
# The first program is the launcher; every further one is a yardstick.
velundo_compare() {
  local probe=$1 runs=$2 out n i
  shift 2
  out=$(mktemp -d)
  local -a label window command
  while (($#)); do
    label+=("$1"); window+=("$2"); command+=("$3")
    shift 3
  done
  n=${#label[@]}
  # One round first that is not counted: the page cache and the font caches warm, as on a desktop.
  for ((i = 0; i < n; ++i)); do $probe "${window[$i]}" 100 20 ${command[$i]} >/dev/null || true; done
  for ((r = 0; r < runs; ++r)); do
    for ((i = 0; i < n; ++i)); do
      # A pixel at 100, 20 of the client area (the banner) is painted with the window's first frame.
      $probe "${window[$i]}" 100 20 ${command[$i]} >>"$out/$i" || echo "-1 -1 -1" >>"$out/$i"
    done
  done
  echo "$runs rounds; median [lowest-highest]; load average: $(cut -d' ' -f1-3 /proc/loadavg)"
  for ((i = 1; i < n; ++i)); do
    local column what unit
    for column in 1 2 3; do
      case $column in
        1) what="first painted frame"; unit=ms ;;
        2) what="resident memory"; unit=KiB ;;
        3) what="processor time"; unit=ms ;;
      esac
      read -r am al ah < <(cut -d' ' -f$column "$out/0" | velundo_stats)
      read -r bm bl bh < <(cut -d' ' -f$column "$out/$i" | velundo_stats)
      read -r rm rl rh < <(paste -d' ' <(cut -d' ' -f$column "$out/0") <(cut -d' ' -f$column "$out/$i") |
        awk '$2 > 0 { printf "%.3f\n", $1 / $2 }' | velundo_stats)
      printf '%-20s %s %s %s [%s-%s], %s %s %s [%s-%s]: ratio %s [%s-%s]\n' "$what:" "${label[0]}" "$am" "$unit" \
        "$al" "$ah" "${label[$i]}" "$bm" "$unit" "$bl" "$bh" "$rm" "$rl" "$rh"
    done
  done
  rm -rf "$out"
}
