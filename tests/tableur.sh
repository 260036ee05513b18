#!/bin/sh
# The spreadsheet export opened by LibreOffice Calc in French, and a CSV written by LibreOffice
# imported back, both through the program's command line:
#   1. "zelvente --exporter clients" writes a set of three clients as a CSV file;
#   2. LibreOffice reads it (";" separator, UTF-8, French) and writes it as TAB-separated text:
#      every field is in its column, and the client named "=HYPERLINK(...)" is the text
#      "'=HYPERLINK(...)", not a formula LibreOffice would have run (it would show "ici");
#   3. LibreOffice writes the same sheet as a CSV of its own, which "zelvente --importer clients"
#      imports into an empty set; that set exported again is the first set's export, byte for
#      byte.
# Skipped (exit code 77) when LibreOffice is not installed (Debian: libreoffice-calc-nogui).
# Usage: tableur.sh <zelvente>
set -eu
programme=$1
if ! command -v soffice >/dev/null 2>&1; then
    echo "LibreOffice (soffice) absent : vérification passée."
    exit 77
fi
d=$(mktemp -d)
trap 'rm -rf "$d"' EXIT INT TERM

# Three clients of 25 field lines: code, NPAI, Marquer, name, address, address 2, postal code,
# town, country, telephone, fax, e-mail, bank lines, contact, representative, amounts...
bloc() {
    printf '<BLOC%s>\n' "$1"
    shift
    for champ in "$@"; do printf '%s\n' "$champ"; done
    printf '</BLOC%s>\n' "$n"
}
{
    n=0000
    bloc $n 10001 N Y "Élodie Müller" "12, rue de l'Œuvre" "" 69003 Lyon France 0102030405 \
        "" "elodie@exemple.fr" "Crédit du Rhône" 10096 18000 "00012345678" 42 "M. Dupont" \
        "Lucie" "1500" "12,5" "N" 411001 "" ""
    n=0001
    bloc $n 10002 N N '=HYPERLINK("http://x";"ici")' "+33 rue; virgule, \"guillemets\"" \
        "-3,50" "@SUM(A1)" " blancs autour " "" "" "" "" "" "" "" "" "" "" "" "0,5" "-2" "" "" \
        "" ""
    n=0002
    bloc $n 10003 Y N "Ça coûte 5 € – œuf" "" "" "" "" "" "" "" "" "" "" "" "" "" "" "" "" "" \
        "" "" "" ""
} | sed 's/$/\r/' | iconv -f UTF-8 -t WINDOWS-1252 >"$d/t.cli"
: >"$d/vide.cli"

"$programme" --exporter clients "$d/t.cli" "$d/export.csv"
"$programme" --exporter clients "$d/t.cli" "$d/export.txt"

lo() {
    soffice --headless --norestore "-env:UserInstallation=file://$d/profil" "$@" >/dev/null 2>&1
}
# Semicolon (59), double quote (34), UTF-8 (76), from line 1, French (1036).
mkdir -p "$d/tab" "$d/csv"
lo --infilter="CSV:59,34,76,1,,1036" \
    --convert-to "txt:Text - txt - csv (StarCalc):9,,76,1" --outdir "$d/tab" "$d/export.csv"
lo --infilter="CSV:59,34,76,1,,1036,true" \
    --convert-to "csv:Text - txt - csv (StarCalc):59,34,76,1" --outdir "$d/csv" "$d/export.csv"

colonne() { # line, column
    sed -n "$1p" "$d/tab/export.txt" | tr -d '\r' | cut -f "$2"
}
echec=0
attendu() { # line, column, text
    vu=$(colonne "$1" "$2")
    if [ "$vu" != "$3" ]; then
        echo "LibreOffice, ligne $1, colonne $2 : « $vu » au lieu de « $3 »"
        echec=1
    fi
}
attendu 1 4 "Nom/Soc"
attendu 1 10 "Téléphone"
attendu 2 1 "10001"
attendu 2 4 "Élodie Müller"
attendu 2 5 "12, rue de l'Œuvre"
attendu 2 8 "Lyon"
attendu 2 18 "M. Dupont"
# A text a spreadsheet could take for a formula shows the "'" put before it.
attendu 3 4 "'=HYPERLINK(\"http://x\";\"ici\")"
attendu 3 5 "'+33 rue; virgule, \"guillemets\""
attendu 4 4 "Ça coûte 5 € – œuf"

"$programme" --importer clients "$d/vide.cli" "$d/csv/export.csv"
"$programme" --exporter clients "$d/vide.cli" "$d/retour.txt"
if ! cmp -s "$d/export.txt" "$d/retour.txt"; then
    echo "Le CSV écrit par LibreOffice ne redonne pas les mêmes fiches :"
    diff "$d/export.txt" "$d/retour.txt" || true
    echec=1
fi
exit $echec
