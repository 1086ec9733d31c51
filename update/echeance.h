// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Échéance de la mise à jour : le premier jour du semestre qui suit le dernier connu.

#include <QDate>
#include <QString>

namespace maj {

// Date zéro : toujours atteinte, la mise à jour est alors due.
QDate datezero();

// Échéance tirée de la clé de tête (« 1S2001 » : 1er juillet 2001 ; « 2S2001 » :
// 1er janvier 2002). Premier caractère autre que 1 ou 2, ou année qui n'est pas
// quatre chiffres : la date zéro.
QDate echeance(const QString &cle);

// Vrai quand la mise à jour est due aujourd'hui (aujourd'hui ≥ échéance).
bool majdue(const QString &cle, const QDate &aujourdhui);

} // namespace maj
