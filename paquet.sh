#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
# Construit brunelix_<version>_amd64.deb dans build-paquet/, avec les drapeaux de durcissement
# de Debian (dpkg-buildflags), sans tests ni mesures, préfixe /usr.
set -euo pipefail
cd "$(dirname "$0")"
. ./outils.sh
installe dpkg-dev file
export DEB_BUILD_MAINT_OPTIONS="hardening=+all"
eval "$(dpkg-buildflags --export=sh)"
export CXXFLAGS="$CXXFLAGS $CPPFLAGS"
echo "[1/3] Configuration (build-paquet, préfixe /usr)"
lanceur=()
command -v ccache >/dev/null && lanceur=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-paquet -G Ninja "${lanceur[@]}" -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr \
      -DBRUNELIX_TESTS=OFF -DBRUNELIX_BENCH=OFF >/dev/null
echo "[2/3] Construction"
cmake --build build-paquet
echo "[3/3] Paquet"
(cd build-paquet && cpack -G DEB >/dev/null)
ls build-paquet/brunelix_*.deb
