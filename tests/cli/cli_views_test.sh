#!/usr/bin/env bash
# dayvault-cli list, search and find on a generated database: filters, sorting, columns, the quick
# search's rows and the search tool's conditions, checked against each other and against the data.
set -u
cli=$1 sample=$2
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
failures=0
check() {  # check NAME EXPECTED ACTUAL
  if [ "$2" != "$3" ]; then echo "FAIL $1: expected [$2], got [$3]"; failures=$((failures + 1)); fi
}
status() { "$@" >/dev/null 2>&1; echo $?; }
lines() { "$@" 2>/dev/null | wc -l; }

# Priorities and completion as percentages, so the columns can be checked as numbers.
export XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_CONFIG_HOME/Quellmark/Dayvault"
printf '[options]\ndv_opt_b_priority_as_percents=1\ndv_opt_b_completed_as_percents=1\n' \
  > "$XDG_CONFIG_HOME/Quellmark/Dayvault/dv_options.ini"

"$sample" "$work/db" 400 3
db=$work/db

# --text: the phrase anywhere in the title, ignoring case.
plan=$("$cli" list "$db" | cut -f3 | grep -ci 'plan')
check "text filter count" "$plan" "$(lines "$cli" list "$db" --text PLAN)"
check "text filter titles" 0 "$("$cli" list "$db" --text PLAN | cut -f3 | grep -vci plan)"
check "text filter is one phrase" 0 "$(lines "$cli" list "$db" --text 'plan  budget')"

# --keywords: the any-item columns end with the keywords.
kw() { "$cli" list "$db" --columns "$@" | tail -n +2 | awk -F'\t' '{print "," $6 ","}'; }
any=$(kw --keywords meeting,call | wc -l)
both=$(kw --keywords meeting,call --all-keywords | wc -l)
check "any keyword: each row has one" 0 "$(kw --keywords meeting,call | grep -vc -e ',meeting,' -e ',call,')"
check "all keywords: each row has both" 0 "$(kw --keywords meeting,call --all-keywords | grep -v ',meeting,' | grep -vc ',call,')"
check "all keywords is a subset" 1 "$([ "$both" -lt "$any" ] && [ "$both" -gt 0 ] && echo 1)"
check "unknown keyword with all" 0 "$(lines "$cli" list "$db" --keywords budget,nosuchword --all-keywords)"
check "unknown keyword with any" "$(lines "$cli" list "$db" --keywords budget)" \
  "$(lines "$cli" list "$db" --keywords budget,nosuchword)"

# --hide-completed: to-dos at 100% go, notes stay.
todos=$(lines "$cli" list "$db" --type todo)
done100=$("$cli" list "$db" --type todo --columns | cut -f1 | grep -c '^100%$')
check "hide completed to-dos" $((todos - done100)) "$(lines "$cli" list "$db" --type todo --hide-completed)"
check "notes are never completed" "$(lines "$cli" list "$db" --type note)" \
  "$(lines "$cli" list "$db" --type note --hide-completed)"

# --columns: the list's header and one line per item.
check "note columns" "Title	Folders	Created	Modified" "$("$cli" list "$db" --type note --columns | head -1)"
check "column lines" $((todos + 1)) "$(lines "$cli" list "$db" --type todo --columns)"
check "undated to-dos" 1 "$("$cli" list "$db" --type todo --columns | cut -f5 | grep -c 'Not defined' | grep -c '[1-9]')"

# --sort: priorities as numbers, both ways; undated to-dos after the dated ones.
pr() { "$cli" list "$db" --type task --columns --sort dv_priority "$@" | tail -n +2 | cut -f2 | tr -d %; }
check "ascending priorities" "$(pr | sort -n)" "$(pr)"
check "descending priorities" "$(pr --descending | sort -rn)" "$(pr --descending)"
deadlines=$("$cli" list "$db" --type todo --columns --sort dv_taskend | tail -n +2 | cut -f5)
check "undated to-dos last" "$(echo "$deadlines" | grep -vc 'Not defined')" \
  "$(echo "$deadlines" | grep -n 'Not defined' | head -1 | cut -d: -f1 | xargs -I{} expr {} - 1)"
check "sort unknown variable keeps order" "$("$cli" list "$db" --type note)" \
  "$("$cli" list "$db" --type note --sort NoSuchField)"

# search: in-scope rows, then the separator and the rest with their types.
rows=$("$cli" search "$db" "budget plan" --folder '\Work\Area 1\Topic 1')
check "search separator" 1 "$(echo "$rows" | grep -c '^-- Out of current scope :$')"
after=$(echo "$rows" | sed -n '/^-- Out of current scope :$/,$p' | tail -n +2)
check "search types after the separator" 0 "$(echo "$after" | grep -vc '  \[\(Task\|ToDo\|Note\|Contact\)\]$')"
check "search rows after the separator" 1 "$([ "$(echo "$after" | wc -l)" -ge 1 ] && echo 1)"
check "search in the root has no separator" 0 "$("$cli" search "$db" "budget" | grep -c 'Out of current scope')"
check "search at most 30 in scope" 30 "$(lines "$cli" search "$db" "budget")"
check "search no words" 0 "$(lines "$cli" search "$db" "  ")"

# find: a title condition finds what the text filter lists; AND narrows, OR widens.
check "find title like the text filter" "$("$cli" list "$db" --text plan)" "$("$cli" find "$db" --field title=PLAN 2>/dev/null)"
label=$("$cli" find "$db" --field title=plan 2>&1 >/dev/null)
check "find label" "$plan items found" "$label"
one=$(lines "$cli" find "$db" --field title=plan)
two=$(lines "$cli" find "$db" --field title=plan --field keywords=tax)
either=$(lines "$cli" find "$db" --field title=plan --field keywords=tax --any)
check "repeated --field narrows" 1 "$([ "$two" -lt "$one" ] && [ "$either" -gt "$one" ] && echo 1)"
check "find by type and folder" "$("$cli" list "$db" --type note --folder '\Work')" \
  "$("$cli" find "$db" --types note --folder '\Work' 2>/dev/null)"
check "find a user variable" "$(lines "$cli" list "$db" --type contact)" \
  "$(lines "$cli" find "$db" --types contact --field '[Personal] E-mails=@example.org')"
check "find short field names" "$("$cli" find "$db" --field 'note (contents)=summary' 2>/dev/null)" \
  "$("$cli" find "$db" --field note=SUMMARY 2>/dev/null)"
check "find json" "[" "$("$cli" find "$db" --field title=plan --json 2>/dev/null | head -c 1)"
check "at most six conditions" 1 "$(status "$cli" find "$db" --field a=1 --field a=2 --field a=3 --field a=4 \
  --field a=5 --field a=6 --field a=7)"
check "condition without field" 1 "$(status "$cli" find "$db" --field =x)"
check "bad type list" 1 "$(status "$cli" find "$db" --types note,memo)"

[ $failures -eq 0 ] && echo "all dayvault-cli view checks passed"
exit $((failures > 0))
