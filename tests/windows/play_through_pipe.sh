#!/bin/sh
# Plays farrowmede.exe under wine through a pipe, as a player's script on Windows would (CR LF
# line ends): a new character walks, saves at the Esc prompt and quits. Checks the exit status,
# what the game wrote and the CR LF save it left.
# Usage: play_through_pipe.sh <wine-run> <farrowmede.exe> <scratch folder>
set -eu
run=$1 exe=$2 folder=$3
rm -rf "$folder" && mkdir -p "$folder" && cd "$folder"
printf '1\r\nAnn\r\n2\r\n\033[B\r\n\033[B\r\n\0331\r\n2\r\n' | "$run" "$exe" >out.bin
grep -q 'Welcome to the world of Farrowmede!' out.bin || { echo "no welcome in the output"; exit 1; }
grep -q 'Would you like to save the game?' out.bin || { echo "no save prompt"; exit 1; }
lines=$(wc -l <Save.txt)
crlf=$(grep -c "$(printf '\r')\$" Save.txt)
[ "$lines" -eq 149 ] || { echo "Save.txt has $lines lines"; exit 1; }
[ "$crlf" -eq 149 ] || { echo "only $crlf of 149 lines end in CR LF"; exit 1; }
[ "$(head -n 1 Save.txt | tr -d '\r')" = Ann ] || { echo "the name is not on line 1"; exit 1; }
echo "played through a pipe: exit 0, 149 CR LF lines saved"
