// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Acceptation d'un corps téléchargé comme nouveau fichier des taux.

#include <QByteArray>

namespace maj {

// Taille au-delà de laquelle un corps est refusé (et le téléchargement abandonné).
constexpr qint64 taillemaxcorps = 1024 * 1024;

// Contenu écrit dans le fichier des taux : le corps tel que reçu, suivi d'un CR LF.
QByteArray contenufichier(const QByteArray &corps);

// Vrai seulement pour un statut 2xx et un corps non vide, d'au plus 1 Mio, sans
// « Not Found » (casse comprise), qui, suivi du CR LF, se charge comme fichier des
// taux et donne une liste des années non vide : ce que le chargement accepterait.
bool acceptecorps(int statut, const QByteArray &corps);

} // namespace maj
