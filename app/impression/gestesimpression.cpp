// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/impression/gestesimpression.h"

#include "app/impression/commandeimpression.h"

#include <QAction>
#include <QGuiApplication>
#include <QPushButton>
#include <QShortcut>

void relieimpression(QWidget *fenetre, QPushButton *bouton, CommandeImpression *impression,
                     std::function<bool(AvisDiffere::Moment)> tableaujuste)
{
    using Moment = AvisDiffere::Moment;
    QObject::connect(bouton, &QPushButton::clicked, impression, [impression, tableaujuste] {
        if (tableaujuste(Moment::relache))
            impression->imprime();
    });
    QObject::connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), fenetre), &QShortcut::activated, impression,
                     [impression, tableaujuste] {
                         if (tableaujuste(Moment::appui))
                             impression->imprime();
                     });
    // Menu du bouton (clic droit) : le clic simple reste l'impression immédiate.
    bouton->setContextMenuPolicy(Qt::ActionsContextMenu);
    bouton->setToolTip(QStringLiteral("Imprimer (Ctrl+P) ; clic droit : Imprimer… (Ctrl+Maj+P), "
                                      "Enregistrer en PDF…"));
    auto *choix = new QAction(QStringLiteral("Imprimer…"), bouton);
    choix->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    auto *pdf = new QAction(QStringLiteral("Enregistrer en PDF…"), bouton);
    bouton->addActions({choix, pdf});
    // Par le raccourci, l'avis attend que la touche remonte ; par le menu, il suit le clic.
    const auto moment = [] {
        return QGuiApplication::keyboardModifiers() & Qt::ControlModifier ? Moment::appui : Moment::relache;
    };
    QObject::connect(choix, &QAction::triggered, impression, [impression, tableaujuste, moment] {
        if (tableaujuste(moment()))
            impression->imprimeavecchoix();
    });
    QObject::connect(pdf, &QAction::triggered, impression, [impression, tableaujuste, moment] {
        if (tableaujuste(moment()))
            impression->enregistrepdf();
    });
}
