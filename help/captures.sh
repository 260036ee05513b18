#!/usr/bin/env bash
# Takes the guide's screenshots again from the program, on the set that help/jeu/jeudemo.cpp
# generates, under a private Xvfb screen of 1024x768, driven with xdotool as a user would; and
# renders the icon's sizes from its SVG. Run by `make help`:
#   help/captures.sh [build folder]
# A topic's screenshot is one scene below: a function that brings its window up, then
# `capture <name> [window title]`, which writes help/captures/<name>.png.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$racine/build}" && pwd)

if [ -z "${ZEL_CAPTURES_ECRAN:-}" ]; then
    cmake --build "$build" --target zelvente zel_jeu_demo
    for cote in 16 32 48 64 128 256; do
        convert -background none -density $((96 * cote / 64)) \
            "$racine/paquet/icones/fr.zelvente.ZelVente.svg" -resize ${cote}x${cote} \
            -strip PNG32:"$racine/paquet/icones/$cote.png"
    done
    exec xvfb-run -a -s '-screen 0 1024x768x24' env ZEL_CAPTURES_ECRAN=1 "$0" "$build"
fi

programme=$build/zelvente
sortie=$racine/help/captures
# A folder whose name the file dialogs show.
travail=/tmp/zelvente-guide
rm -rf "$travail"
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$travail"' EXIT
mkdir -p "$sortie" "$travail/Documents" "$travail/abime" "$travail/autre"
"$build/zel_jeu_demo" "$travail/Documents" >/dev/null
# xdotool types accented letters in a UTF-8 locale.
export QT_QPA_PLATFORMTHEME= LC_ALL=C.UTF-8

pause() { sleep "${1:-0.6}"; }
touches() { xdotool key --delay 120 "$@"; pause; }

# The newest visible window whose title is the one given (compared whole, accents included).
fenetre() {
    local id w
    for _ in $(seq 50); do
        id=
        for w in $(xdotool search --onlyvisible --name . 2>/dev/null); do
            [ "$(xdotool getwindowname "$w")" = "$1" ] && id=$w
        done
        [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.2
    done
    import -window root /tmp/zelvente-captures-echec.png
    echo "Fenêtre introuvable : $1 (écran : /tmp/zelvente-captures-echec.png)" >&2
    exit 1
}

# A message box of the program, not its main window of the same title.
boite() {
    local w
    for _ in $(seq 50); do
        for w in $(xdotool search --onlyvisible --name . 2>/dev/null); do
            eval "$(xdotool getwindowgeometry --shell "$w")"
            if [ "$(xdotool getwindowname "$w")" = "Zel Vente" ] && [ "$WIDTH" -lt 800 ]; then
                echo "$w"
                return
            fi
        done
        sleep 0.2
    done
    echo "Pas de message à l'écran" >&2
    exit 1
}

# The window, at most a screen, in few colours: help/captures/<name>.png.
capture() {
    local id
    case "${2:-}" in
    '') id=$(fenetre "$principale") ;;
    message) id=$(boite) ;;
    *) id=$(fenetre "$2") ;;
    esac
    pause
    import -window "$id" "$travail/capture.png"
    convert "$travail/capture.png" -strip -resize '1024x768>' -dither None -colors 96 \
        PNG8:"$sortie/$1.png"
    echo "$1.png : $(identify -format '%wx%h' "$sortie/$1.png"), $(stat -c %s "$sortie/$1.png") octets"
}

# Without a window manager, a window takes the keyboard only when given it.
principale='Zel Vente - [Dupont.cli]'
clavier() { xdotool windowfocus --sync "$(fenetre "${1:-$principale}")"; }

# A menu item of the main window by its menu's and its own underlined letters (a letter that two
# items share goes from one to the other: Return then takes the one reached).
menu() {
    clavier
    touches "alt+$1"
    shift
    touches "$@"
}

cd "$travail/Documents"
"$programme" Dupont.cli &
fenetre "$principale" >/dev/null
pause 1.5

# Clients: the first card with its account.
capture clients

# Getting started: the company header.
menu p s
capture demarrer 'Société'
touches Escape

# Settings: the invoice's.
menu p f
capture parametres 'Paramètres de la facture'
touches Escape

# The invoice tab: the last document, an invoice being typed; F1 there opens the guide.
menu b f
clavier
touches ctrl+End
capture facture
touches F1
pause 1
capture aide 'Aide de Zel Vente'
touches Escape

# Printing: the preview of that invoice.
menu v i
capture imprimer 'Facture 202612003'
touches Escape

# Electronic invoices: the Vente menu open on its Factur-X command, over the invoice tab.
clavier
touches alt+v
touches Down Down Down Down Down Down Down
pause
import -window root -crop 1014x700+0+0 "$travail/menu.png"
convert "$travail/menu.png" -strip -dither None -colors 96 PNG8:"$sortie/facturx.png"
echo "facturx.png"
touches Escape Escape

# The credit note and a validated invoice, one and four documents before.
clavier
touches Prior
capture avoir
touches Prior Prior Prior
capture valider

# Articles and orders.
menu b a
capture articles
menu b o o Return
clavier
touches ctrl+End
capture commandes

# Statistics and the journal.
menu o v
capture statistiques 'Statistiques sur les ventes'
touches Escape
menu o j
capture journal 'Journal des Achats / Ventes'
touches Escape

# Export from the client tab.
menu b c
menu f x
capture echanges 'Enregistrer sous'
touches Escape

# A letter and the messages.
menu o t
clavier Texte
touches ctrl+End Return Return Return
xdotool type --delay 20 "$(printf 'Lyon, le 4 décembre 2026\r\rMadame, Monsieur,\r\rVeuillez trouver ci-joint notre catalogue de rentrée.')"
capture lettres 'Texte'
touches Escape
pause
touches n
menu o m
clavier Messages
for champ in 'M. Dupont' 'Mme Leroy' 'Cabinet Leroy et associés' '04 72 41 05 60' '04/12/2026' \
    '10:15' 'Le devis des fournitures de la rentrée'; do
    xdotool type --delay 20 "$champ"
    touches Tab
done
touches Tab Tab space
capture messages 'Messages'
touches Escape

# Utilities: the euro converter.
menu u e
clavier 'Euro convertisseur'
xdotool type --delay 50 '100'
touches Return
capture utilitaires 'Euro convertisseur'
touches Escape

# The menus: the File menu open over the window.
clavier
touches alt+f
pause
import -window root -crop 1014x700+0+0 "$travail/menu.png"
convert "$travail/menu.png" -strip -dither None -colors 96 PNG8:"$sortie/menus.png"
echo "menus.png"
touches Escape

# Spreadsheets: the clients exported as a CSV file by the command line, imported back on the
# client tab; the message tells what was added, and the clients renumbered.
"$programme" --exporter clients "$travail/Documents/Dupont.cli" "$travail/Clients.csv" >/dev/null
menu f m m Return
clavier Ouvrir
xdotool type --delay 20 "$travail/Clients.csv"
touches Return
capture tableur message
xdotool windowfocus --sync "$(boite)"
touches Return

# The set opened by a second Zel Vente: read-only.
( cd "$travail/autre" && "$programme" "$travail/Documents/Dupont.cli" ) &
capture fichiers message
xdotool windowfocus --sync "$(boite)"
touches Return

# A damaged set: one client written twice.
cp "$travail/Documents/Dupont."* "$travail/abime/"
iconv -f cp1252 -t utf-8 "$travail/abime/Dupont.cli" |
    awk '/^<BLOC0001>/{copie=1} copie{double=double $0 "\n"} {print} /^<\/BLOC0001>/{copie=0; printf "%s", double}' |
    iconv -f utf-8 -t cp1252 > "$travail/abime/Dupont.tmp"
mv "$travail/abime/Dupont.tmp" "$travail/abime/Dupont.cli"
( cd "$travail/autre" && "$programme" "$travail/abime/Dupont.cli" ) &
capture reparation message
