#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
# Refait les captures d'écran de docs/images/ depuis le vrai programme : lancé sous un écran X
# virtuel (Xvfb), en français, avec le fichier des taux livré, sans réglages ni copie de
# l'utilisateur (dossier personnel temporaire), donc sans mise à jour automatique.
#   docs/captures.sh
set -euo pipefail
cd "$(dirname "$0")/.."
. ./outils.sh
echo "[1/3] Paquets du programme et des captures (Xvfb, xdotool, ImageMagick)"
installe xvfb xdotool imagemagick
echo "[2/3] Construction du programme"
# Un build/ déjà configuré (par run.sh ou test.sh) est gardé tel quel.
[ -f build/CMakeCache.txt ] || configure -DBRUNELIX_TESTS=OFF -DBRUNELIX_BENCH=OFF -DBRUNELIX_FUZZ=OFF
construit brunelix

echo "[3/3] Captures"
essai=$(mktemp -d)
ecran=""
programme=""
fin() {
    [ -n "$programme" ] && kill "$programme" 2>/dev/null
    [ -n "$ecran" ] && kill "$ecran" 2>/dev/null
    rm -rf "$essai"
}
trap fin EXIT

# Copie portable : le programme et le fichier livré dans un dossier à part, pour que rien
# n'écrive dans data/ ni ne lise un Brunelix.ini de build/.
mkdir "$essai/programme" "$essai/maison"
cp build/brunelix "$essai/programme/"
cp data/BRUNELIX.TXT "$essai/programme/"

# Xvfb choisit lui-même un numéro d'écran libre et l'écrit sur le descripteur 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp 3>"$essai/numero" 2>/dev/null &
ecran=$!
for _ in $(seq 100); do
    [ -s "$essai/numero" ] && break
    sleep 0.1
done
[ -s "$essai/numero" ] || { echo "Xvfb ne démarre pas"; exit 1; }
export DISPLAY=:$(cat "$essai/numero")

mkdir -p docs/images
# capture FICHIER [ACTIONS xdotool...] : lance Brunelix, attend sa fenêtre, joue les actions
# (%1 désigne la fenêtre), puis enregistre la fenêtre seule, sans métadonnées de date.
capture() {
    local nom=$1
    shift
    env -i PATH="$PATH" DISPLAY="$DISPLAY" HOME="$essai/maison" LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8 \
        QT_QPA_PLATFORM=xcb "$essai/programme/brunelix" >/dev/null 2>&1 &
    programme=$!
    local fenetre
    fenetre=$(timeout 30 xdotool search --sync --onlyvisible --name '^Brunelix$' | head -n 1) \
        || { echo "pas de fenêtre Brunelix"; exit 1; }
    sleep 1
    [ $# -gt 0 ] && xdotool search --onlyvisible --name '^Brunelix$' "$@"
    sleep 1
    import -window "$fenetre" "$essai/capture.png"
    convert "$essai/capture.png" -strip "docs/images/$nom"
    kill "$programme"
    wait "$programme" 2>/dev/null || true
    programme=""
    echo "docs/images/$nom"
}

# Fenêtre principale au démarrage : montant 100, semestre le plus récent du fichier.
capture fenetre.png
# Détail de la cellule 12 mois, colonne « Crédit gratuit » : clic puis double-clic.
capture detail.png mousemove --window %1 180 253 click 1 sleep 0.3 click --repeat 2 --delay 80 1
