#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
# Installe ce qui manque, construit et lance Brunelix avec son fichier des taux d'exemple.
set -euo pipefail
cd "$(dirname "$0")"
. ./outils.sh
installe
construit
exec ./build/brunelix "$@"
