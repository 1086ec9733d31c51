#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
# Construit les cibles libFuzzer (clang, ASan + UBSan) dans build-fuzz et lance chacune
# pendant SECONDES (60 par défaut). Échoue sur tout plantage, rapport d'un sanitizer,
# dépassement de temps ou de mémoire, en montrant l'entrée fautive.
#   ./fuzz.sh [SECONDES] [CIBLE...]     (CIBLE : fichiertaux pour fuzz/cible_fichiertaux.cpp)
set -euo pipefail
cd "$(dirname "$0")"
. ./outils.sh
secondes=${1:-60}
[ $# -gt 0 ] && shift
installe $paquetsfuzz

CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRUNELIX_FUZZ=ON \
    -DBRUNELIX_WERROR=$werror >/dev/null
cmake --build build-fuzz

export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# Fichiers temporaires des cibles en mémoire : QSaveFile synchronise le disque à chaque écriture.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm

cibles=("$@")
if [ ${#cibles[@]} -eq 0 ]; then
    for source in fuzz/cible_*.cpp; do
        nom=$(basename "$source" .cpp)
        cibles+=("${nom#cible_}")
    done
fi

echecs=0
for nom in "${cibles[@]}"; do
    corpus=build-fuzz/corpus/$nom          # entrées nouvelles, gardées d'une campagne à l'autre
    trouvailles=build-fuzz/trouvailles/$nom
    journal=build-fuzz/journaux/$nom.log
    rm -rf "$trouvailles"
    mkdir -p "$corpus" "$trouvailles" "$(dirname "$journal")"
    options=(-max_total_time="$secondes" -timeout=10 -rss_limit_mb=2048 -max_len=4096
             -artifact_prefix="$trouvailles/" -print_final_stats=1)
    [ -f "fuzz/$nom.dict" ] && options+=(-dict="fuzz/$nom.dict")
    dossiers=("$corpus")
    [ -d "fuzz/graines/$nom" ] && dossiers+=("fuzz/graines/$nom")

    if "build-fuzz/cibles/cible_$nom" "${options[@]}" "${dossiers[@]}" >"$journal" 2>&1; then
        executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$journal")
        echo "$nom : ${executions:-?} exécutions en $secondes s, aucune trouvaille"
    else
        echecs=$((echecs + 1))
        echo "ÉCHEC de $nom (journal complet : $journal) :"
        grep -v -E '^#[0-9]+' "$journal" | tail -n 60 || true
        for f in "$trouvailles"/*; do
            [ -f "$f" ] || continue
            echo "--- Entrée fautive : $f ($(stat -c %s "$f") octets)"
            od -A d -t x1z -v "$f" | head -n 64 || true
            echo "--- Rejouer : build-fuzz/cibles/cible_$nom $f"
        done
    fi
done
[ "$echecs" -eq 0 ] || { echo "$echecs cible(s) en échec"; exit 1; }
