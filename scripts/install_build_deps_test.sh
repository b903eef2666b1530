#!/bin/sh
# install_build_deps_test.sh: the dependency script installs nothing when every package the build
# needs is there, pkg-config included when only pkgconf, which provides the command, is installed.
# Usage: scripts/install_build_deps_test.sh WORK_FOLDER
set -u
work=$1
script=$(dirname "$0")/install_build_deps.sh
rm -rf "$work" && mkdir -p "$work/bin"
fail() { echo "install_build_deps_test.sh: $*" >&2; exit 1; }

# Every package installed but the transitional pkg-config; the pkg-config command is there.
cat >"$work/bin/dpkg-query" <<'END'
#!/bin/sh
for last; do :; done
[ "$last" = pkg-config ] && exit 1
printf 'install ok installed'
END
printf '#!/bin/sh\nexit 0\n' >"$work/bin/pkg-config"
# A user without root: sudo and apt-get note that they were called.
printf '#!/bin/sh\necho 1000\n' >"$work/bin/id"
# shellcheck disable=SC2016  # expanded by the stand-ins when they run
printf '#!/bin/sh\necho "$0 $*" >>"%s/called"\nexit 1\n' "$work" >"$work/bin/sudo"
cp "$work/bin/sudo" "$work/bin/apt-get"
chmod +x "$work/bin/"*

PATH="$work/bin:$PATH" "$script" >"$work/out" 2>&1 || fail "it failed: $(cat "$work/out")"
[ -e "$work/called" ] && fail "it tried to install: $(cat "$work/called")"
rm -rf "$work"
