// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Onglet « Aide » : ses textes dans une zone qui défile quand ils ne tiennent pas.
// Chaque texte garde sa place de conception (relative au contrôle à onglets) et sa
// largeur tant qu'elle tient ; un texte qui a dû grandir pousse d'autant ceux du dessous.

#include "app/disposition/disposition.h"

#include <QObject>
#include <QPoint>
#include <QSize>

#include <span>
#include <vector>

class QLabel;
class QScrollArea;
class QTabWidget;

class PageAide : public QObject
{
  public:
    PageAide(QTabWidget *onglets, QWidget *page, std::span<const disposition::Etiquette> textes);

  protected:
    bool eventFilter(QObject *o, QEvent *e) override;

  private:
    void dispose();
    int place(const QPoint &origine, int largeur);

    QTabWidget *onglets_;
    QWidget *page_;
    QScrollArea *zone_;
    QWidget *contenu_;
    std::span<const disposition::Etiquette> textes_;
    std::vector<QLabel *> etiquettes_;
    QPoint origine_;
    QSize taille_;
};
