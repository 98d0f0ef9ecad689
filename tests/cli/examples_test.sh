#!/bin/sh
# Runs every orvc example a user can copy: those of `orvc --help` and each
# command's help (with the dates the help names), of the README and of the
# man page. Each must succeed and print something.
#   examples_test.sh ORVC_FOLDER SOURCE_FOLDER
set -u
PATH="$1:$PATH"
source_folder=$2
examples=$(mktemp)
trap 'rm -f "$examples"' EXIT

{
  for command in "" convert weekday sequence equinoxes; do
    orvc $command --help | sed -n 's/^ *\(\(printf .* | \)\{0,1\}orvc .*\)$/\1/p' |
      grep -v -e '^orvc [a-z]* \[options\]' -e '^orvc - '
  done
  orvc --help | grep -o '"[-0-9]*-[0-9][0-9]-[0-9][0-9] [A-Z]*"' | sed 's/^/orvc convert -- /'
  sed -n '/^## The command line/,/^## /p' "$source_folder/README.md" |
    sed -n '/^```sh/,/^```/p' | grep 'orvc ' | sed 's/   *#.*$//'
  sed -n '/^\.SH EXAMPLES/,/^\.fi/p' "$source_folder/cli/orvc.1" | grep '^[a-z]' |
    sed -e 's/\\-/-/g' -e 's/\\\\/\\/g'
} > "$examples"

count=0
failed=0
while IFS= read -r example; do
  count=$((count + 1))
  output=$(sh -c "$example" 2>&1)
  status=$?
  if [ $status -ne 0 ] || [ -z "$output" ]; then
    echo "FAILED (exit $status): $example"
    echo "$output" | head -5
    failed=$((failed + 1))
  fi
done < "$examples"
echo "$count examples, $failed failed"
[ "$count" -ge 20 ] && [ "$failed" -eq 0 ]
