// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Imprimante en twips sur un périphérique paginé (QPrinter, QPdfWriter) : QPainter en pixels
// du périphérique, origine au coin haut gauche de la zone imprimable. Le travail commence à la première sortie ;
// une fin de feuille ouvre la page suivante du même travail à la sortie suivante.

#include "output/impression.h"

#include <memory>

class QFont;
class QPainter;
class QPagedPaintDevice;

class ImprimanteQt : public sortie::Imprimante
{
  public:
    enum class Echec { Aucun, Debut, Page, Fin };

    explicit ImprimanteQt(QPagedPaintDevice &imprimante);
    ~ImprimanteQt() override;

    int largeur() const override;
    int hauteur() const override;
    QString police() const override;
    void setPolice(const QString &nom) override;
    double taille() const override;
    void setTaille(double points) override;
    double x() const override;
    double y() const override;
    void setPosition(double x, double y) override;
    double hauteurtexte(const QString &texte) const override;
    double largeurtexte(const QString &texte) const override;
    void ligne(double x1, double y1, double x2, double y2) override;
    void texte(const QString &texte, bool saut) override;
    void finfeuille() override;
    bool findocument() override;

    Echec echec() const { return echec_; }

  private:
    bool prepare(); // commence le travail ou la page suivante avant une sortie
    QFont fonte() const;
    double pixels(double twips) const;
    double twips(double pixels) const;

    QPagedPaintDevice &imprimante_;
    std::unique_ptr<QPainter> peintre_;
    QString police_;
    double taille_;
    double x_ = 0;
    double y_ = 0;
    bool pagesuivante_ = false;
    Echec echec_ = Echec::Aucun;
};
