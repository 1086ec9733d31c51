// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Rapports fatals sur le fichier des taux : message puis fin immédiate du programme.

#include "rates/tabletaux.h"

class QWidget;

[[noreturn]] void rapportfatal(taux::Chargement cause, QWidget *parent);
