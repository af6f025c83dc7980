#!/usr/bin/env bash
# dayvault-cli on generated databases: exit statuses, output shapes, passwords and the open mark.
set -u
cli=$1 sample=$2
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
failures=0
check() {  # check NAME EXPECTED ACTUAL
  if [ "$2" != "$3" ]; then echo "FAIL $1: expected [$2], got [$3]"; failures=$((failures + 1)); fi
}
status() { "$@" >/dev/null 2>&1; echo $?; }

"$sample" "$work/db" 40 7
db=$work/db
before=$(cd "$db" && find . -type f | sort; cat _main_data.dayvault | md5sum)

check "usage without command" 1 "$(status "$cli")"
check "unknown command" 1 "$(status "$cli" frobnicate "$db")"
check "unknown option" 1 "$(status "$cli" list "$db" --colour red)"
check "tool help" 0 "$(status "$cli" --help)"
check "command help" 0 "$(status "$cli" list --help)"
check "missing database" 2 "$(status "$cli" info "$work/nothing")"
check "info lists totals" "Total:40" "$("$cli" info "$db" | grep -o 'Total:[0-9]*')"
check "list counts" 40 "$("$cli" list "$db" | wc -l)"
check "list by type" 10 "$("$cli" list "$db" --type note | wc -l)"
check "bad type" 1 "$(status "$cli" list "$db" --type memo)"
check "list by folder" 0 "$("$cli" list "$db" --folder '\Work' | cut -f4 | grep -vc -i 'work')"
check "json is an array" "[" "$("$cli" list "$db" --json | head -c 1)"
guid=$("$cli" list "$db" --type note | head -1 | cut -f1)
title=$("$cli" list "$db" --type note | head -1 | cut -f3)
check "show --var" "$title" "$("$cli" show "$db" "$guid" --var DV_TITLE)"
check "plain text of a note" 1 "$("$cli" show "$db" "$guid" --var dv_contents_plain_text | grep -c '^Summary')"
check "unknown guid" 5 "$(status "$cli" show "$db" '{00000000-0000-0000-0000-000000000000}')"
after=$(cd "$db" && find . -type f | sort; cat _main_data.dayvault | md5sum)
check "reading commands write nothing" "$before" "$after"

check "demo" 0 "$(status "$cli" demo "$work/demo")"
check "demo has today's tasks" 1 "$("$cli" agenda "$work/demo" --days 1 --json | grep -c '"guid"' | grep -c '^[1-9]')"
demo_sum=$(md5sum < "$work/demo/_main_data.dayvault")
check "demo leaves a database alone" "6 $demo_sum" "$(status "$cli" demo "$work/demo") $(md5sum < "$work/demo/_main_data.dayvault")"

echo secret > "$work/pw"
check "passwd" 0 "$(status "$cli" passwd "$db" --new-password-file "$work/pw")"
check "protected without password" 2 "$(status "$cli" info "$db")"
check "wrong password" 3 "$(DAYVAULT_PASSWORD=wrong status "$cli" info "$db")"
check "wrong password text" "Wrong password (Probably)" "$(DAYVAULT_PASSWORD=wrong "$cli" info "$db" 2>&1 >/dev/null)"
check "right password" 40 "$(DAYVAULT_PASSWORD=secret "$cli" list "$db" | wc -l)"
check "password file" 40 "$("$cli" list "$db" --password-file "$work/pw" | wc -l)"

date +%s > "$db/_main_data.dayvault.open_mark"
stored=$(md5sum < "$db/_main_data.dayvault")
check "in use" 4 "$(status "$cli" passwd "$db" --password-file "$work/pw" --new-password-file /dev/null)"
check "in use changes nothing" "$stored" "$(md5sum < "$db/_main_data.dayvault")"
rm "$db/_main_data.dayvault.open_mark"
check "remove password" 0 "$(status "$cli" passwd "$db" --password-file "$work/pw" --new-password-file /dev/null)"
check "plain again" 40 "$("$cli" list "$db" | wc -l)"
check "no mark left" "" "$(ls "$db" | grep open_mark)"

check "new database" "$work/fresh/_main_data.dayvault" "$("$cli" new "$work" fresh 2>/dev/null)"
check "new keeps an existing folder" 6 "$(status "$cli" new "$work" fresh)"
check "new database is empty" "Total:0" "$("$cli" info "$work/fresh" | grep -o 'Total:[0-9]*')"

[ $failures -eq 0 ] && echo "all dayvault-cli checks passed"
exit $((failures > 0))
