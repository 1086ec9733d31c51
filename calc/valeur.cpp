// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "calc/valeur.h"

#include <cmath>

namespace calcul {

namespace {

// Contrôle après une étape : un résultat non fini signale une opération
// invalide (NaN), une division par zéro ou un dépassement (infini).
inline double controle(double x)
{
    if (!std::isfinite(x))
        throw ErreurCalcul();
    return x;
}

} // namespace

double facteurmensuel(double tannuel)
{
    return controle(tannuel / 1200 + 1);
}

double coefficient(double t, qint16 nbmois)
{
    const double n = nbmois;
    const double p = std::pow(t, n);
    // T^n infini : refusé aussitôt ; si petit que 1 / p est infini, refusé par le contrôle de c.
    if (std::isinf(p))
        throw ErreurCalcul();
    const double a = 1 / p - 1;
    const double b = 1 / t - 1;
    const double c = controle(a / b / t / n);
    const double c4 = controle(std::floor(controle(c * 10000)) / 10000);
    return c4;
}

double renvoivaleur(double montant, qint16 nbmois, double tannuel)
{
    const double t = facteurmensuel(tannuel);
    const double c4 = coefficient(t, nbmois);
    const double v = controle(c4 * montant);
    return controle(std::floor(controle(v * 100 + 0.5)) / 100);
}

} // namespace calcul
