// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Échéance de la mise à jour : le premier jour du semestre qui suit le dernier connu.

#include <QDate>
#include <QString>

namespace maj {

// Vrai quand la mise à jour est due aujourd'hui (aujourd'hui ≥ échéance de la clé de tête).
bool majdue(const QString &cle, const QDate &aujourdhui);

} // namespace maj
