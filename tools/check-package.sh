#!/usr/bin/env bash
# Checks Lockwell as a desktop program and as a Debian package, on the release
# build that "make test" left in BUILD (build by default):
#   1. an installation into a temporary prefix holds the program, the menu
#      entry, every icon size and the AppStream metadata, and the menu entry
#      and the metadata pass desktop-file-validate and appstreamcli validate;
#   2. "make package" builds lockwell_VERSION_ARCH.deb, and lintian reports on
#      it (its errors fail the check, its warnings are printed);
#   3. the package installs with apt-get, the installed program answers
#      --version, its menu entry starts it on a virtual X server (the welcome
#      window comes up, and its settings folder is made in the user's
#      configuration folder), and the package is removed again.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}
if [ "$(id -u)" -eq 0 ]; then as_root=(); else as_root=(sudo); fi
fail() { echo "FAIL: $*" >&2; exit 1; }

make package BUILD="$BUILD"

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$BUILD" --prefix "$prefix" >/dev/null
expected=(bin/lockwell share/applications/org.example.Lockwell.desktop
          share/metainfo/org.example.Lockwell.metainfo.xml share/icons/hicolor/scalable/apps/lockwell.svg)
for size in 16 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/lockwell.png")
done
for file in "${expected[@]}"; do
  [ -f "$prefix/$file" ] || fail "the installation lacks $file"
done
desktop-file-validate "$prefix/share/applications/org.example.Lockwell.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.example.Lockwell.metainfo.xml"

version=$(sed -n 's/^project(Lockwell VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
deb=$(ls "$BUILD"/lockwell_"$version"_*.deb) || fail "no package lockwell_${version}_ARCH.deb in $BUILD"
echo "lintian $deb:"
lintian --fail-on error --display-info "$deb"

# Starts the installed program through its menu entry for a new user, waits
# for the welcome window and ends the program; prints what went wrong, if anything.
start_from_menu() {
  local user="$prefix/user"
  mkdir -p "$user/Documents" && mkdir -m 700 "$user/runtime"
  # shellcheck disable=SC2016 # the script runs under the virtual X server
  HOME="$user" XDG_CONFIG_HOME="$user/.config" XDG_RUNTIME_DIR="$user/runtime" \
    xvfb-run -a bash -c '
      gio launch /usr/share/applications/org.example.Lockwell.desktop
      for _ in $(seq 1 100); do
        window=$(xdotool search --onlyvisible --name "^Welcome$" 2>/dev/null | head -1) && [ -n "$window" ] && break
        sleep 0.1
      done
      [ -n "${window:-}" ] || { echo "no welcome window"; exit 0; }
      kill "$(xdotool getwindowpid "$window")"' 2>/dev/null
  [ -d "$user/.config/lockwell" ] || echo "no settings folder in the configuration folder"
}

DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq "$(realpath "$deb")"
answer=$(env -u DISPLAY -u WAYLAND_DISPLAY /usr/bin/lockwell --version) || true
menu=$(start_from_menu)
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get purge -y -qq lockwell
[ "$answer" = "Lockwell $version" ] || fail "the installed program answered '$answer' to --version"
[ -z "$menu" ] || fail "started from its menu entry: $menu"
echo "package check: lockwell $version installs, answers --version, starts from its menu entry and is removed"
