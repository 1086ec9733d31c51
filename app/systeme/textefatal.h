// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Texte du rapport fatal sur le fichier des taux (Qt Core seul) : celui de la boîte de message,
// aussi écrit sur la sortie d'erreur par les exports.

#include "rates/tabletaux.h"

// Le fichier corrompu est nommé sur une seconde ligne, puis la ligne fautive et la raison sur
// une troisième.
QString textefatal(taux::Chargement cause, const QString &fichier);
