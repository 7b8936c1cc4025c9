#!/bin/sh
# Builds the encrypted demo database from the schema and the demo data.
# usage: build-demo-db.sh <sqlcipher> <schema.sql> <demo.sql> <output> <password>
# The file is written under a temporary name and renamed, so a failed run never leaves a
# half-built database under the real name.
set -eu
sqlcipher=$1
schema=$2
demo=$3
out=$4
password=$5

tmp="$out.tmp$$"
trap 'rm -f "$tmp" "$tmp-journal"' EXIT
rm -f "$tmp" "$tmp-journal"
quoted=$(printf '%s' "$password" | sed "s/'/''/g")
# Pages of 4 KB: a large register is read with a quarter of the pages to decrypt of the engine's 1 KB ones.
{
    printf "PRAGMA key = '%s';\nPRAGMA cipher_page_size = 4096;\n" "$quoted"
    cat "$schema" "$demo"
} | "$sqlcipher" -bail "$tmp" >/dev/null
# The result must open with the key and hold what the program needs at start-up.
check=$(printf "PRAGMA key = '%s';\nPRAGMA cipher_page_size = 4096;\nSELECT count(*) FROM m_printinfo;\n" \
    "$quoted" | "$sqlcipher" "$tmp")
if [ "$check" != "192" ]; then
    echo "build-demo-db: the new database does not check out ($check)" >&2
    exit 1
fi
mv -f "$tmp" "$out"
