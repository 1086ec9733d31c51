// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Détail du calcul d'une cellule : les textes des quatorze valeurs affichées.

#include <QString>

#include <array>
#include <optional>

class QLocale;

namespace calcul {

// Pourquoi le détail ne peut pas être donné.
enum class Refus { aucun, montant, taux, depassement };

struct Detail
{
    // Texte de chaque valeur v(0) à v(13) ; nullopt quand le calcul s'est arrêté avant.
    std::array<std::optional<QString>, 14> v;
    // Ligne de la remise sous le prix ; nullopt sans prix ou quand le montant ou le prix passe 18 chiffres.
    std::optional<QString> remise;
    bool complet = false;
    Refus refus = Refus::aucun; // aucun si et seulement si complet
};

// taux : A de la colonne ; nbmois : n de la ligne ; montant : texte tel que saisi, lu comme
// pour le tableau (litmontant). Le prix v(13) est la cellule elle-même : renvoivaleur écrit
// au motif « 0.00 ». Refusé pour un texte sans nombre en tête, un taux nul ou un dépassement.
Detail calculedetail(double taux, qint16 nbmois, const QString &montant, const QLocale &regional);

// Pourquoi un détail est refusé, en français, pour l'avis montré sous la cellule.
QString texterefus(Refus refus);

} // namespace calcul
