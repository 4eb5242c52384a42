#!/usr/bin/env bash
# The manual pages follow the programs: every command and every option that a program's --help
# names is on its page.
set -euo pipefail
src=$1
build=$2
status=0
for program in plu-cli plu-manager scale-sim; do
    page="$src/docs/man/$program.1"
    help=$(QT_QPA_PLATFORM=offscreen "$build/bin/$program" --help 2>&1) || true
    # The page's text as it reads: escapes and font changes removed.
    text=$(sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g' -e 's/\\(dq/"/g' "$page")
    names=$(grep -o -- '--[a-z][a-z-]*' <<<"$help" | sort -u)
    # plu-cli lists its commands on the line that describes the command argument.
    if [ "$program" = plu-cli ]; then
        names+=$'\n'$(grep -A1 '^ *command' <<<"$help" | tr ',' '\n' | sed -e 's/ or /\n/g' |
            grep -o '^ *[a-z][a-z-]*\.\?$' | tr -d ' .' | grep -v '^command$' || true)
    fi
    [ -n "$names" ] || { echo "FAIL: $program --help names nothing" >&2; status=1; }
    for name in $names; do
        if ! grep -q -- "$name" <<<"$text"; then
            echo "FAIL: $program --help names $name, its manual page does not" >&2
            status=1
        fi
    done
done
# A user outside the dialout group cannot open a serial scale: the pages say what to do.
for page in plu-manager plu-cli; do
    grep -q dialout "$src/docs/man/$page.1" || { echo "FAIL: $page(1) does not name the dialout group" >&2; status=1; }
done
[ $status = 0 ] && echo "manual pages follow --help"
exit $status
