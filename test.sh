#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
# Installe ce qui manque (programme, tests, mesures), construit tout et passe tous les tests
# (plateforme offscreen).
set -euo pipefail
cd "$(dirname "$0")"
. ./outils.sh
echo "[1/5] Paquets du programme, des tests et des mesures"
installe $paquetstests
echo "[2/5] Conventions : mise en forme (clang-format-14) et licences (reuse lint)"
verifieconventions
echo "[3/5] Configuration de build/ (tests et mesures allumés)"
configure -DBRUNELIX_WERROR=$werror -DBRUNELIX_TESTS=ON -DBRUNELIX_BENCH=ON -DBRUNELIX_FUZZ=OFF
echo "[4/5] Construction"
construit
echo "[5/5] Tests"
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure -j"$coeurs"
