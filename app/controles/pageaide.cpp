// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/controles/pageaide.h"

#include <QEvent>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>

#include <algorithm>

using disposition::twips;

namespace {

constexpr int marge = 2; // pixels laissés au bord droit de la zone et sous le dernier texte

} // namespace

PageAide::PageAide(QTabWidget *onglets, QWidget *page, std::span<const disposition::Etiquette> textes)
    : QObject(page), onglets_(onglets), page_(page), zone_(new QScrollArea(page)), contenu_(new QWidget(zone_)),
      textes_(textes)
{
    zone_->setObjectName(QStringLiteral("zoneaide"));
    zone_->setFrameShape(QFrame::NoFrame);
    zone_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    zone_->viewport()->setAutoFillBackground(false);
    // Créé dans la fenêtre : les textes prennent sa police dès leur création, pas celle du thème.
    for (const disposition::Etiquette &e : textes_)
        etiquettes_.push_back(disposition::creeetiquette(contenu_, e));
    zone_->setWidget(contenu_);
    contenu_->setAutoFillBackground(false); // setWidget l'a rempli : le fond de l'onglet
    // La pile des pages a la place de chaque page, même cachée : la zone la suit.
    page_->installEventFilter(this);
    page_->parentWidget()->installEventFilter(this);
    // Créée sur une page déjà montrée : elle se montre et se place aussitôt.
    if (page_->isVisible()) {
        zone_->show();
        dispose();
    }
}

bool PageAide::eventFilter(QObject *, QEvent *e)
{
    if (e->type() == QEvent::Move || e->type() == QEvent::Resize || e->type() == QEvent::Show)
        dispose();
    return false;
}

// Place les textes pour cette largeur de zone ; renvoie le bas du dernier.
int PageAide::place(const QPoint &origine, int largeur)
{
    int pousse = 0; // ce que les textes du dessus ont grandi
    int bas = 0;
    for (std::size_t i = 0; i < etiquettes_.size(); ++i) {
        const disposition::Etiquette &e = textes_[i];
        QLabel *l = etiquettes_[i];
        const int x = twips(e.gauche) - origine.x();
        const int w = std::max(1, std::min(twips(e.largeur), largeur - x - marge));
        // Les boîtes de conception se chevauchent un peu : seul le texte qui grandit pousse les suivants.
        const int texte = l->heightForWidth(w);
        l->setGeometry(x, twips(e.haut) - origine.y() + pousse, w, std::max(twips(e.hauteur), texte));
        pousse += std::max(0, texte - l->heightForWidth(twips(e.largeur)));
        bas = l->geometry().bottom() + 1 + marge;
    }
    return bas;
}

void PageAide::dispose()
{
    // Rien à faire tant que la page est cachée : elle se place quand elle se montre.
    if (!page_->isVisible())
        return;
    contenu_->ensurePolished(); // hauteurs mesurées dans la police qu'aura chaque texte
    const QWidget *pile = page_->parentWidget();
    const QPoint origine = pile->mapTo(onglets_, QPoint(0, 0));
    const QSize taille = pile->size();
    // Rien à refaire pour la même place.
    if (origine == origine_ && taille == taille_)
        return;
    origine_ = origine;
    taille_ = taille;
    zone_->setGeometry(QRect(QPoint(0, 0), taille));
    int largeur = taille.width();
    int bas = place(origine, largeur);
    if (bas > taille.height()) { // la barre de défilement prend sa place à droite
        largeur -= zone_->verticalScrollBar()->sizeHint().width();
        bas = place(origine, largeur);
    }
    contenu_->resize(largeur, bas);
}
