# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
# Fonctions communes de run.sh et test.sh : installation des paquets et construction.

paquets="build-essential cmake ninja-build qt6-base-dev qt6-translations-l10n libgtest-dev libbenchmark-dev \
libsimpleini-dev libxcb1-dev fonts-liberation poppler-utils ca-certificates desktop-file-utils"
# En plus pour fuzz.sh (clang, libFuzzer, symboles des piles) et pour le build asan-ubsan de la CI.
paquetsfuzz="clang libclang-rt-14-dev llvm"
paquetssanitizers="libasan8 libubsan1"

installe() {
    local manquants=""
    for p in $paquets "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manquants="$manquants $p"
    done
    [ -z "$manquants" ] && return 0
    echo "Installation :$manquants"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $manquants
}

construit() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build build
}
