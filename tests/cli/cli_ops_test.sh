#!/usr/bin/env bash
# dayvault-cli folder and item: the operations on a generated database, their messages, the
# exit status 1 when nothing changed, and that such runs leave the main file alone.
set -u
cli=$1 sample=$2
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
failures=0
check() {  # check NAME EXPECTED ACTUAL
  if [ "$2" != "$3" ]; then echo "FAIL $1: expected [$2], got [$3]"; failures=$((failures + 1)); fi
}
status() { "$@" >/dev/null 2>&1; echo $?; }
errors() { "$@" 2>&1 >/dev/null; }
folders() { "$cli" show "$db" "$1" --var dv_folders; }
stored() { md5sum < "$db/_main_data.dayvault"; }

"$sample" "$work/db" 40 11 >/dev/null
db=$work/db
single=$("$cli" list "$db" | awk -F'\t' '$4 !~ /;/ {print $1; exit}')
multi=$("$cli" list "$db" | awk -F'\t' '$4 ~ /;/ {print $1; exit}')
multiFirst=$(folders "$multi" | cut -d';' -f1)
multiRest=$(folders "$multi" | cut -d';' -f2-)
total=$("$cli" list "$db" | wc -l)

# Folders
check "new creates every component" 0 "$(status "$cli" folder "$db" new '/Ops/One/Two')"
check "new of an existing folder" "folder with that name already exists. Please enter a different name" \
  "$(errors "$cli" folder "$db" new '\ops\one' | head -1)"
check "new of an existing folder changes nothing" 1 "$(status "$cli" folder "$db" new '\Ops\One')"
check "new with a bad name" "#349sdhj3, Unacceptable folder name" "$(errors "$cli" folder "$db" new '\Ops\{x' | head -1)"
check "an item goes into the new folder" 0 "$(status "$cli" item "$db" move "$single" --to '\Ops\One\Two')"
check "rename" 0 "$(status "$cli" folder "$db" rename '\Ops\One' Uno)"
check "rename takes the items along" '\Ops\Uno\Two' "$(folders "$single")"
"$cli" folder "$db" new '\Ops\Dos' 2>/dev/null
check "rename onto a sibling" "folder with that name already exists. Please enter a different name" \
  "$(errors "$cli" folder "$db" rename '\Ops\Uno' dos | head -1)"
check "rename with a separator" "Unacceptable folder name" "$(errors "$cli" folder "$db" rename '\Ops\Uno' 'a/b' | head -1)"
check "rename the root" 1 "$(status "$cli" folder "$db" rename '\' Top)"
check "move into a subfolder" "You can't move a parent folder to one of its subfolders" \
  "$(errors "$cli" folder "$db" move '\Ops' '\Ops\Uno\Two' | head -1)"
check "move onto itself" "You can't move a folder to itself" "$(errors "$cli" folder "$db" move '\Ops' '\ops' | head -1)"
check "move into its own parent" "Folder:\\Ops\\Uno" "$(errors "$cli" folder "$db" move '\Ops\Uno' '\Ops' | head -1)"
check "move into a missing folder" 1 "$(status "$cli" folder "$db" move '\Ops\Uno' '\Nowhere')"
check "move into the root" 0 "$(status "$cli" folder "$db" move '\Ops\Uno' '\')"
check "moved items have a single separator" '\Uno\Two' "$(folders "$single")"

"$cli" folder "$db" new '\Ord\A' 2>/dev/null; "$cli" folder "$db" new '\Ord\B' 2>/dev/null
check "the first folder cannot go up" 1 "$(status "$cli" folder "$db" up '\Ord\A')"
check "down" 0 "$(status "$cli" folder "$db" down '\Ord\A')"
check "the order was saved: A is last" 1 "$(status "$cli" folder "$db" down '\Ord\A')"
check "and B first" 1 "$(status "$cli" folder "$db" up '\Ord\B')"
check "the root cannot move" 1 "$(status "$cli" folder "$db" up '\')"

# Items
check "add" 0 "$(status "$cli" item "$db" add "$multi" --to '\Ord\A')"
check "add to a folder it has" 1 "$(status "$cli" item "$db" add "$multi" --to '\ord\a')"
check "add to a folder not in the tree" 5 "$(status "$cli" item "$db" add "$multi" --to '\Nowhere')"
check "added" "$multiFirst;$multiRest;\\Ord\\A" "$(folders "$multi")"
check "move from a parent of its folders" "could not move:" \
  "$(errors "$cli" item "$db" move "$multi" --from '\' --to '\Ord\B' | head -1 | cut -c1-15)"
check "move from one of its folders" 0 "$(status "$cli" item "$db" move "$multi" --from '\Ord\A' --to '\Ord\B')"
check "moved" "$multiFirst;$multiRest;\\Ord\\B" "$(folders "$multi")"
check "remove" 0 "$(status "$cli" item "$db" remove "$multi" --from "$multiFirst")"
check "removed" "$multiRest;\\Ord\\B" "$(folders "$multi")"
check "remove without subfolders leaves them" 1 "$(status "$cli" item "$db" remove "$multi" --from '\Ord')"
check "remove with subfolders" 0 "$(status "$cli" item "$db" remove "$multi" --from '\Ord' --with-subfolders)"
check "removed below" "$multiRest" "$(folders "$multi")"

copy=$("$cli" item "$db" copy "$single" --to '\Ord\A')
check "a copy prints its GUID" 38 "${#copy}"
check "a copy is titled so" "Copy of $("$cli" show "$db" "$single" --var dv_title)" "$("$cli" show "$db" "$copy" --var dv_title)"
check "a copy into another folder lives only there" '\Ord\A' "$(folders "$copy")"
kept=$("$cli" item "$db" copy "$single" "$multi" --to '\Uno\Two' --keep-title)
check "two copies, two GUIDs" 2 "$(echo "$kept" | wc -l)"
first=$(echo "$kept" | head -1)
check "a copy into its own folder keeps its title and folders" \
  "$("$cli" show "$db" "$single" --var dv_title)|\\Uno\\Two" "$("$cli" show "$db" "$first" --var dv_title)|$(folders "$first")"

check "delete the folder" 0 "$(status "$cli" folder "$db" delete '\Ord')"
check "its only item is gone" 5 "$(status "$cli" show "$db" "$copy")"
check "delete a missing folder" "deleting folder: folder not found" "$(errors "$cli" folder "$db" delete '\Ord' | head -1)"
check "delete the root" "node ptr not found" "$(errors "$cli" folder "$db" delete '\' | head -1)"
check "delete items" 0 "$(status "$cli" item "$db" delete "$single" "$first")"
check "deleted" 5 "$(status "$cli" show "$db" "$single")"
check "three copies made, three items deleted" "$total" "$("$cli" list "$db" | wc -l)"

# Nothing changed: exit 1 and the file is not rewritten
before=$(stored)
check "delete of unknown items" 1 "$(status "$cli" item "$db" delete '{00000000-0000-0000-0000-000000000000}')"
check "it says so" "dayvault-cli item: nothing changed" \
  "$(errors "$cli" item "$db" delete '{00000000-0000-0000-0000-000000000000}')"
check "move needs --to" 1 "$(status "$cli" item "$db" move "$multi")"
check "unknown action" 1 "$(status "$cli" item "$db" frob "$multi")"
check "unknown folder action" 1 "$(status "$cli" folder "$db" frob '\A')"
check "missing folder argument" 1 "$(status "$cli" folder "$db" rename '\Uno')"
check "unchanged runs leave the file" "$before" "$(stored)"

date +%s > "$db/_main_data.dayvault.open_mark"
check "in use" 4 "$(status "$cli" folder "$db" new '\Busy')"
check "in use: item" 4 "$(status "$cli" item "$db" delete "$multi")"
check "in use changes nothing" "$before" "$(stored)"
rm "$db/_main_data.dayvault.open_mark"
check "no mark left behind" "" "$(ls "$db" | grep open_mark)"

[ $failures -eq 0 ] && echo "all dayvault-cli folder and item checks passed"
exit $((failures > 0))
