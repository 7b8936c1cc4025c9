#!/bin/sh
# Writes the message file as the program reads it: CP932 text with CR LF line ends.
# usage: make-message-file.sh <utf-8 source> <output>...
set -eu
src=$1
shift
tmp=$(mktemp)
trap 'rm -f "$tmp" "$tmp.crlf"' EXIT
iconv -f UTF-8 -t CP932 -o "$tmp" "$src"
LC_ALL=C sed 's/$/\r/' "$tmp" > "$tmp.crlf"
for out in "$@"; do
    mkdir -p "$(dirname "$out")"
    cp "$tmp.crlf" "$out.part"
    mv "$out.part" "$out"
done
