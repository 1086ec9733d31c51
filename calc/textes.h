// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Formes écrites des nombres.

#include <QString>

#include <optional>

class QLocale;

namespace calcul {

// Motif « 0.00 » : deux décimales, séparateur régional, pas de groupement,
// moitiés arrondies en s'éloignant de zéro (sur 15 chiffres significatifs).
QString textecellule(double valeur, const QLocale &regional);
// La même, le séparateur lu une fois pour tout un tableau ; la seconde réécrit cible en place
// (aucune allocation quand le texte ne change pas, ni, pour un séparateur d'un caractère, quand
// cible n'est pas partagée et a déjà la place).
QString textecellule(double valeur, const QString &separateur);
void textecellule(double valeur, const QString &separateur, QString &cible);

// Centimes entiers que montre le motif « 0.00 » (« -0,00 » n'existe pas : 0) ; nullopt pour une
// valeur non finie ou de plus de 18 chiffres. Et leur écriture au même motif.
std::optional<qint64> centimes(double valeur);
QString textecentimes(qint64 centimes, const QString &separateur);

// Nombre sur 15 chiffres significatifs au plus, zéros de fin supprimés,
// zéro devant le séparateur régional (1,00289166666667).
QString textenombre(double valeur, const QLocale &regional);

// Intitulé du taux : blanc de tête pour un nombre positif, « . » comme séparateur,
// pas de zéro devant le point (« .65 »), puis « % » précédé d'un blanc.
QString textetaux(double taux);

} // namespace calcul
