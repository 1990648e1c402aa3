#!/usr/bin/env bash
# End to end for the Debian package: build it with cpack from this build folder, check what it holds, install
# it with dpkg, run the installed hack under the real xscreensaver daemon, remove it and check that nothing is
# left behind. It installs into the machine itself, so it runs only as root, and never over a jamlog that was
# installed before it.
#   run.sh BUILD_DIR DAEMON_TEST XSS_HELPER ARTIFACTS_DIR      exit 0 passed, 1 failed, 77 skipped
set -uo pipefail

build=$1 daemonTest=$2 helper=$3 artifacts=$4
hack=/usr/libexec/xscreensaver/jamlog
expected=(/usr/bin/jamlog "$hack" /usr/share/xscreensaver/config/jamlog.xml /usr/share/applications/jamlog.desktop
          /usr/share/icons/hicolor/scalable/apps/jamlog.svg /usr/share/man/man6/jamlog.6.gz
          /usr/share/metainfo/org.jamlog.jamlog.metainfo.xml /usr/share/doc/jamlog/copyright
          /usr/share/doc/jamlog/changelog.gz /usr/share/doc/jamlog/README.md /usr/share/lintian/overrides/jamlog)

say() { echo "[$(date +%T)] $*"; }
skip() { echo "SKIPPED: $*"; exit 77; }
[ "$(id -u)" -eq 0 ] || skip "installing a package needs root"
for tool in dpkg dpkg-deb cpack; do command -v "$tool" >/dev/null || skip "$tool is not installed"; done
dpkg-query -W -f='${Status}' jamlog 2>/dev/null | grep -q 'installed' && skip "a jamlog package is already installed"
[ -e /usr/bin/jamlog ] && skip "/usr/bin/jamlog exists already"

work=$(mktemp -d /tmp/jamlog-package.XXXXXX) || exit 1
installed=0
finish() {
  local rc=$1
  [ "$installed" -eq 1 ] && dpkg -r jamlog >"$work/remove.log" 2>&1
  mkdir -p "$artifacts"
  cp -f "$work"/*.log "$artifacts"/ 2>/dev/null
  rm -rf "$work"
  exit "$rc"
}
fail() { echo "FAILED: $*"; finish 1; }
trap 'finish 1' INT TERM

say "building the package"
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work") >"$work/cpack.log" 2>&1 ||
  { tail -n 30 "$work/cpack.log"; fail "cpack failed"; }
debs=("$work"/jamlog_*_"$(dpkg --print-architecture)".deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no single jamlog_<version>_<arch>.deb in: $(ls "$work")"
deb=${debs[0]}
say "built $(basename "$deb")"

dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|; s|/$||' >"$work/contents"
for path in "${expected[@]}"; do grep -qx "$path" "$work/contents" || fail "the package does not hold $path"; done
dpkg-deb -c "$deb" | awk '{print $2}' | grep -vqx 'root/root' && fail "the package holds files not owned by root"
depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *libc6* && $depends == *libqt6widgets6* ]] || fail "Depends is not from the libraries: '$depends'"
say "Depends: $depends"

say "installing"
dpkg -i "$deb" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "dpkg -i failed"; }
installed=1
dpkg -L jamlog | sort >"$work/files"
for path in "${expected[@]}"; do [ -e "$path" ] || fail "$path is not there after the install"; done
[ -x "$hack" ] && [ "$(readlink -f "$hack")" = /usr/bin/jamlog ] || fail "$hack does not lead to /usr/bin/jamlog"
"$hack" --help >/dev/null 2>&1 || fail "the installed hack does not run"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate /usr/share/applications/jamlog.desktop || fail "the desktop entry is not valid"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net /usr/share/metainfo/org.jamlog.jamlog.metainfo.xml >"$work/appstream.log" 2>&1 ||
    { cat "$work/appstream.log"; fail "the AppStream metainfo is not valid"; }
fi
if command -v man >/dev/null; then
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -l /usr/share/man/man6/jamlog.6.gz 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "the manual page renders with warnings: $warnings"
fi

say "running the installed hack under the daemon"
JAMLOG_AS_INSTALLED=1 bash "$daemonTest" "$hack" "$helper" "$artifacts/daemon"
rc=$?
[ $rc -eq 77 ] && { echo "(the daemon part was skipped)"; }
[ $rc -ne 0 ] && [ $rc -ne 77 ] && fail "the installed hack failed under the daemon"

say "removing"
dpkg -r jamlog >"$work/remove.log" 2>&1 || { cat "$work/remove.log"; fail "dpkg -r failed"; }
installed=0
dpkg-query -W -f='${Status}' jamlog 2>/dev/null | grep -q 'ok installed' && fail "jamlog is still installed"
while read -r path; do
  [ -f "$path" ] || [ -L "$path" ] && fail "$path is left after the removal"
done <"$work/files"
[ -e /usr/share/doc/jamlog ] && fail "/usr/share/doc/jamlog is left after the removal"
[ -d /usr/libexec/xscreensaver ] || say "(the removal took /usr/libexec/xscreensaver, which only jamlog used)"
say "passed"
finish 0
