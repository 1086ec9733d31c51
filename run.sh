#!/usr/bin/env bash
# Installe ce qui manque, construit et lance Brunelix avec son fichier des taux d'exemple.
set -euo pipefail
cd "$(dirname "$0")"
. ./outils.sh
installe
construit
exec ./build/brunelix "$@"
