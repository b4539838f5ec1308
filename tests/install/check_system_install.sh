#!/usr/bin/env bash
# Both layouts of one build: the portable folder, and the system layout in a
# temporary prefix, whose programs then run with a fresh home and write only
# there (the settings and animations of the user in ~/.local/share/halvane).
#   check_system_install.sh BUILD_DIR
set -euo pipefail
build="$1"
scratch=$(mktemp -d)
sim=""
trap 'if [ -n "$sim" ]; then kill "$sim" 2>/dev/null; wait "$sim" 2>/dev/null; fi; rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# The portable layout: everything in halvane/, nothing of the system layout.
cmake --install "$build" --prefix "$scratch/dist" >/dev/null
for f in halvane halvane-cli cross-sim Halvane.ini Dravelle/dravelle Dravelle/dravelle-cli Dravelle/Dravelle.ini; do
  [ -e "$scratch/dist/halvane/$f" ] || fail "portable: halvane/$f missing"
done
[ ! -e "$scratch/dist/bin" ] && [ ! -e "$scratch/dist/share" ] || fail "portable: system files installed too"

# The system layout.
prefix="$scratch/usr"
cmake --install "$build" --prefix "$prefix" --component system >/dev/null
for f in bin/halvane bin/halvane-cli bin/dravelle bin/dravelle-cli bin/cross-sim \
         share/halvane/Halvane.ini share/halvane/Dravelle/Dravelle.ini \
         share/applications/org.halvane.Halvane.desktop share/applications/org.halvane.Dravelle.desktop \
         share/metainfo/org.halvane.Halvane.metainfo.xml share/metainfo/org.halvane.Dravelle.metainfo.xml \
         share/mime/packages/halvane.xml \
         share/icons/hicolor/scalable/apps/org.halvane.Halvane.svg \
         share/icons/hicolor/scalable/mimetypes/image-x-cross-animation.svg \
         share/doc/halvane/copyright share/doc/halvane/changelog.gz; do
  [ -e "$prefix/$f" ] || fail "system: $f missing"
done
for size in 16 22 24 32 48 64 128 256; do
  for app in org.halvane.Halvane org.halvane.Dravelle; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/$app.png"
    [ -s "$png" ] || fail "system: $png missing"
    [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "$png is not a PNG"
  done
done
[ ! -e "$prefix/halvane" ] || fail "system: the portable folder installed too"
desktop-file-validate "$prefix"/share/applications/*.desktop

# The programs from the prefix, with a home of their own.
home="$scratch/home"
mkdir -p "$home"
touch "$scratch/installed"
export HOME="$home"
unset XDG_DATA_HOME
user="$home/.local/share/halvane"
"$prefix/bin/halvane-cli" info >/dev/null
[ -f "$user/Halvane.ini" ] || fail "the first start did not seed $user/Halvane.ini"
cmp -s "$user/Halvane.ini" "$prefix/share/halvane/Halvane.ini" || fail "the seeded settings differ from the shipped ones"
[ -d "$user/animations" ] && [ -d "$user/Fonts" ] || fail "animations/ or Fonts/ missing in $user"

# Only COM1 has a device, the virtual cross, so no real port is touched.
{ echo "[PORTS]"; for n in $(seq 2 16); do echo "COM$n="; done; } >>"$user/Halvane.ini"
"$prefix/bin/cross-sim" --state "$scratch/cross" --port 1 >"$scratch/cross-sim.log" 2>&1 &
sim=$!
for _ in $(seq 100); do grep -q "^COM1=" "$user/Halvane.ini" && break; sleep 0.1; done
grep -q "^COM1=" "$user/Halvane.ini" || fail "cross-sim did not map COM1 in the user's settings: $(cat "$scratch/cross-sim.log")"
found=$("$prefix/bin/halvane-cli" search) || fail "search: $found"
[ "$found" = "COM1 9600 48x48" ] || fail "search printed: $found"
grep -q "^PORT=1" "$user/Halvane.ini" || fail "the search did not write PORT=1 into the user's settings"
kill "$sim"; wait "$sim" 2>/dev/null || true; sim=""

(cd "$home" && "$prefix/bin/dravelle-cli" template diamond -o diamond.crs >/dev/null)
[ -s "$home/diamond.crs" ] || fail "dravelle-cli template wrote nothing"
[ -f "$user/Dravelle/Dravelle.ini" ] || fail "Dravelle's settings were not seeded"

# Nothing of the installation was written to.
changed=$(find "$prefix" -newer "$scratch/installed")
[ -z "$changed" ] || fail "written under the prefix: $changed"
cmp -s "$prefix/share/halvane/Halvane.ini" "$(dirname "$0")/../../resources/Halvane.ini" || fail "shipped Halvane.ini changed"
echo "system layout: installed, seeded and run from $prefix"
