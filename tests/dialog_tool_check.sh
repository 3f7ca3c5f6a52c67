#!/bin/sh
# qodata-dialog on the resource fixtures: its table and picture, and a clear message with
# status 1 for a missing file, a file that is no .res, an unknown dialog id (2 for bad usage).
set -u
tool="$1"
fixtures="$2"
svg="${TMPDIR:-/tmp}/qodata-dialog-check-$$.svg"
status=0
check() {  # expected status, expected line (extended regular expression), arguments
  want_status="$1"
  want="$2"
  shift 2
  output=$("$tool" "$@" 2>&1)
  got=$?
  if [ "$got" -ne "$want_status" ] || ! printf '%s\n' "$output" | grep -q -E -- "$want"; then
    echo "qodata-dialog $*: status $got (expected $want_status), output:"
    printf '%s\n' "$output"
    status=1
  fi
}
check 1 "^qodata-dialog: cannot open $fixtures/missing.res: " "$fixtures/missing.res"
check 1 "^qodata-dialog: .* is not a compiled resource file" "$0"
check 1 "^qodata-dialog: .*controls.res has no dialog 7 \(its dialogs: 102\)$" "$fixtures/controls.res" --id 7
check 2 "exclude each other" "$fixtures/controls.res" --text --svg "$svg"
check 2 "not a dialog id: 70000" "$fixtures/controls.res" --id 70000
check 0 "^ +3018 +QodataSwatch +\"Swatch\" +0x50000000 " "$fixtures/controls.res" --text
check 0 "font 9 pt \"Segoe UI\", weight 700, italic" "$fixtures/controls.res" --text
check 0 "^  at 0,0, 107 x 10 dialog units" "$fixtures/languages.res" --id 401 --lang 0x0407 --text
check 0 "x pixels = x units \* base x / 4" --help
check 0 "^wrote 2 dialogs to $svg$" "$fixtures/controls.res" --id 102 --id 0x66 --svg "$svg"
if [ "$(grep -c '<title>dialog 102</title>' "$svg")" != 2 ] || ! grep -q '>Every control<' "$svg"; then
  echo "the picture lacks its two dialogs or their caption"
  status=1
fi
rm -f "$svg"
[ $status -eq 0 ] && echo "qodata-dialog: every check passed"
exit $status
