#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
# Installation dans un préfixe temporaire : fichiers à leur place, entrée de menu et fiche AppStream
# valides, --version sans écran, démarrage du programme installé (plateforme offscreen), puis
# désinstallation qui laisse le préfixe vide.
#   installation.sh DOSSIER_DE_CONSTRUCTION
set -euo pipefail
construction=$1
prefixe=$(mktemp -d)
trap 'rm -rf "$prefixe"' EXIT
echoue() { echo "$*"; exit 1; }

p=$prefixe/p
id=org.brunelix.Brunelix
cmake --install "$construction" --prefix "$p" >/dev/null
for f in bin/brunelix share/brunelix/BRUNELIX.TXT share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/16x16/apps/$id.png share/icons/hicolor/256x256/apps/$id.png \
         share/icons/hicolor/scalable/apps/$id.svg share/man/man1/brunelix.1.gz share/man/fr/man1/brunelix.1.gz \
         share/doc/brunelix/copyright share/doc/brunelix/changelog.gz; do
    [ -f "$p/$f" ] || echoue "absent : $f"
done
# Le module des fenêtres dans le dossier des bibliothèques (lib, lib64 ou lib/<multiarch>).
compgen -G "$p/lib*/brunelix/brunelixfenetres.so" >/dev/null || compgen -G "$p/lib/*/brunelix/brunelixfenetres.so" \
    >/dev/null || echoue "absent : module des fenêtres"
# Le manifeste tient chaque fichier installé, et rien d'autre.
diff <(cd "$p" && find . -type f -o -type l | sed "s|^\.|$p|" | sort) <(sort "$construction/install_manifest.txt") \
    || echoue "install_manifest.txt ne correspond pas aux fichiers installés"

bureau=$p/share/applications/$id.desktop
grep -qx "Exec=\"$p/bin/brunelix\"" "$bureau" || echoue "Exec faux"
grep -qx "Icon=$id" "$bureau" || echoue "Icon faux"
sortie=$(desktop-file-validate "$bureau" 2>&1)
[ -z "$sortie" ] || echoue "desktop-file-validate : $sortie"
sortie=$(appstreamcli validate --no-net "$p/share/metainfo/$id.metainfo.xml" 2>&1) || echoue "appstreamcli : $sortie"
! grep -E '^[EW]:' <<<"$sortie" || echoue "appstreamcli : $sortie"

# Sans écran : --version imprime et termine avant toute fenêtre.
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$p/bin/brunelix" --version)" = "Brunelix 1.0.0" ] \
    || echoue "--version"

# Lancé depuis un autre dossier. BRUNELIX_ESSAI_DEMARRAGE : fin normale dès la fenêtre affichée ; un
# fichier introuvable ou corrompu laisserait sa boîte de message ouverte : timeout en garde-fou.
cd "$prefixe"
# Ni le vrai dossier personnel ni /tmp : tout dans le dossier de l'essai. Sans argument : mode installé,
# le fichier des taux est celui de share/brunelix.
unset XDG_DATA_HOME XDG_CONFIG_HOME XDG_CACHE_HOME XDG_STATE_HOME
export HOME=$prefixe XDG_RUNTIME_DIR=$prefixe TMPDIR=$prefixe
QT_QPA_PLATFORM=offscreen BRUNELIX_ESSAI_DEMARRAGE=1 timeout 120 "$p/bin/brunelix"

cmake --build "$construction" --target uninstall >/dev/null
[ -z "$(ls -A "$p")" ] || echoue "reste après uninstall : $(cd "$p" && find .)"
echo "installé, démarré et désinstallé : $p"
