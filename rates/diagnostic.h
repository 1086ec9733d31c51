// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Pourquoi un fichier des taux est refusé, dit à l'utilisateur : la première ligne fautive,
// comptée depuis 1 avec les commentaires, ce qu'elle contient et la raison, par exemple
// « ligne 12 : « 3,50 » : le taux s'écrit avec un point décimal (3.50) ».

#include <QByteArray>
#include <QString>

namespace taux {

// Vide quand le contenu se charge et donne au moins une année.
QString diagnostic(const QByteArray &contenu);

// Même chose pour le fichier au chemin donné.
QString diagnosticfichier(const QString &chemin);

} // namespace taux
