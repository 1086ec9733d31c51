// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/fenetres/periodeaffichee.h"

#include "app/disposition/dispositionprincipale.h"

#include <QComboBox>
#include <QRadioButton>
#include <QSignalBlocker>

taux::ChoixPeriode choixaffiche(const ControlesPrincipaux &c)
{
    taux::ChoixPeriode choix;
    for (int i = 0; i < c.listeannee->count(); ++i)
        choix.annees.append(c.listeannee->itemText(i));
    choix.ligne = c.listeannee->currentIndex();
    choix.semestre = c.semestre[0]->isChecked() ? 1 : 2;
    choix.actifs = {c.semestre[0]->isEnabled(), c.semestre[1]->isEnabled()};
    return choix;
}

void appliqueperiode(const ControlesPrincipaux &c, const taux::ChoixPeriode &choix)
{
    const QSignalBlocker liste(c.listeannee);
    const QSignalBlocker premier(c.semestre[0]);
    const QSignalBlocker second(c.semestre[1]);
    if (choixaffiche(c).annees != choix.annees) {
        c.listeannee->clear();
        c.listeannee->addItems(choix.annees);
    }
    c.listeannee->setCurrentIndex(choix.ligne);
    for (int i = 0; i < 2; ++i) {
        c.semestre[i]->setEnabled(choix.actifs[i]);
        c.semestre[i]->setChecked(choix.semestre == i + 1);
        c.semestre[i]->setFocusPolicy(choix.semestre == i + 1 ? Qt::StrongFocus : Qt::ClickFocus);
    }
}
