#!/bin/sh
# plot_study_test.sh: the plot script run by name finds Debian's Python and its matplotlib even
# when another python3 without matplotlib comes first on the PATH, and a Python without
# matplotlib is told which one to use.
# Usage: scripts/plot_study_test.sh STUDY.csv WORK_FOLDER; exits with 77 (skipped) when
# /usr/bin/python3 has no matplotlib.
set -u
csv=$1
work=$2
script=$(dirname "$0")/plot_study.py
/usr/bin/python3 -c 'import matplotlib' 2>/dev/null || exit 77
rm -rf "$work" && mkdir -p "$work/bin"
# A python3 without site packages, as a bare pyenv or virtual environment Python is.
printf '#!/bin/sh\nexec /usr/bin/python3 -S "$@"\n' >"$work/bin/python3"
chmod +x "$work/bin/python3"
fail() { echo "plot_study_test.sh: $*" >&2; exit 1; }

PATH="$work/bin:$PATH" "$script" "$csv" -o "$work/by-name.svg" ||
  fail "run by name with another python3 first on the PATH, it failed"
[ -s "$work/by-name.svg" ] || fail "run by name, it drew nothing"

ln -s /usr/bin/python3 "$work/bin/other-python3"
"$work/bin/other-python3" -S "$script" "$csv" -o "$work/other.svg" 2>"$work/other.err"
code=$?
[ "$code" -eq 77 ] || fail "without matplotlib it exited with $code, not 77"
grep -qF "matplotlib is missing for $work/bin/other-python3; run the script as /usr/bin/python3" \
  "$work/other.err" || fail "without matplotlib it said: $(cat "$work/other.err")"
rm -rf "$work"
