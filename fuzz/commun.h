// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Outils communs des cibles libFuzzer : arrêt sur invariant violé, locales, formes des montants.

#include <QString>

class QLocale;

namespace calcul {
struct Detail;
struct Tableau;
} // namespace calcul

namespace fuzz {

// Invariant violé : message sur stderr puis abort(), que libFuzzer signale avec l'entrée fautive.
[[noreturn]] void echec(const char *invariant, const QString &detail = QString());

// Vérifie cond, sinon echec(invariant, detail).
inline void exige(bool cond, const char *invariant, const QString &detail = QString())
{
    if (!cond)
        echec(invariant, detail);
}

const QLocale &francais();
const QLocale &anglais();

// Forme d'une cellule : signe facultatif, chiffres, séparateur régional, deux chiffres.
bool formecellule(const QString &texte, const QLocale &regional);

// Centimes d'une cellule de forme vérifiée et de moins de 18 chiffres.
long long centimes(const QString &texte);

// Texte d'un nombre écrit par textenombre : ni NaN ni infini.
bool nombrefini(const QString &texte);

// Un tableau complet a toutes ses cellules, chacune un montant fini.
void verifietableau(const calcul::Tableau &t, const QLocale &regional);

// Un détail complet a ses quatorze valeurs finies et un résultat en forme de cellule.
void verifiedetail(const calcul::Detail &d, const QLocale &regional);

} // namespace fuzz
