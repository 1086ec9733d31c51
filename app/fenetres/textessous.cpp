// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/fenetres/textessous.h"

#include "app/disposition/disposition.h"
#include "app/disposition/dispositionprincipale.h"
#include "calc/montant.h"
#include "calc/textes.h"
#include "rates/statut.h"

#include <QLabel>
#include <QLocale>
#include <QVariant>

void montreretenu(const ControlesPrincipaux &c, const calcul::MontantLu &lu)
{
    const bool montre = lu.arrete && lu.valeur;
    const QString valeur = montre ? calcul::textenombre(*lu.valeur, QLocale()) : QString();
    disposition::ajustetexte(c.montantretenu, montre ? QStringLiteral("Retenu : ") + valeur : QString());
    c.montantretenu->setToolTip(montre ? QStringLiteral("Montant retenu pour le calcul : ") + valeur : QString());
}

void montremention(const ControlesPrincipaux &c, const taux::Mention &m)
{
    c.mentiontaux->setProperty(proprietementiontaux, m.texte);
    disposition::ajustetexte(c.mentiontaux,
                             QString(m.texte).replace(QStringLiteral(" : "), QStringLiteral("\u00a0:\n")));
    QString bulle;
    for (const QString &paragraphe : m.bulle.split(u'\n', Qt::SkipEmptyParts))
        bulle += QStringLiteral("<p>") + paragraphe.toHtmlEscaped() + QStringLiteral("</p>");
    c.mentiontaux->setToolTip(bulle);
}
