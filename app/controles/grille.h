// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Grille de résultats : une QTableWidget vue comme une grille de cellules texte
// dont la ligne 0 et la colonne 0 sont fixes (les en-têtes de la table).
// Toute cellule s'adresse par son indice linéaire ligne × colonnes + colonne.

#include <QObject>
#include <QString>

#include <vector>

class QColor;
class QTableWidget;
class QTableWidgetItem;

class Grille : public QObject
{
    Q_OBJECT
  public:
    explicit Grille(QTableWidget *table);

    int lignes() const;
    int colonnes() const;
    void setColonnes(int n);

    QString texte(int indice) const;
    void setTexte(int indice, const QString &texte);

    void setCourante(int ligne, int colonne);
    int ligneCourante() const;
    int colonneCourante() const;
    void setCouleurCourante(const QColor &couleur);

    void centreColonne(int colonne);
    int largeurColonne(int colonne) const; // twips

    // Apparence « calcul impossible » : textes grisés et bulle d'aide.
    void setPerime(bool perime, const QString &avis);

  Q_SIGNALS:
    // Double-clic sur une cellule, ou Entrée ou Espace sur la cellule courante ; la
    // cellule est alors devenue courante.
    void doubleclic();

  protected:
    bool eventFilter(QObject *o, QEvent *e) override;

  private:
    QTableWidgetItem *element(int ligne, int colonne, bool cree) const;
    void nouvellescolonnes(int premiere);

    QTableWidget *table_;
    QString coin_;
    std::vector<bool> centre_;
    int ligne_ = 1;
    int colonne_ = 1;
};
