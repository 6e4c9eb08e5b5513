#!/bin/sh
# What the settings store reads and writes, compared with what Wine's own `reg` shows.
# Usage: registry_crosscheck.sh <wine runner> <registry_probe.exe>
set -eu
run="$1"
probe="$2"
key='HKCU\SOFTWARE\kalvex-crosscheck.invalid\ICQLiteKalvex\Settings'
text='C:\Bilder\Grüße Ärger Öl\Жук 😀.jpg'
failures=0

expect_query() {  # name, type and data as `reg query` lists them
  if ! "$run" reg query "$key" /v "$1" /reg:64 | tr -d '\r' | LC_ALL=C grep -aEq "^ +$1 +$2 +$3\$"; then
    echo "FAIL: $1 is not $2 $3:"; "$run" reg query "$key" /v "$1" /reg:64 || true
    failures=$((failures + 1))
  fi
}

"$run" reg delete 'HKCU\SOFTWARE\kalvex-crosscheck.invalid' /reg:64 /f >/dev/null 2>&1 || true

# The first write creates the branch with its parents.
"$run" "$probe" kalvex-crosscheck.invalid Missing
expect_query MissingRead REG_SZ '\(default\)'

"$run" reg add "$key" /v Text /t REG_SZ /d "$text" /reg:64 /f >/dev/null
"$run" reg add "$key" /v Empty /t REG_SZ /d '' /reg:64 /f >/dev/null
"$run" reg add "$key" /v Five /t REG_DWORD /d 5 /reg:64 /f >/dev/null
"$run" reg add "$key" /v AllBits /t REG_DWORD /d 0xffffffff /reg:64 /f >/dev/null
"$run" reg add "$key" /v Expandable /t REG_EXPAND_SZ /d '%TEMP%\a.jpg' /reg:64 /f >/dev/null
"$run" "$probe" kalvex-crosscheck.invalid Text Empty Five AllBits Expandable

expect_query FiveRead REG_SZ 5
expect_query AllBitsRead REG_SZ -1
expect_query EmptyRead REG_SZ '\(default\)'
expect_query ExpandableRead REG_SZ '\(default\)'
expect_query TextRead REG_SZ '.*'

# `reg query` prints in the console's code page; the export keeps every character.
export_file="$(mktemp)"
"$run" reg export 'HKCU\SOFTWARE\kalvex-crosscheck.invalid' "Z:$(printf '%s' "$export_file" | tr / '\\')" /reg:64 /y >/dev/null
escaped="$(printf '%s' "$text" | sed 's/\\/\\\\/g')"
if ! iconv -f UTF-16 -t UTF-8 "$export_file" | tr -d '\r' | grep -Fxq "\"TextRead\"=\"$escaped\""; then
  echo "FAIL: TextRead did not keep every character:"; iconv -f UTF-16 -t UTF-8 "$export_file"
  failures=$((failures + 1))
fi
rm -f "$export_file"

"$run" reg delete 'HKCU\SOFTWARE\kalvex-crosscheck.invalid' /reg:64 /f >/dev/null
[ "$failures" -eq 0 ]
