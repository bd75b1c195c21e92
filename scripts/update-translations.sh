#!/usr/bin/env bash
# Brings every translations/lightbox_<language>.ts up to date with the texts in src/: new
# texts arrive unfinished for the translator, texts no longer in the sources are marked
# vanished. Give language codes to start new files: `bash scripts/update-translations.sh it`
# writes translations/lightbox_it.ts, which the next build compiles into the program.
set -euo pipefail
cd "$(dirname "$0")/.."

lupdate=/usr/lib/qt6/bin/lupdate
if [ ! -x "$lupdate" ]; then
    bash scripts/install-deps.sh
fi

files=(translations/lightbox_*.ts)
[ -e "${files[0]}" ] || files=()
for language in "$@"; do
    files+=("translations/lightbox_${language}.ts")
done
if [ ${#files[@]} -eq 0 ]; then
    echo "No translations to update: name a language, e.g. $0 de" >&2
    exit 1
fi

# No line numbers: the files change only when the texts do.
"$lupdate" -locations none -no-obsolete src -ts "${files[@]}"
