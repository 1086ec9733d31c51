// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/disposition/dispositiontaux.h"

#include "app/controles/couleurs.h"
#include "app/disposition/disposition.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSize>
#include <QTableWidget>

using namespace disposition;

namespace {

constexpr int largeur = 6600, hauteur = 5115;

// Étiquettes des champs, dans la colonne de gauche ; les champs commencent à 2760.
constexpr Etiquette etiquettes[] = {
    {"refus", 120, 2220, 6360, 390, "", Retour, couleurs::rougeaide},
    {"Label1", 120, 2730, 2580, 255, "&Semestre", Normal, 0},
    {"Label2", 120, 3090, 2580, 255, "&Taux", Normal, 0},
    {"Label3", 120, 3450, 2580, 255, "T&MOP du semestre précédent", Normal, 0},
    {"Label4", 120, 3810, 2580, 255, "S&ource", Normal, 0},
    {"message", 120, 4170, 6360, 390, "", Retour, 0},
};

struct Champ
{
    const char *nom, *etiquette, *accessible;
    int gauche, haut, largeur, hauteur;
};

constexpr Champ champs[] = {
    {"taux", "Label2", "Taux", 2760, 3060, 1335, 315},
    {"tmop", "Label3", "TMOP du semestre précédent", 2760, 3420, 1335, 315},
    {"source", "Label4", "Source", 2760, 3780, 3720, 315},
};

struct Bouton
{
    const char *nom, *texte;
    int gauche;
};

constexpr Bouton boutons[] = {
    {"Ajouter", "&Ajouter", 120},
    {"Corriger", "&Corriger", 1740},
    {"Retirer", "&Retirer", 3360},
    {"Fermer", "&Fermer", 5025},
};
constexpr int hautboutons = 4620, largeurbouton = 1455, hauteurbouton = 375;

template <typename T> T *trouve(QWidget *parent, const char *nom)
{
    return parent->findChild<T *>(QString::fromUtf8(nom), Qt::FindDirectChildrenOnly);
}

} // namespace

QSize taillefenetretaux()
{
    return {twips(largeur), twips(hauteur)};
}

ControlesTaux construittaux(QWidget *fenetre)
{
    ControlesTaux c{};
    c.liste = new QTableWidget(0, 3, fenetre);
    place(c.liste, 120, 120, 6360, 2040, "liste");
    c.liste->setAccessibleName(QStringLiteral("Semestres du fichier des taux"));
    c.liste->setHorizontalHeaderLabels({QStringLiteral("Semestre"), QStringLiteral("Taux"), QStringLiteral("Nature")});
    c.liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    c.liste->setSelectionBehavior(QAbstractItemView::SelectRows);
    c.liste->setSelectionMode(QAbstractItemView::SingleSelection);
    c.liste->setTabKeyNavigation(false);
    c.liste->setWordWrap(false);
    c.liste->verticalHeader()->hide();
    c.liste->verticalHeader()->setDefaultSectionSize(18);
    c.liste->setColumnWidth(0, twips(1800));
    c.liste->setColumnWidth(1, twips(600));
    c.liste->horizontalHeader()->setStretchLastSection(true);

    for (const Etiquette &e : etiquettes)
        creeetiquette(fenetre, e);
    c.refus = trouve<QLabel>(fenetre, "refus");
    c.message = trouve<QLabel>(fenetre, "message");

    c.semestre = new QComboBox(fenetre);
    place(c.semestre, 2760, 2700, 2415, 315, "semestre");
    c.semestre->setAccessibleName(QStringLiteral("Semestre"));
    trouve<QLabel>(fenetre, "Label1")->setBuddy(c.semestre);
    for (const Champ &ch : champs) {
        auto *w = new QLineEdit(fenetre);
        place(w, ch.gauche, ch.haut, ch.largeur, ch.hauteur, ch.nom);
        w->setAccessibleName(QString::fromUtf8(ch.accessible));
        trouve<QLabel>(fenetre, ch.etiquette)->setBuddy(w);
    }
    c.taux = trouve<QLineEdit>(fenetre, "taux");
    c.tmop = trouve<QLineEdit>(fenetre, "tmop");
    c.source = trouve<QLineEdit>(fenetre, "source");
    for (const char *nom : {"Label1", "Label2", "Label3", "Label4"})
        trouve<QLabel>(fenetre, nom)->setTextFormat(Qt::AutoText); // le « & » marque la touche d'accès

    for (const Bouton &b : boutons) {
        auto *w = new QPushButton(QString::fromUtf8(b.texte), fenetre);
        place(w, b.gauche, hautboutons, largeurbouton, hauteurbouton, b.nom);
        w->setAutoDefault(false); // Entrée dans un champ n'enregistre rien par surprise
    }
    c.Ajouter = trouve<QPushButton>(fenetre, "Ajouter");
    c.Corriger = trouve<QPushButton>(fenetre, "Corriger");
    c.Retirer = trouve<QPushButton>(fenetre, "Retirer");
    c.Fermer = trouve<QPushButton>(fenetre, "Fermer");
    return c;
}
