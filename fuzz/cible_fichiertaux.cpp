// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
// Fichier des taux : octets quelconques lus par le vrai chargeur (via un fichier, comme le
// programme), puis liste des années, taux de chaque semestre, tableau et détail du premier taux.
#include "calc/detail.h"
#include "calc/tableau.h"
#include "fuzz/commun.h"
#include "rates/periodes.h"
#include "rates/tabletaux.h"

#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

// Écrit le contenu dans le fichier des taux du dossier temporaire et le charge.
taux::Chargement charge(const QByteArray &contenu, taux::TableTaux &table)
{
    static QTemporaryDir dossier;
    fuzz::exige(dossier.isValid(), "dossier temporaire créé");
    table.fichiertaux = dossier.filePath(QStringLiteral("BRUNELIX.TXT"));
    QFile f(table.fichiertaux);
    fuzz::exige(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(contenu) == contenu.size(),
                "fichier des taux écrit");
    f.close();
    return taux::chargetaux(table);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *donnees, std::size_t taille)
{
    const QByteArray contenu(reinterpret_cast<const char *>(donnees), static_cast<qsizetype>(taille));
    taux::TableTaux table;
    if (charge(contenu, table) != taux::Chargement::Ok)
        return 0;
    fuzz::exige(table.nbtaux >= -1 && table.nbtaux < taux::capacite, "nbtaux dans la table");
    for (int i = 0; i <= table.nbtaux; ++i)
        fuzz::exige(std::isfinite(table.taux[i]), "taux lu fini", table.periodes[i]);

    // Un BOM UTF-8 en tête ne change rien au contenu lu.
    if (!contenu.startsWith("\xEF\xBB\xBF")) {
        taux::TableTaux avecbom;
        fuzz::exige(charge("\xEF\xBB\xBF" + contenu, avecbom) == taux::Chargement::Ok &&
                        avecbom.nbtaux == table.nbtaux && avecbom.periodes == table.periodes,
                    "un BOM en tête ne change pas la lecture");
    }

    const auto annees = taux::listeannees(table);
    if (annees) {
        for (const QString &a : *annees) {
            const auto annee = taux::anneedetexte(a);
            fuzz::exige(annee.has_value(), "ligne de la liste relue", a);
            for (int semestre = 1; semestre <= 2; ++semestre)
                fuzz::exige(std::isfinite(taux::tauxperiode(table, *annee, semestre)), "taux d'un semestre fini");
        }
    }
    if (table.nbtaux >= 0) {
        fuzz::verifietableau(calcul::construittableau(table.taux[0], QStringLiteral("1469.40"), fuzz::francais()),
                             fuzz::francais());
        fuzz::verifiedetail(calcul::calculedetail(table.taux[0], 36, QStringLiteral("1469,40"), fuzz::francais()),
                            fuzz::francais());
    }
    return 0;
}
