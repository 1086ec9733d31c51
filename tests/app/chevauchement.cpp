// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "tests/app/chevauchement.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTextLayout>

#include <optional>
#include <utility>
#include <vector>

namespace {

// Texte ou image dessiné par un contrôle ; un bouton poussoir, une liste, un champ ou une
// barre d'onglets comptent par toute leur surface.
enum class Genre { Texte, Image, Surface };

struct Element
{
    const QWidget *w;
    Genre genre;
    QList<QRect> encre; // dans la racine, coupée par les parents
};

QString nom(const QWidget *w)
{
    const QString n = w->objectName().isEmpty() ? QString::fromUtf8(w->metaObject()->className()) : w->objectName();
    if (const auto *l = qobject_cast<const QLabel *>(w); l && !l->text().isEmpty())
        return n + QStringLiteral(" « ") + l->text().left(30) + QStringLiteral(" »");
    return n;
}

QString texte(const QRect &r)
{
    return QStringLiteral("(%1, %2, %3 x %4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Rectangle local r vu dans la racine, réduit à ce que les parents laissent voir.
QRect visible(const QWidget *w, const QRect &r, const QWidget *racine)
{
    QRect v = r.translated(w->mapTo(racine, QPoint(0, 0)));
    for (const QWidget *p = w->parentWidget(); p && p != racine; p = p->parentWidget())
        v &= QRect(p->mapTo(racine, QPoint(0, 0)), p->size());
    return v & racine->rect();
}

// Encre de chaque ligne d'un texte posé dans boite comme QPainter::drawText le pose (mêmes
// coupures de ligne) : largeur de ses caractères, hauteur de ses glyphes, sans l'interligne vide.
QList<QRect> lignes(const QFont &police, const QRect &boite, Qt::Alignment alignement, bool retour, QString texte)
{
    texte.replace(u'\n', QChar::LineSeparator);
    texte.remove(u'&'); // mnémoniques des boutons ; aucune étiquette n'en montre
    QTextLayout mise(texte, police);
    QTextOption option(alignement);
    option.setWrapMode(retour ? QTextOption::WordWrap : QTextOption::ManualWrap);
    mise.setTextOption(option);
    const QFontMetrics fm(police);
    double hauteur = 0;
    mise.beginLayout();
    for (QTextLine l = mise.createLine(); l.isValid(); l = mise.createLine()) {
        l.setLineWidth(boite.width());
        l.setPosition(QPointF(0, hauteur));
        hauteur += fm.height();
    }
    mise.endLayout();
    double haut = boite.top();
    if (alignement & Qt::AlignVCenter)
        haut += (boite.height() - hauteur) / 2;
    else if (alignement & Qt::AlignBottom)
        haut += boite.height() - hauteur;
    const QRect encre = fm.tightBoundingRect(texte); // par rapport à la ligne de base
    QList<QRect> rects;
    for (int i = 0; i < mise.lineCount(); ++i) {
        const QTextLine l = mise.lineAt(i);
        const double largeur = l.naturalTextWidth();
        double gauche = boite.left();
        if (alignement & Qt::AlignHCenter)
            gauche += (boite.width() - largeur) / 2;
        else if (alignement & Qt::AlignRight)
            gauche += boite.width() - largeur;
        const double base = haut + l.y() + fm.ascent();
        rects << QRectF(gauche, base + encre.top(), largeur, encre.height()).toAlignedRect();
    }
    return rects;
}

QRect reunion(const QList<QRect> &rects)
{
    QRect r;
    for (const QRect &x : rects)
        r |= x;
    return r;
}

// Encre locale d'un contrôle ; un texte qui sort de sa boîte est noté dans defauts.
std::optional<std::pair<Genre, QList<QRect>>> encre(const QWidget *w, QStringList &defauts)
{
    auto deborde = [&](const QRect &boite, const QList<QRect> &dessin) {
        for (const QRect &r : dessin)
            if (!boite.contains(r))
                defauts << nom(w) + QStringLiteral(" déborde : ") + texte(r) + QStringLiteral(" hors de ") +
                               texte(boite);
    };
    if (const auto *l = qobject_cast<const QLabel *>(w)) {
        const QRect boite = l->contentsRect();
        if (!l->pixmap().isNull()) {
            const QSize taille = l->pixmap().deviceIndependentSize().toSize();
            const QList<QRect> image = {QStyle::alignedRect(l->layoutDirection(), l->alignment(), taille, boite)};
            deborde(boite, image);
            return std::pair{Genre::Image, image};
        }
        if (l->text().isEmpty())
            return std::nullopt;
        const QList<QRect> dessin = lignes(l->font(), boite, l->alignment(), l->wordWrap(), l->text());
        deborde(boite, dessin);
        return std::pair{Genre::Texte, dessin};
    }
    if (qobject_cast<const QCheckBox *>(w) || qobject_cast<const QRadioButton *>(w)) {
        const auto *b = static_cast<const QAbstractButton *>(w);
        const bool radio = qobject_cast<const QRadioButton *>(w);
        QStyleOptionButton opt;
        opt.initFrom(b);
        opt.text = b->text();
        const QRect contenu =
            b->style()->subElementRect(radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &opt, b);
        const QRect indicateur =
            b->style()->subElementRect(radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &opt, b);
        const QList<QRect> dessin = lignes(b->font(), contenu, Qt::AlignLeft | Qt::AlignVCenter, false, b->text());
        deborde(b->rect(), dessin);
        return std::pair{Genre::Texte, dessin + QList<QRect>{indicateur}};
    }
    if (const auto *b = qobject_cast<const QPushButton *>(w)) {
        QStyleOptionButton opt;
        opt.initFrom(b);
        const QRect contenu = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b);
        if (!b->text().isEmpty())
            deborde(contenu, lignes(b->font(), contenu, Qt::AlignCenter, false, b->text()));
        if (!b->icon().isNull()) // l'image d'un bouton sans texte peut en couvrir toute la surface
            deborde(b->text().isEmpty() ? b->rect() : contenu,
                    {QStyle::alignedRect(b->layoutDirection(), Qt::AlignCenter, b->iconSize(), contenu)});
        return std::pair{Genre::Surface, QList<QRect>{b->rect()}};
    }
    if (const auto *c = qobject_cast<const QComboBox *>(w)) {
        QStyleOptionComboBox opt;
        opt.initFrom(c);
        const QRect champ = c->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, c);
        deborde(champ, lignes(c->font(), champ, Qt::AlignLeft | Qt::AlignVCenter, false, c->currentText()));
        return std::pair{Genre::Surface, QList<QRect>{c->rect()}};
    }
    if (const auto *t = qobject_cast<const QTabBar *>(w)) {
        for (int i = 0; i < t->count(); ++i)
            deborde(t->tabRect(i), lignes(t->font(), t->tabRect(i), Qt::AlignCenter, false, t->tabText(i)));
        return std::pair{Genre::Surface, QList<QRect>{t->rect()}};
    }
    if (qobject_cast<const QLineEdit *>(w) || qobject_cast<const QAbstractItemView *>(w))
        return std::pair{Genre::Surface, QList<QRect>{w->rect()}};
    return std::nullopt;
}

void collecte(const QWidget *parent, const QWidget *racine, std::vector<Element> &elements, QStringList &defauts)
{
    for (const QObject *o : parent->children()) {
        const auto *w = qobject_cast<const QWidget *>(o);
        if (!w || w->isWindow() || !w->isVisibleTo(racine))
            continue;
        if (const auto e = encre(w, defauts)) {
            Element element{w, e->first, {}};
            for (const QRect &r : e->second)
                if (const QRect v = visible(w, r, racine); !v.isEmpty())
                    element.encre << v;
            if (!element.encre.isEmpty())
                elements.push_back(element);
            continue; // l'intérieur d'un contrôle est son affaire
        }
        collecte(w, racine, elements, defauts);
    }
}

// Une image posée sur un bouton, tout entière dans sa surface.
bool imagesurbouton(const Element &a, const Element &b)
{
    return a.genre == Genre::Image && qobject_cast<const QPushButton *>(b.w) &&
           reunion(b.encre).contains(reunion(a.encre));
}

} // namespace

QStringList defautsdisposition(const QWidget *racine)
{
    std::vector<Element> elements;
    QStringList defauts;
    collecte(racine, racine, elements, defauts);
    for (std::size_t i = 0; i < elements.size(); ++i)
        for (std::size_t j = i + 1; j < elements.size(); ++j) {
            const Element &a = elements[i];
            const Element &b = elements[j];
            if (imagesurbouton(a, b) || imagesurbouton(b, a))
                continue;
            for (const QRect &ra : a.encre)
                for (const QRect &rb : b.encre)
                    if (ra.intersects(rb))
                        defauts << nom(a.w) + QStringLiteral(" chevauche ") + nom(b.w) + QStringLiteral(" : ") +
                                       texte(ra) + QStringLiteral(" et ") + texte(rb);
        }
    return defauts;
}
