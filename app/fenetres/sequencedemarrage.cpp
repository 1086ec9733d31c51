// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/fenetres/sequencedemarrage.h"

#include "app/systeme/fin.h"

#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace {

constexpr int delaisanspeinture = 500; // ms

} // namespace

SequenceDemarrage::SequenceDemarrage(QWidget *fenetre, EtapesDemarrage etapes)
    : QObject(fenetre), fenetre_(fenetre), etapes_(std::move(etapes))
{
}

void SequenceDemarrage::affiche()
{
    if (fin::encours()) // rapport fatal au chargement : main rend son statut
        return;
    if (const QScreen *ecran = fenetre_->screen())
        fenetre_->move(ecran->availableGeometry().center() - fenetre_->rect().center());
    fenetre_->installEventFilter(this);
    fenetre_->show();
    fenetre_->activateWindow();
    etapes_.active();
    etat_ = Etat::affichee;
    QTimer::singleShot(delaisanspeinture, this, &SequenceDemarrage::suite);
}

// La suite vient au tour de boucle après la première peinture, qui n'attend donc rien.
bool SequenceDemarrage::eventFilter(QObject *o, QEvent *e)
{
    if (o == fenetre_ && e->type() == QEvent::Paint && etat_ == Etat::affichee)
        QTimer::singleShot(0, this, &SequenceDemarrage::suite);
    return false;
}

void SequenceDemarrage::suite()
{
    if (etat_ != Etat::affichee)
        return;
    etat_ = Etat::suivie;
    fenetre_->removeEventFilter(this);
    if (fin::encours())
        return;
    etapes_.pages();
    etapes_.miseajour();
    if (!fin::encours())
        Q_EMIT fini();
}
