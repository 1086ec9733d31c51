// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "rates/echeance.h"

namespace taux {

QDate datezero()
{
    return QDate(1899, 12, 30);
}

QDate echeance(const QString &cle)
{
    const QString texte = cle.mid(2, 4);
    bool chiffres = texte.size() == 4;
    for (const QChar c : texte)
        chiffres = chiffres && c >= u'0' && c <= u'9';
    if (cle.isEmpty() || !chiffres)
        return datezero();
    const int annee = texte.toInt();
    QDate date;
    if (cle.at(0) == u'1')
        date = QDate(annee, 7, 1);
    else if (cle.at(0) == u'2')
        date = QDate(annee + 1, 1, 1);
    return date.isValid() ? date : datezero(); // l'an 0000 n'existe pas
}

} // namespace taux
