// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
// Lectures des nombres : celle du fichier des taux et celle du montant, sous une locale
// française et anglaise.
#include "calc/montant.h"
#include "calc/textes.h"
#include "fuzz/commun.h"
#include "rates/nombre.h"

#include <QLocale>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace {

// Une lecture réussie donne une valeur finie ; sous 10^12, sa cellule relue comme un montant
// se lit en entier et donne les mêmes centimes.
void verifie(const char *lecture, const std::optional<double> &v, const QLocale &regional)
{
    if (!v)
        return;
    fuzz::exige(std::isfinite(*v), lecture, QString::number(*v));
    const QString cellule = calcul::textecellule(*v, regional);
    fuzz::exige(fuzz::formecellule(cellule, regional), "forme de la cellule", cellule);
    if (!(std::fabs(*v) < 1e12))
        return;
    const calcul::MontantLu montant = calcul::litmontant(cellule, regional);
    fuzz::exige(montant.valeur && montant.nombre && !montant.arrete, "cellule relue en entier", cellule);
    const auto &relu = montant.valeur;
    fuzz::exige(std::llround(*relu * 100) == fuzz::centimes(cellule), "mêmes centimes après relecture",
                cellule + QStringLiteral(" -> ") + QString::number(*relu, 'g', 17));
    fuzz::exige(calcul::textecellule(*relu, regional) == cellule, "même cellule après relecture", cellule);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *donnees, std::size_t taille)
{
    const std::string_view octets(reinterpret_cast<const char *>(donnees), taille);
    const auto valeurtaux = taux::valnombre(octets);
    const QString texte = QString::fromUtf8(octets.data(), static_cast<qsizetype>(octets.size()));
    for (const QLocale *regional : {&fuzz::francais(), &fuzz::anglais()}) {
        verifie("lecture du fichier des taux finie", valeurtaux, *regional);
        verifie("lecture du montant finie", calcul::litmontant(texte, *regional).valeur, *regional);
    }
    return 0;
}
