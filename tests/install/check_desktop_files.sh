#!/usr/bin/env bash
# The desktop integration files as the desktop's own tools read them: the
# entries, the AppStream metainfo (no errors) and the file types, compiled by
# update-mime-database into a folder of the test's own.
#   check_desktop_files.sh SOURCE_DIR
set -euo pipefail
desktop="$1/resources/desktop"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

for tool in desktop-file-validate appstreamcli update-mime-database; do
  command -v "$tool" >/dev/null || { echo "missing $tool (scripts/deps.sh installs it)"; exit 1; }
done

for entry in "$desktop"/*.desktop; do
  # desktop-file-validate prints what it finds and fails on errors; hints are not errors.
  out=$(desktop-file-validate "$entry" 2>&1) || { echo "$out"; exit 1; }
  if grep -v "hint:" <<<"$out" | grep -q .; then echo "$out"; exit 1; fi
  grep -q "^MimeType=" "$entry" || { echo "$entry has no MimeType"; exit 1; }
done

appstreamcli validate --no-net --no-color "$desktop"/*.metainfo.xml

mkdir -p "$scratch/mime/packages"
cp "$desktop/halvane-mime.xml" "$scratch/mime/packages/halvane.xml"
err=$(update-mime-database "$scratch/mime" 2>&1 >/dev/null | grep -v -e "not in the search path" -e "XDG_DATA" \
      -e "environment variables" -e "able to find it" -e "directories currently searched" -e "^- /" -e "^$" || true)
[ -z "$err" ] || { echo "update-mime-database: $err"; exit 1; }
grep -qx "50:application/x-halvane-play-project:\*.plst" "$scratch/mime/globs2"
grep -qx "50:image/x-cross-animation:\*.crs" "$scratch/mime/globs2"
grep -qx "image/x-cross-animation image/gif" "$scratch/mime/subclasses"
# Each entry opens the type the file types declare.
grep -q "^MimeType=application/x-halvane-play-project;$" "$desktop/org.halvane.Halvane.desktop"
grep -q "^MimeType=image/x-cross-animation;$" "$desktop/org.halvane.Dravelle.desktop"
echo "desktop files: valid"
