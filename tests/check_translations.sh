#!/bin/sh
# Fails when translations/zorvandi_en.ts has an unfinished or vanished entry, or when lupdate
# would change it: a text a user can see that the catalogue does not have yet.
# Usage: check_translations.sh SOURCE_DIR LUPDATE
set -eu
source_dir=$1
lupdate=$2
ts="$source_dir/translations/zorvandi_en.ts"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$ts" "$work/zorvandi_en.ts"
(cd "$source_dir" && LUPDATE="$lupdate" tools/update-translations "$work/zorvandi_en.ts")
status=0
if grep -n -E 'type="(unfinished|vanished|obsolete)"' "$work/zorvandi_en.ts"; then
    echo "translations: the entries above are unfinished or no longer in the sources"
    status=1
fi
if ! diff -u "$ts" "$work/zorvandi_en.ts"; then
    echo "translations: lupdate changes the catalogue; run tools/update-translations and translate"
    status=1
fi
[ "$status" -eq 0 ] && echo "translations: complete"
exit "$status"
