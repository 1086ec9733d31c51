#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
# Installe ce qui manque, construit et passe tous les tests (plateforme offscreen).
set -euo pipefail
cd "$(dirname "$0")"
. ./outils.sh
installe
werror=OFF
[ -n "${CI:-}" ] && werror=ON
construit -DBRUNELIX_WERROR=$werror
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure -j2
