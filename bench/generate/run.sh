#!/usr/bin/env bash
# Builds the same site with corvela generate and with the Hugo static site
# generator, side by side: 1,000 and 10,000 articles of about 2 KB in 10
# channels, one article template, channel indexes paged by 20. Prints pages
# per second and peak memory (RSS) of each, our figure with a local deploy
# task configured (snapshots and queue rows), and the final ratio line for
# the 10,000-article site.
#   bench/generate/run.sh [BUILD_DIR]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-${CORVELA_BUILD_DIR:-$here/../../build}}"
corvela="$build/bin/corvela"
[[ -x "$corvela" ]] || { echo "run.sh: $corvela not built (run scripts/setup)" >&2; exit 1; }

# The benchmark's own dependency: Hugo, from Debian.
if ! command -v hugo >/dev/null; then
  sudo_cmd=()
  [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq hugo >/dev/null
fi

work="$(mktemp -d "${TMPDIR:-/tmp}/corvela-bench-XXXXXX")"
trap 'rm -rf "$work"' EXIT

# Runs a command; prints "SECONDS PEAK_RSS_KB" (wall clock, the child's peak).
# Its output (progress lines included) is shown only when it fails.
measure() {
  python3 - "$@" <<'PY'
import resource, subprocess, sys, time
start = time.monotonic()
run = subprocess.run(sys.argv[1:], stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
if run.returncode != 0:
    sys.stderr.write(run.stdout.decode(errors="replace"))
    sys.exit(f"run.sh: {sys.argv[1]} failed with status {run.returncode}")
elapsed = time.monotonic() - start
print(f"{elapsed:.3f} {resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss}")
PY
}

# Our installation with the articles in its database; $1 count, $2 folder,
# $3 "deploy" to configure a local deploy task.
prepare_ours() {
  local count=$1 dir=$2
  export CORVELA_REGISTRY="$dir/registry" CORVELA_DATA="$dir/data"
  "$corvela" init >/dev/null
  local site="$dir/data/site"
  mkdir -p "$site/t"
  cp "$here/article.htm" "$here/index.htm" "$site/t/"
  for c in $(seq 1 10); do
    "$corvela" channel add "/channel$c" --template /t/article.htm --name-method "/channel$c/{@uid}.html" >/dev/null
  done
  "$corvela" sql "UPDATE cms_channel SET indextemplate='/t/index.htm', indexpath='/'||lower(name)||'/index.html', indexpagesize=20" >/dev/null
  python3 "$here/make_site.py" "$count" "$dir/articles.sql" "$dir/hugo"
  sqlite3 "$dir/data/corvela.db" <"$dir/articles.sql"
  if [[ "${3:-}" == deploy ]]; then
    mkdir -p "$dir/target"
    "$corvela" task add --dir "$site" --target "$dir/target" >/dev/null
  fi
}

prepare_hugo() {
  local dir=$1
  mkdir -p "$dir/layouts/_default"
  cat >"$dir/config.toml" <<'TOML'
baseURL = "http://localhost/"
title = "bench"
paginate = 20
disableKinds = ["taxonomy", "term", "RSS", "sitemap", "robotsTXT", "404", "home"]
TOML
  cat >"$dir/layouts/_default/single.html" <<'HTML'
<!DOCTYPE html><html><head><meta charset="utf-8"><title>{{ .Title }}</title></head><body>
<nav><a href="{{ .CurrentSection.RelPermalink }}">{{ .CurrentSection.Title }}</a></nav>
<h1>{{ .Title }}</h1><p>{{ .Params.author }}</p>
<article>{{ .Content }}</article></body></html>
HTML
  cat >"$dir/layouts/_default/list.html" <<'HTML'
<!DOCTYPE html><html><head><meta charset="utf-8"><title>{{ .Title }}</title></head><body><ul>
{{ range .Paginator.Pages }}<li><a href="{{ .RelPermalink }}">{{ .Title }}</a></li>
{{ end }}</ul>
{{ with .Paginator.Prev }}<a href="{{ .URL }}">prev</a>{{ end }}{{ with .Paginator.Next }}<a href="{{ .URL }}">next</a>{{ end }}
</body></html>
HTML
}

pages_in() { find "$1" -name '*.html' | wc -l; }

report() {  # name count seconds rss pages
  awk -v n="$1" -v c="$2" -v s="$3" -v r="$4" -v p="$5" \
    'BEGIN { printf "%-22s %6d articles %7d pages %8.2f s %9.0f pages/s %8.1f MB peak RSS\n", n, c, p, s, p / s, r / 1024 }'
}

ratio=""
for count in 1000 10000; do
  dir="$work/ours$count"
  prepare_ours "$count" "$dir"
  read -r secs rss < <(measure "$corvela" generate --all)
  ours_pages=$(pages_in "$dir/data/site")
  report "corvela generate" "$count" "$secs" "$rss" "$ours_pages"
  ours_rate=$(awk -v p="$ours_pages" -v s="$secs" 'BEGIN { print p / s }')

  hugo_dir="$dir/hugo"
  prepare_hugo "$hugo_dir"
  read -r hsecs hrss < <(measure hugo --quiet --source "$hugo_dir" --destination "$hugo_dir/public")
  hugo_pages=$(pages_in "$hugo_dir/public")
  report "hugo" "$count" "$hsecs" "$hrss" "$hugo_pages"
  hugo_rate=$(awk -v p="$hugo_pages" -v s="$hsecs" 'BEGIN { print p / s }')

  if [[ $count == 10000 ]]; then
    ratio=$(awk -v a="$ours_rate" -v b="$hugo_rate" 'BEGIN { printf "%.2f", a / b }')
    deploy_dir="$work/deploy$count"
    prepare_ours "$count" "$deploy_dir" deploy
    read -r dsecs drss < <(measure "$corvela" generate --all)
    report "corvela + deploy task" "$count" "$dsecs" "$drss" "$(pages_in "$deploy_dir/data/site")"
    echo "  queue rows: $(sqlite3 "$deploy_dir/data/corvela.db" 'SELECT count(*) FROM dep_execution')," \
         "snapshots: $(find "$deploy_dir/data/temp" -type f | wc -l)"
  fi
  rm -rf "$dir"
done
echo "ratio (ours/Hugo pages per second): $ratio"
