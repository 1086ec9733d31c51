// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/systeme/demarrage.h"

#include <QApplication>
#include <QFont>

#include <csignal>

static void initimages()
{
    Q_INIT_RESOURCE(images);
}

void preparedemarrage()
{
    initimages();
    // Limite de taille des fichiers (ulimit -f) : une écriture ratée, pas la fin du programme.
    std::signal(SIGXFSZ, SIG_IGN);
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QApplication::setFont(policefenetres());
}

QFont policefenetres()
{
    QFont police(QStringLiteral("MS Sans Serif"));
    police.setPointSizeF(8.25);
    return police;
}
