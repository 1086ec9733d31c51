#!/usr/bin/env bash
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
