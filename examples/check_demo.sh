#!/bin/sh
# Runs the demo host with the library and the demo plug-in and checks the key lines of its
# account: presence updates accepted and ignored, lookups, the message list's order, the
# plug-in's dialog and its picture, and that every container was given back. DEMO_RUNNER, when
# set, runs the host (wine, for the Windows build).
set -eu
absolute() { echo "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"; }
host=$(absolute "$1")
library=$(absolute "$2")
plugin=$(absolute "$3")
# The host runs in a folder of its own, where it writes the dialog's picture by default.
here=$(mktemp -d)
trap 'rm -rf "$here"' EXIT
output=$(cd "$here" && ${DEMO_RUNNER:-} "$host" "$library" "$plugin")
output=$(printf '%s\n' "$output" | tr -d '\r')  # Windows ends lines with CR LF
status=0
expect() {
  if ! printf '%s\n' "$output" | grep -q -E -- "$1"; then
    echo "missing from the demo's output: $1"
    status=1
  fi
}
expect '^  carol +busy +5 +in a meeting +accepted$'
expect '^  carol +away +3 +stepped out +ignored$'
expect '^  davek@TRANSPORT_yahoo.com +offline +-2 +\(stale\) +ignored$'
expect '^  carol@mail.example +identifier, then e-mail +Carol Jones$'
expect '^  @mail.example +identifier, then e-mail +nobody$'
expect '^  CAROL@MAIL.EXAMPLE +identifier, then e-mail +nobody$'
expect '^  105 +BLII +Gina Ortiz$'
expect 'refused with status 0x80004005'
# Newest first: the five messages in reverse order of sending.
order=$(printf '%s\n' "$output" | grep -E '^  (20[0-9-]+ [0-9:]+|\(none\)) ' | awk '{ print $0 }' | grep -o -E '(Minutes attached|On my way|Dave, join us|Yes, the usual place|Lunch at noon)' | tr '\n' '|')
[ "$order" = "Minutes attached|On my way|Dave, join us|Yes, the usual place|Lunch at noon|" ] || {
  echo "message list order: $order"
  status=1
}
expect '^  dialog template: 5 controls, 220 x 120 dialog units, init data present$'
expect '^  1003 +Call +50,96 50x14 +loaded$'
expect 'Hello Carol, from Buddy card'
expect '^  picture of dialog 101 "Buddy card" written to plugin-dialog.svg$'
picture="$here/plugin-dialog.svg"
if ! head -n 2 "$picture" | grep -q '^<svg ' || ! grep -q '>Buddy card</text>' "$picture"; then
  echo "plugin-dialog.svg is not an SVG picture with the dialog's caption"
  status=1
fi
expect 'containers taken: ([0-9]+), given back: \1 -> nothing left behind'
if [ $status -ne 0 ]; then
  printf '%s\n' "$output"
  exit 1
fi
echo "demo walkthrough: all key lines present"
