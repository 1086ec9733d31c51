// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "calc/montant.h"

#include "rates/nombre.h"

#include <QLocale>

namespace calcul {

namespace {

// Blancs du montant : ceux du fichier des taux et les blancs insécables d'un texte collé.
bool blancmontant(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\u00A0' || c == u'\u202F';
}

} // namespace

MontantLu litmontant(const QString &texte, const QLocale &regional)
{
    const QString decimal = regional.decimalPoint();
    taux::Regle regle;
    regle.blanc = blancmontant;
    regle.groupeblanc = true;
    regle.decimal = decimal.isEmpty() ? u'.' : decimal.at(0).unicode();
    regle.groupe = regional.groupSeparator() == QStringLiteral(",") ? u',' : char16_t(0);
    const taux::NombreLu lu = taux::litnombre(QStringView(texte), regle);

    // Le reste sans ses blancs de tête et de fin : rien, ou un « € » final après un nombre.
    QStringView reste = QStringView(texte).mid(static_cast<qsizetype>(lu.fin));
    while (!reste.isEmpty() && blancmontant(reste.front().unicode()))
        reste = reste.mid(1);
    while (!reste.isEmpty() && blancmontant(reste.back().unicode()))
        reste.chop(1);
    MontantLu m;
    m.valeur = lu.valeur;
    m.nombre = lu.nombre;
    m.arrete = !reste.isEmpty() && !(lu.nombre && reste == u"€");
    return m;
}

} // namespace calcul
