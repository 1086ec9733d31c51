// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Rapports fatals sur le fichier des taux : message puis fin immédiate du programme avec
// le statut 1 (fin::immediate). La fonction revient : l'appelant s'arrête là.

#include "app/systeme/textefatal.h"

class QWidget;

// Boîte de message au texte de textefatal.
void rapportfatal(taux::Chargement cause, const QString &fichier, QWidget *parent);
