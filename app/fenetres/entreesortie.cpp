// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/fenetres/entreesortie.h"

#include "app/disposition/dispositionprincipale.h"
#include "output/tableausemestre.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVariant>

sortie::EntreeCopie entreecopie(const ControlesPrincipaux &c, const calcul::Tableau &tableau)
{
    return sortie::entreecopie(tableau, c.semestre[0]->isChecked() ? 1 : 2, c.listeannee->currentText(),
                               c.montant->text(),
                               sortie::lignesmention(c.mentiontaux->property(proprietementiontaux).toString()));
}
