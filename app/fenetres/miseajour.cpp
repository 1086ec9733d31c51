// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/fenetres/miseajour.h"

#include "app/etat.h"
#include "app/fenetres/maj.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLineEdit>

bool verifiemaj(EtatBrunelix &etat, Maj &dialogue)
{
    const taux::TableTaux &table = etat.table;
    const ControlesMaj &c = dialogue.controles();
    if (!c.CheckMaj->isChecked() || table.nbtaux < 0)
        return false;
    dialogue.Inet = c.ftp->text();
    maj::Dependances dep = dialogue.dependances();
    dep.attente = [](bool debut) {
        if (debut)
            QGuiApplication::setOverrideCursor(Qt::BusyCursor);
        else
            QGuiApplication::restoreOverrideCursor();
    };
    const QString cible = etat.emplacements.ecriture;
    const maj::Demande d{table, dialogue.Inet, c.Checkconnection->isChecked(), cible, etat.emplacements.parametres};
    if (!maj::verifiemaj(d, dep))
        return false;
    etat.table.fichiertaux = cible;
    return true;
}
