// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/disposition/disposition.h"

#include "app/controles/couleurs.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

#include <QFrame>
#include <QLabel>
#include <limits>

namespace disposition {

namespace {

const char *const proprietecouleur = "brunelix.couleur";

// Texte de couleur lisible sur le fond de la palette de l'application.
void colore(QLabel *l)
{
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText,
               couleurs::lisible(l->property(proprietecouleur).toUInt(), QApplication::palette()));
    l->setPalette(p);
}

} // namespace

void recolore(QWidget *fenetre)
{
    for (QLabel *l : fenetre->findChildren<QLabel *>())
        if (l->property(proprietecouleur).isValid())
            colore(l);
}

QLabel *creeetiquette(QWidget *parent, const Etiquette &e)
{
    auto *l = new QLabel(QString::fromUtf8(e.texte), parent);
    l->setObjectName(QString::fromUtf8(e.nom));
    Qt::Alignment a = Qt::AlignTop;
    if (e.style & Centre)
        a |= Qt::AlignHCenter;
    else if (e.style & Droite)
        a |= Qt::AlignRight;
    else
        a |= Qt::AlignLeft;
    l->setAlignment(a);
    l->setWordWrap(e.style & Retour);
    l->setTextFormat(Qt::PlainText);
    l->setContentsMargins(0, 0, 0, 0);
    l->setIndent(0);
    if (e.style & (Gras | Souligne)) {
        QFont f = l->font();
        f.setBold(e.style & Gras);
        f.setUnderline(e.style & Souligne);
        l->setFont(f);
    }
    if (e.style & Surbrillance) {
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, p.color(QPalette::HighlightedText));
        l->setPalette(p);
    } else if (e.couleur) {
        l->setProperty(proprietecouleur, static_cast<uint>(e.couleur));
        colore(l);
    }
    l->move(twips(e.gauche), twips(e.haut));
    if (e.largeur == 0 || e.hauteur == 0) {
        l->adjustSize();
        l->resize(e.largeur ? twips(e.largeur) : l->width(), e.hauteur ? twips(e.hauteur) : l->height());
    } else {
        l->resize(twips(e.largeur), twips(e.hauteur));
    }
    return l;
}

void ajustetexte(QLabel *etiquette, const QString &texte)
{
    QFont f = etiquette->font();
    f.setFamily(etiquette->window()->font().family());
    f.setPointSizeF(etiquette->window()->font().pointSizeF());
    // Une étiquette à retour à la ligne déborde par le bas, les autres par la droite.
    const auto deborde = [&] {
        const QFontMetrics m(f);
        if (!etiquette->wordWrap())
            return m.horizontalAdvance(texte) > etiquette->width();
        const QRect place(0, 0, etiquette->width(), std::numeric_limits<int>::max() / 2);
        const QRect pris = m.boundingRect(place, Qt::TextWordWrap | Qt::AlignLeft, texte);
        return pris.height() > etiquette->height() || pris.width() > etiquette->width();
    };
    // D'abord la face étroite de la même famille, à la même taille ; ensuite seulement une taille réduite.
    const QString etroite = QFontInfo(f).family() + QStringLiteral(" Narrow");
    if (deborde() && QFontDatabase::hasFamily(etroite))
        f.setFamily(etroite);
    while (deborde() && f.pointSizeF() > 6)
        f.setPointSizeF(f.pointSizeF() - 0.25);
    etiquette->setFont(f);
    // Un texte réduit reste centré sur la ligne de ses voisins.
    etiquette->setAlignment((etiquette->alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter);
    etiquette->setText(texte);
}

void place(QWidget *w, int gauche, int haut, int largeur, int hauteur, const char *nom)
{
    w->setObjectName(QString::fromUtf8(nom));
    w->setGeometry(twips(gauche), twips(haut), twips(largeur), twips(hauteur));
}

void creeetiquettes(QWidget *parent, std::span<const Etiquette> table)
{
    for (const Etiquette &e : table)
        creeetiquette(parent, e);
}

void creetraits(QWidget *parent, std::span<const Trait> table)
{
    for (const Trait &t : table) {
        auto *f = new QFrame(parent);
        f->setObjectName(QString::fromUtf8(t.nom));
        f->setFrameShape(QFrame::NoFrame);
        f->setAutoFillBackground(true);
        QPalette p = f->palette();
        p.setColor(QPalette::Window, QColor::fromRgb(t.couleur ? t.couleur : couleurs::noir));
        f->setPalette(p);
        f->setGeometry(twips(t.x1), twips(t.y), twips(t.x2 - t.x1) + 1, 1);
    }
}

} // namespace disposition
