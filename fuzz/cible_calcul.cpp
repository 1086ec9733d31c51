// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
// Calcul sur des doubles quelconques (NaN, infinis, sous-normaux, énormes) et des nombres
// de mois quelconques : jamais de résultat « complet » qui porte une valeur non finie.
#include "calc/detail.h"
#include "calc/tableau.h"
#include "calc/textes.h"
#include "calc/valeur.h"
#include "fuzz/commun.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QLocale>

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

// Double quelconque : motif binaire brut (NaN, infinis, sous-normaux), valeur de taux plausible
// ou valeur répartie sur toute l'étendue.
double doublequelconque(FuzzedDataProvider &fdp)
{
    switch (fdp.ConsumeIntegralInRange(0, 2)) {
    case 0:
        return std::bit_cast<double>(fdp.ConsumeIntegral<std::uint64_t>());
    case 1:
        return fdp.ConsumeFloatingPointInRange(-5.0, 30.0);
    default:
        return fdp.ConsumeFloatingPoint<double>();
    }
}

// Montant saisi : un double écrit en toutes lettres ou un texte quelconque.
QString montant(FuzzedDataProvider &fdp, char separateur)
{
    if (fdp.ConsumeBool()) {
        QString s = QString::number(doublequelconque(fdp), 'g', 17);
        if (separateur != '.')
            s.replace(u'.', QLatin1Char(separateur));
        return s;
    }
    return QString::fromStdString(fdp.ConsumeRandomLengthString(40));
}

void verifievaleur(double m, qint16 nbmois, double tannuel)
{
    try {
        const double v = calcul::renvoivaleur(m, nbmois, tannuel);
        fuzz::exige(std::isfinite(v), "renvoivaleur finie", QString::number(v));
    } catch (const calcul::ErreurCalcul &) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *donnees, std::size_t taille)
{
    FuzzedDataProvider fdp(donnees, taille);
    const double taux = doublequelconque(fdp);
    const double m = doublequelconque(fdp);
    const qint16 nbmois = fdp.ConsumeBool() ? fdp.ConsumeIntegralInRange<qint16>(3, 36) : fdp.ConsumeIntegral<qint16>();
    const bool francais = fdp.ConsumeBool();
    const QLocale &regional = francais ? fuzz::francais() : fuzz::anglais();

    verifievaleur(m, nbmois, taux);
    fuzz::verifietableau(calcul::construittableau(taux, montant(fdp, '.'), regional), regional);
    fuzz::verifiedetail(calcul::calculedetail(taux, nbmois, montant(fdp, francais ? ',' : '.'), regional), regional);
    return 0;
}
