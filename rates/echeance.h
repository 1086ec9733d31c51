// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Échéance d'une clé de semestre : le premier jour du semestre qui la suit.

#include <QDate>
#include <QString>

namespace taux {

// Date zéro : toujours atteinte.
QDate datezero();

// Échéance tirée d'une clé (« 1S2001 » : 1er juillet 2001 ; « 2S2001 » :
// 1er janvier 2002). Clé d'une autre forme que celle de Semestre::lit : la date zéro.
QDate echeance(const QString &cle);

} // namespace taux
