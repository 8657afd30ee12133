#!/bin/sh
# What a club receives from `make dist`: the samples exactly as the generator
# writes them, whatever the meeting `make run` has been used on, and programs
# without their debug information.
set -eu
source=$1
construction=$2
echec() { echo "FAILED: $*" >&2; exit 1; }
temporaire=$(mktemp -d)
ouvert=""
# The operator's own copy comes back as it was.
remettre() {
  if [ -e "$temporaire/garde" ]; then mv "$temporaire/garde" "$ouvert"; elif [ -n "$ouvert" ]; then rm -f "$ouvert"; fi
  rm -rf "$temporaire"
}
trap remettre EXIT

# The meeting `make run` opens has been used: a transmitter went out on it.
ouvert=$(make -s -n -C "$source" run BUILD="$construction" | sed -n 's/^"[^"]*koralis" "\(.*\)"$/\1/p' | tail -n 1)
[ -n "$ouvert" ] || echec "make run names no meeting"
mkdir -p "$(dirname "$ouvert")"
[ ! -e "$ouvert" ] || cp -p "$ouvert" "$temporaire/garde"
printf 'used by the stand' > "$ouvert"

cmake --build "$construction" --target dist >/dev/null
"$construction/koral_exemple" "$temporaire/EXEMPLE4.MHZ" "$source/resources/exemple/dico_koral.txt" "$temporaire/DICO_KORAL.TXT"
for f in EXEMPLE4.MHZ DICO_KORAL.TXT; do
  cmp "$temporaire/$f" "$construction/dist/$f" || echec "the shipped $f is not the generator's"
done
[ "$(readlink -f "$ouvert")" != "$(readlink -f "$construction/dist/EXEMPLE4.MHZ")" ] || echec "make run opens the shipped sample"
for p in koralis koralsetup; do
  file "$construction/dist/$p" | grep -q 'not stripped' && echec "dist/$p keeps its debug information"
  [ -x "$construction/dist/$p" ] || echec "dist/$p does not run"
done
echo "dist holds the generator's samples and stripped programs"
