// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Acceptation d'un corps téléchargé comme nouveau fichier des taux.

#include <QByteArray>
#include <QString>

#include <optional>

namespace maj {

// Taille au-delà de laquelle un corps est refusé (et le téléchargement abandonné).
constexpr qint64 taillemaxcorps = 1024 * 1024;

// Contenu écrit dans le fichier des taux : le corps tel que reçu, suivi d'un CR LF.
QByteArray contenufichier(const QByteArray &corps);

// Rang d'une clé « 1S2001 » / « 2S2001 » (semestre 1 ou 2, « S », année à quatre
// chiffres), croissant avec le temps ; nullopt pour toute autre forme.
std::optional<int> rangsemestre(const QString &cle);

// Vrai seulement pour un statut 200 ou 203 et un corps non vide, d'au plus 1 Mio, sans
// « Not Found » (casse comprise), qui, suivi du CR LF, se charge comme fichier des taux
// et donne une liste des années non vide, dont les clés des entrées sont toutes bien
// formées et strictement du plus récent au plus ancien, dont la première n'est pas plus
// ancienne que la clé en usage (même semestre accepté ; clé en usage vide ou mal formée :
// plus ancienne que tout), et dont le premier taux est > 0 et < 100.
bool acceptecorps(int statut, const QByteArray &corps, const QString &cleenusage);

} // namespace maj
