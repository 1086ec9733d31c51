// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/fenetres/miseajour.h"

#include "app/fenetres/maj.h"
#include "rates/tabletaux.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLineEdit>

bool verifiemaj(const taux::TableTaux &table, Maj &dialogue)
{
    const ControlesMaj &c = dialogue.controles();
    if (!c.CheckMaj->isChecked() || table.nbtaux < 0)
        return false;
    dialogue.Inet = c.ftp->text();
    maj::Dependances dep = dialogue.dependances;
    dep.attente = [](bool debut) {
        if (debut)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QGuiApplication::restoreOverrideCursor();
    };
    return maj::verifiemaj({table.periodes[0], dialogue.Inet, c.Checkconnection->isChecked(), table.fichiertaux}, dep);
}
