#pragma once
// Outils communs des cibles libFuzzer : arrêt sur invariant violé, locales, formes des montants.

#include <QString>

class QLocale;

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

} // namespace fuzz
