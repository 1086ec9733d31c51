// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "output/copie.h"

#include "rates/semestre.h"

namespace sortie {

QString textecopie(const EntreeCopie &e)
{
    const QString fin = QStringLiteral("\r\n");
    QString s = QStringLiteral("Crédit gratuit :") + fin;
    s += taux::libellesemestre(e.premiersemestre, e.annee) + fin;
    s += QStringLiteral("Taux annuel : ") + e.tauxannuel + fin;
    s += QStringLiteral("Prix à crédit : ") + e.montant + fin;
    s += fin;
    for (int r = 0; r < e.lignes; ++r) {
        for (int c = 0; c < e.colonnes; ++c) {
            const qsizetype i = static_cast<qsizetype>(r) * e.colonnes + c;
            if (i < e.cellules.size())
                s += e.cellules.at(i);
            if (c < e.colonnes - 1)
                s += u'\t';
        }
        s += fin;
    }
    if (!e.mention.isEmpty())
        s += fin + e.mention.join(fin) + fin;
    return s;
}

QStringList lignesmention(const QString &texte)
{
    return texte.split(u'\n', Qt::SkipEmptyParts);
}

} // namespace sortie
