// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/fenetres/entreesortie.h"

#include "app/controles/grille.h"
#include "app/disposition/dispositionprincipale.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

sortie::EntreeCopie entreecopie(const ControlesPrincipaux &c, const Grille &grille)
{
    sortie::EntreeCopie e;
    e.premiersemestre = c.semestre[0]->isChecked();
    e.annee = c.listeannee->currentText();
    e.tauxannuel = c.tauxannuel->text();
    e.montant = c.montant->text();
    e.lignes = grille.lignes();
    e.colonnes = grille.colonnes();
    for (int i = 0; i < e.lignes * e.colonnes; ++i)
        e.cellules.append(grille.texte(i));
    e.mention = sortie::lignesmention(c.mentiontaux->text());
    return e;
}
