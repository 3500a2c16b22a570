#!/usr/bin/env bash
# Times the same four programs in VBScript (corvela run), Lua 5.4 and
# Python 3, best of three runs each, and prints seconds and ratios.
#   bench/vbscript/run.sh [BUILD_DIR]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-${CORVELA_BUILD_DIR:-$here/../../build}}"
corvela="$build/bin/corvela"
[[ -x "$corvela" ]] || { echo "run.sh: $corvela not built (run scripts/setup)" >&2; exit 1; }
command -v lua5.4 >/dev/null || { echo "run.sh: lua5.4 missing (apt-get install lua5.4)" >&2; exit 1; }

# Best wall-clock seconds of three runs; the outputs of all runs must agree.
best_of_three() {
  local best="" out first=""
  for _ in 1 2 3; do
    local start end
    start=$(date +%s.%N)
    out=$("$@")
    end=$(date +%s.%N)
    [[ -z "$first" ]] && first="$out"
    [[ "$out" == "$first" ]] || { echo "run.sh: $* printed '$out', before '$first'" >&2; exit 1; }
    best=$(awk -v a="$start" -v b="$end" -v best="$best" \
      'BEGIN { t = b - a; if (best == "" || t < best) best = t; printf "%.3f", best }')
  done
  echo "$best $first"
}

printf '%-10s %9s %9s %9s %9s %9s  %s\n' program vbs lua python vbs/lua vbs/py output
for program in intloop strbuild calls template; do
  read -r vbs vbs_out < <(best_of_three "$corvela" run "$here/$program.vbs")
  read -r lua lua_out < <(best_of_three lua5.4 "$here/$program.lua")
  read -r py py_out < <(best_of_three python3 "$here/$program.py")
  [[ "$vbs_out" == "$lua_out" && "$vbs_out" == "$py_out" ]] ||
    echo "run.sh: $program outputs differ: vbs '$vbs_out' lua '$lua_out' python '$py_out'" >&2
  awk -v p="$program" -v v="$vbs" -v l="$lua" -v y="$py" -v o="$vbs_out" \
    'BEGIN { printf "%-10s %9.3f %9.3f %9.3f %9.2f %9.2f  %s\n", p, v, l, y, v / l, v / y, o }'
done
