// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Ligne de commande : --help et --version lus avant QApplication (son constructeur avorte sans
// écran) ; puis les commandes sans fenêtre (table des commandes de lignecommande.cpp), sur une
// QCoreApplication ; sinon le dossier facultatif, sur les arguments que Qt n'a pas pris pour lui.

#include <QStringList>

#include <optional>

namespace commande {

// Sur --help ou --version : imprime sur la sortie standard et termine avec le statut 0.
void options(int argc, char **argv);

// Vrai quand une commande sans fenêtre est demandée (--taux, --tmop, --retire, --liste-taux).
bool sansfenetre(int argc, char **argv);

// Exécute la commande sans fenêtre et rend le statut de sortie : 0 fait (ou rien à faire),
// 1 écriture ou lecture ratée, 2 entrée refusée (option inconnue comprise) ; fichier intact
// sauf pour 0. Le dossier : les arguments restants joints par des blancs ; il doit contenir
// BRUNELIX.TXT.
int execute(const QStringList &arguments);

// Le dossier : les arguments restants joints par des blancs (un dossier contenant des blancs se
// passe sans guillemets), vide s'il n'y en a pas. Une option inconnue est signalée et ignorée ;
// un dossier qui n'existe pas est signalé, puis passé tel quel (le repli habituel s'applique).
QString dossier(const QStringList &arguments);

// Exports (--texte, --pdf) : sans fenêtre ni mise à jour ; les valeurs par défaut sont celles
// de la fenêtre au démarrage.
struct Export
{
    QString pdf; // fichier du PDF ; vide : le texte de la copie sur la sortie standard
    QString montant = QStringLiteral("100");
    QString semestre; // clé ; vide : le semestre que la fenêtre choisit
};

// Ce que demande la ligne, à savoir avant de construire l'application : la fenêtre, le texte
// (aussi pour --montant ou --semestre seuls, que litexport refuse) ou le PDF.
enum class Demande { fenetre, texte, pdf };
Demande demande(int argc, char **argv);
// Analyse stricte d'un export : une option inconnue, --texte avec --pdf, ou --montant et
// --semestre sans export sont un refus (message dans refus, nullopt).
std::optional<Export> litexport(const QStringList &arguments, QString &refus);

} // namespace commande
