// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/impression/imprimante.h"

#include "app/controles/couleurs.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>

#include <cmath>

ImprimanteQt::ImprimanteQt(QPagedPaintDevice &imprimante)
    : imprimante_(imprimante), police_(QGuiApplication::font().family()), taille_(QGuiApplication::font().pointSizeF())
{
}

ImprimanteQt::~ImprimanteQt()
{
    if (peintre_ && peintre_->isActive())
        peintre_->end();
}

double ImprimanteQt::pixels(double twips) const
{
    return twips * imprimante_.logicalDpiY() / 1440.0;
}
double ImprimanteQt::twips(double pixels) const
{
    return pixels * 1440.0 / imprimante_.logicalDpiY();
}

int ImprimanteQt::largeur() const
{
    return static_cast<int>(
        std::lround(imprimante_.pageLayout().fullRect(QPageLayout::Millimeter).width() * 1440 / 25.4));
}

int ImprimanteQt::hauteur() const
{
    return static_cast<int>(
        std::floor(twips(imprimante_.pageLayout().paintRectPixels(imprimante_.logicalDpiY()).height())));
}

QString ImprimanteQt::police() const
{
    return police_;
}
void ImprimanteQt::setPolice(const QString &nom)
{
    police_ = nom;
}
double ImprimanteQt::taille() const
{
    return taille_;
}
void ImprimanteQt::setTaille(double points)
{
    taille_ = points;
}
double ImprimanteQt::x() const
{
    return x_;
}
double ImprimanteQt::y() const
{
    return y_;
}

void ImprimanteQt::setPosition(double x, double y)
{
    x_ = x;
    y_ = y;
}

QFont ImprimanteQt::fonte() const
{
    QFont f(police_);
    if (taille_ > 0)
        f.setPointSizeF(taille_);
    return f;
}

double ImprimanteQt::hauteurtexte(const QString &texte) const
{
    const QFontMetricsF m(fonte(), &imprimante_);
    return twips(m.height() * std::max<qsizetype>(1, texte.count(u'\n') + 1));
}

double ImprimanteQt::largeurtexte(const QString &texte) const
{
    return twips(QFontMetricsF(fonte(), &imprimante_).horizontalAdvance(texte));
}

bool ImprimanteQt::prepare()
{
    if (echec_ != Echec::Aucun)
        return false;
    if (!peintre_) {
        peintre_ = std::make_unique<QPainter>();
        if (!peintre_->begin(&imprimante_)) {
            echec_ = Echec::Debut;
            return false;
        }
        pagesuivante_ = false;
    }
    if (pagesuivante_) {
        if (!imprimante_.newPage()) {
            echec_ = Echec::Page;
            return false;
        }
        pagesuivante_ = false;
    }
    return true;
}

void ImprimanteQt::ligne(double x1, double y1, double x2, double y2)
{
    if ((x1 == x2 && y1 == y2) || !prepare())
        return;
    peintre_->setPen(QPen(QColor::fromRgb(couleurs::noir), 0)); // crayon cosmétique : un pixel du périphérique
    peintre_->drawLine(QPointF(pixels(x1), pixels(y1)), QPointF(pixels(x2), pixels(y2)));
}

void ImprimanteQt::texte(const QString &texte, bool saut)
{
    const QFont f = fonte();
    const QFontMetricsF m(f, &imprimante_);
    if (!texte.isEmpty() && prepare()) {
        peintre_->setFont(f);
        peintre_->setPen(QColor::fromRgb(couleurs::noir));
        // drawText place la ligne de base : le coin haut gauche est une hauteur de jambage plus haut.
        peintre_->drawText(QPointF(pixels(x_), pixels(y_) + m.ascent()), texte);
    }
    if (saut) {
        x_ = 0;
        y_ += twips(m.lineSpacing());
    } else {
        x_ += twips(m.horizontalAdvance(texte));
    }
}

void ImprimanteQt::finfeuille()
{
    if (peintre_ && peintre_->isActive())
        pagesuivante_ = true;
    x_ = 0;
    y_ = 0;
}

bool ImprimanteQt::findocument()
{
    if (peintre_ && peintre_->isActive() && !peintre_->end() && echec_ == Echec::Aucun)
        echec_ = Echec::Fin;
    peintre_.reset();
    pagesuivante_ = false;
    x_ = 0;
    y_ = 0;
    return echec_ == Echec::Aucun;
}
