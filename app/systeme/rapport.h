// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Rapports fatals sur le fichier des taux : message puis fin immédiate du programme avec
// le statut 1 (fin::immediate). La fonction revient : l'appelant s'arrête là.

#include "rates/tabletaux.h"

class QWidget;

// Le rapport de fichier corrompu nomme le fichier sur une seconde ligne de son texte, puis
// la ligne fautive et la raison sur une troisième.
void rapportfatal(taux::Chargement cause, const QString &fichier, QWidget *parent);
// Texte de ce rapport, aussi écrit sur la sortie d'erreur par les exports.
QString textefatal(taux::Chargement cause, const QString &fichier);
