#!/usr/bin/env bash
# The house stands in floors: every folder of src/ and tools/ includes only
# from the folders its row below names, Qt only in src/qt, and no folders
# include each other in a circle. Prints each violation as FILE: reason and
# exits 1 when there is one.
#
#   scripts/check-layers.sh [ROOT]      ROOT defaults to the repository
set -uo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root" || exit 2

# folder          may include, besides itself (floors from the top down)
read -r -d '' floors <<'TABLE'
src/qt            windows form state service projection refdata run quasigeoid geodesy text
tools/cli         state service projection refdata run quasigeoid geodesy text
tools/mkgeoid     quasigeoid geodesy text
tools/manpage
src/windows       form state service projection refdata run quasigeoid geodesy text
src/form          text
src/state         projection refdata run quasigeoid geodesy text
src/service       run quasigeoid geodesy text
src/projection    refdata run quasigeoid geodesy text
src/refdata       run quasigeoid geodesy text
src/run           quasigeoid geodesy text
src/quasigeoid    geodesy text
src/geodesy       text
src/text
TABLE

declare -A allowed
while read -r folder rest; do
  [ -n "$folder" ] && allowed[$folder]=" ${rest} "
done <<< "$floors"

status=0
edges=$(mktemp)
trap 'rm -f "$edges"' EXIT
mapfile -t files < <(find src tools -name '*.h' -o -name '*.cpp' | sort)

# Folder of a file: src/X or tools/X.
folder_of() { local rest=${1#*/}; folder=${1%%/*}/${rest%%/*}; }

for file in "${files[@]}"; do
  folder_of "$file"
  [ -n "${allowed[$folder]+set}" ] && continue
  echo "$file: folder $folder has no row in the floor table of scripts/check-layers.sh"
  status=1
done

# Qt lives in src/qt alone.
while IFS=: read -r file _; do
  [[ $file == src/qt/* ]] && continue
  echo "$file: includes Qt outside src/qt"
  status=1
done < <(grep -lE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "${files[@]}")

# "geodesy/x.h" names src/geodesy; "x.h" names the file's own folder.
while IFS=: read -r file include; do
  folder_of "$file"
  [ -n "${allowed[$folder]+set}" ] || continue
  include=${include#*\"}
  include=${include%%\"*}
  [[ $include == */* ]] || continue
  target=src/${include%%/*}
  [ "$target" = "$folder" ] && continue
  echo "$folder $target" >> "$edges"
  name=${target#src/}
  if [[ "${allowed[$folder]}" != *" $name "* ]]; then
    echo "$file: includes \"$include\", but $folder may include only:${allowed[$folder]:- nothing}"
    status=1
  fi
done < <(grep -HE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "${files[@]}")

# A circle between folders: tsort names it.
if ! loops=$(sort -u "$edges" | tsort 2>&1 >/dev/null) || [ -n "$loops" ]; then
  echo "folders include each other in a circle:"
  echo "$loops" | sed -n "s/^tsort: \([a-z]\)/  \1/p"
  status=1
fi

[ $status -eq 0 ] && echo "layers: every include runs down the floors, no circle"
exit $status
