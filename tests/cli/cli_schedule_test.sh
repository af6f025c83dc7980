#!/usr/bin/env bash
# dayvault-cli agenda, add and datecalc on generated databases: output shapes, exact calculator
# texts, exit statuses, and what a quick entry leaves in the file.
set -u
cli=$1 sample=$2
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
failures=0
check() {  # check NAME EXPECTED ACTUAL
  if [ "$2" != "$3" ]; then echo "FAIL $1: expected [$2], got [$3]"; failures=$((failures + 1)); fi
}
status() { "$@" >/dev/null 2>&1; echo $?; }
snapshot() { (cd "$1" && find . -type f | sort; md5sum < _main_data.dayvault); }

"$sample" "$work/db" 40 7 >/dev/null
db=$work/db
before=$(snapshot "$db")

# --- agenda
check "agenda bad --days" 1 "$(status "$cli" agenda "$db" --days 0)"
check "agenda --days not a number" 1 "$(status "$cli" agenda "$db" --days 7x)"
check "agenda --from not a date" 1 "$(status "$cli" agenda "$db" --from 2026-02-30)"
check "agenda --detail not a number" 1 "$(status "$cli" agenda "$db" --detail high)"
check "agenda missing database" 2 "$(status "$cli" agenda "$work/nothing")"
check "agenda unknown folder" 5 "$(status "$cli" agenda "$db" --folder '\NoSuchFolder')"
check "agenda default is seven days" 7 "$("$cli" agenda "$db" | grep -c ' add\.\.\.$')"
check "agenda today says so" " Your tasks for the next 7 days" "$("$cli" agenda "$db" | head -1)"
check "agenda from a day" " Your tasks for 2 days, starting from March 02, 2026" \
  "$("$cli" agenda "$db" --from 2026-03-02 --days 2 | head -1)"
check "agenda folder line, slashes and case" "*Only the contents of '\Work' is shown" \
  "$("$cli" agenda "$db" --folder /work --days 1 | grep '^\*Only')"

year=$("$cli" agenda "$db" --from 2026-01-01 --days 365 --json)
check "agenda json opens with days" '{"days": [' "$(printf '%s\n' "$year" | head -1)"
check "agenda json has a line per day" 365 "$(printf '%s\n' "$year" | grep -c '^  {"date": "2026-[0-9][0-9]-[0-9][0-9]", "entries": \[')"
check "agenda json ends the days" ']}' "$(printf '%s\n' "$year" | tail -1)"
# Every occurrence, repeats included, starts on the day it is listed under.
check "agenda json starts lie on their day" "" "$(printf '%s\n' "$year" | awk -F'"' '/"date"/ {
    for (i = 1; i <= NF; i++) if ($i == "start" && substr($(i + 2), 1, 10) != $4) print $4 }')"
entries=$(printf '%s\n' "$year" | grep -o '"guid": "{[^"]*}", "title": "[^"]*", "start": "[0-9T:-]*", "end": "[0-9T:-]*"}' | wc -l)
check "agenda json entries have guid, title, start and end" "$(printf '%s\n' "$year" | grep -o '"guid"' | wc -l)" "$entries"
check "agenda text lists what the json lists" "$entries" \
  "$("$cli" agenda "$db" --from 2026-01-01 --days 365 | grep -c '^  [0-9][0-9]:[0-9][0-9] - ')"
repeating=$("$cli" list "$db" --type task | cut -f1 | while read -r g; do
  [ "$("$cli" show "$db" "$g" --var task_repeating_n_active)" = 1 ] && echo "$g"; done | head -1)
check "a repeating task comes back" 1 "$([ "$(printf '%s\n' "$year" | grep -o "$repeating" | wc -l)" -gt 1 ] && echo 1)"
check "agenda writes nothing" "$before" "$(snapshot "$db")"

# --- add
check "add without a type adds nothing" 1 "$(status "$cli" add "$db" "Buy milk")"
check "add with an empty text" 1 "$(status "$cli" add "$db" "" --type todo)"
check "add bad --type" 1 "$(status "$cli" add "$db" "Buy milk" --type memo)"
check "add bad --start" 1 "$(status "$cli" add "$db" "task;Call" --start "2026-03-03 25:00")"
check "add unknown folder" 5 "$(status "$cli" add "$db" "Buy milk" --type todo --folder '\Nope')"
printf 'Men\xfc: caf\xe9\n' > "$work/latin1.txt"
check "add --contents that is not UTF-8" 1 "$(status "$cli" add "$db" "note;Menu" --contents "$work/latin1.txt")"
check "add --contents says where UTF-8 fails" 1 \
  "$("$cli" add "$db" "note;Menu" --contents "$work/latin1.txt" 2>&1 >/dev/null | grep -c "is not UTF-8 text (byte 3)")"
check "add --contents missing file" 1 "$(status "$cli" add "$db" "note;Menu" --contents "$work/nothing.txt")"
# The unknown folder shows only once the database is open, after the day's backup.
check "failed adds leave the main file as it was" "$(md5sum < "$work/db/_main_data.dayvault")" "$(printf '%s\n' "$before" | tail -1)"
check "failed adds leave no open mark" "" "$(ls "$db" | grep open_mark)"

guids=$("$cli" list "$db" | cut -f1)
for g in $guids; do "$cli" show "$db" "$g" > "$work/before.$g"; done
guid=$("$cli" add "$db" "Todo task;Call the dentist" --type note --folder /work/area\ 1 --start "2026-03-03 9:05")
check "add prints a GUID" 1 "$(printf '%s\n' "$guid" | grep -c '^{[0-9A-Fa-f-]*}$')"
check "add: the keyword wins over --type" Task "$("$cli" show "$db" "$guid" --var dv_item_type)"
check "add: title after the first ';'" "Call the dentist" "$("$cli" show "$db" "$guid" --var dv_title)"
check "add: the folder as the tree spells it" 'Folders: \Work\Area 1' "$("$cli" show "$db" "$guid" | grep '^Folders:')"
check "add: the task's start and 15 minutes" "Task start: 2026-03-03T09:05:00|Task end: 2026-03-03T09:20:00" \
  "$("$cli" show "$db" "$guid" | grep '^Task ' | paste -sd '|')"
check "add: the new task is on the agenda" 1 "$("$cli" agenda "$db" --from 2026-03-03 --days 1 | grep -c '^  09:05 - 09:20 Call the dentist$')"
check "add: one more item" 41 "$("$cli" list "$db" | wc -l)"
unchanged=0
for g in $guids; do "$cli" show "$db" "$g" | cmp -s - "$work/before.$g" && unchanged=$((unchanged + 1)); done
check "add: every other item unchanged" 40 "$unchanged"
check "add: no open mark left" "" "$(ls "$db" | grep open_mark)"
check "add: a to-do by the type button" ToDo \
  "$("$cli" show "$db" "$("$cli" add "$db" "Buy milk" --type todo)" --var dv_item_type)"
# The smart box's time picker: now + 30 minutes, on today's date.
ahead=$(date -d '+30 min' +%H:%M)
now_task=$("$cli" add "$db" "task;Soon")
ahead2=$(date -d '+30 min' +%H:%M)
start=$("$cli" show "$db" "$now_task" | sed -n 's/^Task start: ....-..-..T\(..:..\):..$/\1/p')
check "add: a task without --start is half an hour ahead" 1 "$([ "$start" = "$ahead" ] || [ "$start" = "$ahead2" ] && echo 1)"
# Text files become a paragraph per line; .rtf files are stored byte for byte.
printf 'Zakupy: \xc5\xbc\xc3\xb3\xc5\x82ty ser\r\n\tmas\xc5\x82o {1 kg} \xe2\x82\xac \xf0\x9f\xa7\x80\n' > "$work/shopping.txt"
text_note=$("$cli" add "$db" "note;Shopping" --contents "$work/shopping.txt")
check "add --contents text: show prints the text back" "$(printf 'Zakupy: \xc5\xbc\xc3\xb3\xc5\x82ty ser\n\tmas\xc5\x82o {1 kg} \xe2\x82\xac \xf0\x9f\xa7\x80')" \
  "$("$cli" show "$db" "$text_note" --var dv_contents_plain_text)"
printf '{\\rtf1 {\\b Bold} and plain\\par}' > "$work/styled.RTF"
rtf_note=$("$cli" add "$db" "note;Styled" --contents "$work/styled.RTF")
check "add --contents .RTF: stored as it is" "Contents: $(wc -c < "$work/styled.RTF") bytes" \
  "$("$cli" show "$db" "$rtf_note" | grep '^Contents:')"
check "add --contents .RTF: show prints its text" "Bold and plain" "$("$cli" show "$db" "$rtf_note" --var dv_contents_plain_text)"

date +%s > "$db/_main_data.dayvault.open_mark"
stored=$(md5sum < "$db/_main_data.dayvault")
check "add while in use" 4 "$(status "$cli" add "$db" "task;Call")"
check "add while in use changes nothing" "$stored" "$(md5sum < "$db/_main_data.dayvault")"
rm "$db/_main_data.dayvault.open_mark"

# --- datecalc
check "datecalc between, swapped" " The from-date was after the to-date, so the from and fo fields were swapped
 From and including: March 01, 2008, to, but not including: March 05, 2008
 The duration is:
 4 days

 other units:
 345600 second(s) totally
 5760 minute(s) totally
 96 hour(s) totally
 0 week(s) totally (precisely:0.57)
 0 month(s) totally (precisely:0.13)
 0 year(s) totally (precisely:0.01)" "$("$cli" datecalc between 2008-03-05 2008-03-01)"
check "datecalc between with time" " 4 days 2 hours 30 minutes and 15 seconds." \
  "$("$cli" datecalc between "2008-03-01 10:00" "2008-03-05T12:30:15" --time | sed -n 3p)"
check "datecalc between ignores times without --time" " 4 days" \
  "$("$cli" datecalc between "2008-03-01 23:00" "2008-03-05 01:00" | sed -n 3p)"
check "datecalc add over a leap day" " March 01, 2008 05:00:00" \
  "$("$cli" datecalc add "2008-02-28" --days 2 --hours 5 --time | tail -1)"
check "datecalc subtract a 365-day year" " February 28, 2007" "$("$cli" datecalc add 2008-02-28 --years 1 --subtract | tail -1)"
check "datecalc hours need --time" " March 01, 2008" "$("$cli" datecalc add 2008-02-28 --days 2 --hours 5 | tail -1)"
check "datecalc without a calculation" 1 "$(status "$cli" datecalc)"
check "datecalc unknown calculation" 1 "$(status "$cli" datecalc multiply 2008-01-01)"
check "datecalc bad date" 1 "$(status "$cli" datecalc between 2008-02-30 2008-03-01)"
check "datecalc between takes two dates" 1 "$(status "$cli" datecalc between 2008-02-01)"
check "datecalc between has no span" 1 "$(status "$cli" datecalc between 2008-02-01 2008-03-01 --days 2)"
check "datecalc bad count" 1 "$(status "$cli" datecalc add 2008-02-01 --days 2.5)"
check "datecalc count beyond 32 bits" 1 "$(status "$cli" datecalc add 2008-02-01 --days 4294967296)"

[ $failures -eq 0 ] && echo "all dayvault-cli agenda, add and datecalc checks passed"
exit $((failures > 0))
