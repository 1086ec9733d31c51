#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
# Installation dans un préfixe temporaire, puis démarrage du programme installé (plateforme
# offscreen) sur son propre fichier des taux : il doit se charger et s'arrêter seul.
#   installation.sh DOSSIER_DE_CONSTRUCTION
set -euo pipefail
construction=$1
prefixe=$(mktemp -d)
trap 'rm -rf "$prefixe"' EXIT

cmake --install "$construction" --prefix "$prefixe/p" >/dev/null
p=$prefixe/p
for f in lib/brunelix/brunelix lib/brunelix/BRUNELIX.TXT bin/brunelix share/applications/brunelix.desktop \
         share/icons/hicolor/16x16/apps/brunelix.png share/icons/hicolor/256x256/apps/brunelix.png; do
    [ -e "$p/$f" ] || { echo "absent : $f"; exit 1; }
done
[ -x "$p/bin/brunelix" ] || { echo "lanceur non exécutable"; exit 1; }
grep -qx "Exec=\"$p/bin/brunelix\"" "$p/share/applications/brunelix.desktop" || { echo "Exec faux"; exit 1; }
grep -qx "Categories=Office;Finance;Calculator;" "$p/share/applications/brunelix.desktop" || { echo "catégories"; exit 1; }
desktop-file-validate "$p/share/applications/brunelix.desktop"

# Lancé depuis un autre dossier, sans argument : le fichier des taux est celui du dossier du programme.
# BRUNELIX_ESSAI_DEMARRAGE : fin normale dès la fenêtre affichée. Un fichier introuvable ou
# corrompu laisserait sa boîte de message ouverte : timeout en garde-fou.
cd "$prefixe"
# Sans dossier d'exécution, Qt en laisserait un dans /tmp.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR=$prefixe/execution
    mkdir -m 700 "$XDG_RUNTIME_DIR"
fi
QT_QPA_PLATFORM=offscreen BRUNELIX_ESSAI_DEMARRAGE=1 timeout 120 "$p/bin/brunelix"
echo "installé et démarré : $p"
