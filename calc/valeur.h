// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Valeur au comptant d'un montant payé en mensualités sans intérêt.

#include <QtGlobal>

#include <exception>

namespace calcul {

// Opération flottante invalide, division par zéro ou dépassement.
class ErreurCalcul : public std::exception
{
  public:
    const char *what() const noexcept override { return "erreur de calcul"; }
};

// T = tannuel / 1200 + 1.
double facteurmensuel(double tannuel);

// Coefficient d'actualisation tronqué à quatre décimales (C4) pour T et n.
double coefficient(double t, qint16 nbmois);

// Valeur au comptant arrondie au centime (moitiés vers le haut).
double renvoivaleur(double montant, qint16 nbmois, double tannuel);

} // namespace calcul
