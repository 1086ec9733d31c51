#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
# Installe ce qui manque au programme, le construit seul (sans tests, mesures ni fuzz) et lance
# Brunelix avec son fichier des taux livré.
set -euo pipefail
cd "$(dirname "$0")"
. ./outils.sh
echo "[1/4] Paquets nécessaires au programme"
installe
echo "[2/4] Configuration de build/ (tests et mesures coupés)"
configure -DBRUNELIX_TESTS=OFF -DBRUNELIX_BENCH=OFF -DBRUNELIX_FUZZ=OFF
echo "[3/4] Construction du programme"
construit brunelix
echo "[4/4] Lancement de build/brunelix"
exec ./build/brunelix "$@"
