// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Outils des tests de fenêtres : dossier de programme temporaire, fenêtre chargée,
// surveillance des boîtes modales.

#include "app/etat.h"
#include "app/fenetres/formbrunelix.h"
#include "app/fenetres/maj.h"

#include "tests/affichage.h"

#include <QByteArray>
#include <QLocale>
#include <QTemporaryDir>

#include <memory>

class QSignalSpy;
class QWidget;

// Fichier de taux des essais : 2010 (deux semestres), 2009 (deux), 2008 (premier seul).
extern const QByteArray tauxessai;

// Écrit un fichier des taux (et le date) dans un dossier.
void ecrittaux(const QString &chemin, const QByteArray &contenu, int decalagesecondes = 0);

// Jusqu'où le constructeur de la fenêtre d'essai attend : la fin du démarrage (pages construites,
// mise à jour automatique finie), ou le seul affichage, avant la première peinture.
enum class Attente { demarre, affichage };

class FenetreEssai
{
  public:
    // ini : contenu de Brunelix.ini (vide : pas de fichier) ; dependances : horloge,
    // connexion, délai de la mise à jour ; monde : imprimante par défaut et horloge de la fenêtre.
    explicit FenetreEssai(const QByteArray &taux = tauxessai,
                          QLocale regional = QLocale(QLocale::French, QLocale::France), const QByteArray &ini = {},
                          maj::Dependances dependances = {}, DependancesFenetre monde = {},
                          Attente attente = Attente::demarre);
    ~FenetreEssai();

    // Attend demarre() (une seule fois en tout).
    void attendsdemarre();

    FormBrunelix &f() { return *fenetre; }
    const ControlesPrincipaux &c() { return fenetre->controles(); }
    QString fichier() const;

    // Texte de la cellule (ligne, colonne) de la grille.
    QString cellule(int ligne, int colonne);
    // Choisit une année dans la liste comme le ferait l'utilisateur (clavier).
    void choisitannee(const QString &annee);
    // Double-clic réel sur une cellule de données.
    void doubleclic(int ligne, int colonne);
    // Clic sur l'onglet d'indice donné.
    void cliqueonglet(int indice);

    QTemporaryDir dossier;
    EtatBrunelix etat;
    std::unique_ptr<Maj> maj;
    std::unique_ptr<FormBrunelix> fenetre;
    std::unique_ptr<QSignalSpy> demarre;
};

// Dans un processus fils : ferme la prochaine boîte modale avec OK après avoir
// écrit son titre et son texte sur la sortie d'erreur.
void fermeboitemodale();

// Échec du test si une boîte modale inattendue s'ouvre pendant la durée de vie de l'objet.
class SansModale
{
  public:
    SansModale();
    ~SansModale();
};
