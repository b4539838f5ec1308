# Demo play projects for scripts/run and scripts/screenshots: sample
# animations made by dravelle-cli (Dravelle's templates and words, saved with
# its .crs writer), text messages and the four data messages.
# Sourced; needs an application folder laid out by cmake --install.

# cross_demo_project APP PLST [full]: the demo project of seven entries, or
# with "full" a play list of two groups (20 entries).
cross_demo_project() {
  local app=$1 plst=$2 full=${3:-}
  local dcli=("$app/Dravelle/dravelle-cli" --app-dir "$app/Dravelle")
  local cli=("$app/halvane-cli" --app-dir "$app")
  local anims="$app/animations" more=()
  "${dcli[@]}" template diamond --res 48 -o "$anims/demo-diamond.crs" >/dev/null
  "${dcli[@]}" template circle --res 48 -o "$anims/demo-circle.crs" >/dev/null
  "${dcli[@]}" words "Cross" --res 48 --color Green -o "$anims/demo-words.crs" >/dev/null
  if [ "$full" = full ]; then
    local t i colors=(Red Yellow Cyan Purple White Blue Red Green Yellow)
    local words=(Hi Sun Mon Tue Wed Thu Fri Sat Go)
    for t in cross circumgyrate rectangle; do
      "${dcli[@]}" template "$t" --res 48 -o "$anims/demo-$t.crs" >/dev/null
      more+=("demo-$t.crs")
    done
    for i in "${!words[@]}"; do
      "${dcli[@]}" words "${words[$i]}" --res 48 --color "${colors[$i]}" \
          -o "$anims/word-${words[$i]}.crs" >/dev/null
      more+=("word-${words[$i]}.crs")
    done
    more+=(demo-circle.crs Text2)
  fi
  "${cli[@]}" project new "$plst" >/dev/null
  "${cli[@]}" project add "$plst" demo-diamond.crs Text1 Hour demo-words.crs Date Temperature Humidity \
      "${more[@]}" >/dev/null
  "${cli[@]}" project set "$plst" "Text1.text=Hello from Halvane" Text1.speed=3 Hour.back=demo-circle.crs \
      anim.demo-words.crs.loop=2 >/dev/null
  if [ "$full" = full ]; then
    "${cli[@]}" project set "$plst" "Text2.text=Second group" Text2.bold=1 >/dev/null
  fi
}
