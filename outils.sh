# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
# Fonctions communes de run.sh, test.sh et paquet.sh : installation des paquets et construction.

# Ce qu'il faut pour construire et lancer le programme (run.sh).
paquets="build-essential cmake ninja-build qt6-base-dev qt6-translations-l10n libxcb1-dev \
fonts-liberation ca-certificates"
# En plus pour les tests et les mesures (test.sh) : GoogleTest, Benchmark, lecture des PDF,
# vérification de l'entrée de menu et de la fiche AppStream installées.
paquetstests="libgtest-dev libbenchmark-dev poppler-utils desktop-file-utils appstream"
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

# configure [options de cmake...] : build/ ; une option changée (tests, mesures) s'y reconfigure
# proprement, les objets du programme restent.
configure() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
}

# construit [cible] : tout, ou la seule cible donnée.
construit() {
    cmake --build build ${1:+--target "$1"}
}
