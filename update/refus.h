// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Dernier refus d'un fichier téléchargé, gardé dans Brunelix.ini (section « TAUX », clé
// « REFUS ») pour la fenêtre des taux : « mise à jour refusée le 08/12/2026 : 2S2026 absent
// du fichier téléchargé ». Effacé par la mise à jour suivante qui réussit.

#include <QDate>
#include <QString>

namespace maj {

// Texte du dernier refus ; vide quand il n'y en a pas.
QString dernierrefus(const QString &parametres);

// Note le refus (raison vide : efface un refus noté, sans créer le fichier).
void noterefus(const QString &parametres, const QDate &jour, const QString &raison);

} // namespace maj
