#!/bin/sh
# cmake --install into a prefix of its own, then the installed program started
# as a new user would: offscreen, in an empty home, on the sample it copies there.
set -eu
construction=$1
source=$2
racine=$(mktemp -d)
programme=""
trap 'kill $programme 2>/dev/null || true; rm -rf "$racine"' EXIT
prefixe=$racine/usr
cmake --install "$construction" --prefix "$prefixe" >/dev/null

echec() { echo "FAILED: $*" >&2; exit 1; }
for f in bin/koralis lib/koralis/koralis lib/koralis/koral.hlp share/koralis/EXEMPLE4.MHZ \
         share/koralis/DICO_KORAL.TXT share/applications/koralis.desktop \
         share/icons/hicolor/scalable/apps/koralis.svg; do
  [ -e "$prefixe/$f" ] || echec "$f is not installed"
done
[ -x "$prefixe/bin/koralis" ] || echec "bin/koralis does not run"
desktop-file-validate "$prefixe/share/applications/koralis.desktop" || echec "the launcher is not valid"
# The help is looked for beside the program itself, whichever link started it.
[ -f "$(dirname "$(readlink -f "$prefixe/bin/koralis")")/koral.hlp" ] || echec "the help is not beside the program"

# A user whose language is chosen already, so no dialog waits at the start.
export HOME=$racine/home XDG_CONFIG_HOME= XDG_DATA_HOME= XDG_RUNTIME_DIR=$racine/run QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME/.config/TRAX" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
printf '[General]\nLangue=1000\n' > "$HOME/.config/TRAX/Koralis.conf"
meeting=$HOME/Documents/KORAL/EXEMPLE4.MHZ
"$prefixe/bin/koralis" "$meeting" >"$racine/sortie" 2>&1 &
programme=$!
sleep 4
kill -0 "$programme" 2>/dev/null || { cat "$racine/sortie" >&2; echec "the installed program ended at its start"; }
cmp "$prefixe/share/koralis/DICO_KORAL.TXT" "$HOME/Documents/KORAL/DICO_KORAL.TXT" || echec "the dictionary was not copied for the user"
[ -w "$meeting" ] || echec "the user's sample cannot be written"
# What is installed is the generator's sample, never a meeting a stand has used.
"$construction/koral_exemple" "$racine/EXEMPLE4.MHZ" "$source/resources/exemple/dico_koral.txt" "$racine/DICO_KORAL.TXT"
cmp "$racine/EXEMPLE4.MHZ" "$prefixe/share/koralis/EXEMPLE4.MHZ" || echec "the installed sample is not the generator's"
kill "$programme"; wait "$programme" 2>/dev/null || true

# Started as a launcher starts it, from the home folder and with no meeting: it
# works in the data folder, where its file dialogs open.
(cd "$HOME" && exec "$prefixe/bin/koralis") >"$racine/sortie" 2>&1 &
programme=$!
sleep 3
kill -0 "$programme" 2>/dev/null || { cat "$racine/sortie" >&2; echec "the installed program ended at its start"; }
dossier=$(readlink "/proc/$programme/cwd")
[ "$dossier" = "$HOME/Documents/KORAL" ] || echec "the program works in $dossier, not in the data folder"
echo "installed under $prefixe, started on $meeting, working in $dossier"
