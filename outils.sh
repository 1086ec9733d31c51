# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
# Fonctions communes de run.sh, test.sh et paquet.sh : installation des paquets et construction.

# Ce qu'il faut pour construire et lancer le programme (run.sh).
paquets="build-essential cmake ninja-build qt6-base-dev qt6-translations-l10n libxcb1-dev \
fonts-liberation ca-certificates"
# En plus pour les tests et les mesures (test.sh) : GoogleTest, Benchmark, lecture des PDF,
# vérification de l'entrée de menu et de la fiche AppStream installées.
# Conventions vérifiées par test.sh : mise en forme du C++ et licences (reuse).
paquetstests="libgtest-dev libbenchmark-dev poppler-utils desktop-file-utils appstream clang-format-14 reuse"
# En plus pour fuzz.sh (clang, libFuzzer, symboles des piles) et pour le build asan-ubsan de la CI.
paquetsfuzz="clang libclang-rt-14-dev llvm"
paquetssanitizers="libasan8 libubsan1"

# Avertissements traités comme des erreurs en CI seulement (-DBRUNELIX_WERROR=$werror).
werror=OFF
[ -n "${CI:-}" ] && werror=ON
# Constructions et tests sur tous les cœurs.
coeurs=$(nproc)
export CMAKE_BUILD_PARALLEL_LEVEL=$coeurs

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

# verifieconventions : échoue, en nommant chaque fichier, sur tout écart au .clang-format du dépôt
# et sur tout fichier sans licence ni copyright (reuse lint).
verifieconventions() {
    local fichiers
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        fichiers=$(git ls-files -- '*.cpp' '*.h')
    else
        fichiers=$(find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
    fi
    local ecarts
    ecarts=$(printf '%s\n' $fichiers | xargs -r clang-format-14 --dry-run 2>&1 | { grep 'warning:' || true; } | cut -d: -f1 | sort -u)
    if [ -n "$ecarts" ]; then
        echo "Mise en forme différente de .clang-format (corriger par clang-format-14 -i) :"
        printf '    %s\n' $ecarts
        return 1
    fi
    reuse lint --quiet || { reuse lint | tail -n 40; echo "reuse lint : licence ou copyright manquant"; return 1; }
}
