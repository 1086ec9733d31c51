// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Programmes du bureau : relever la fenêtre d'un programme déjà ouvert, sinon le lancer.
// Seuls comptent les processus de l'utilisateur, reconnus par le nom complet de leur
// programme ; la fenêtre est cherchée sur X11 par _NET_WM_PID (ou WM_CLASS quand le
// programme ne donne pas son PID) et relevée par la requête EWMH _NET_ACTIVE_WINDOW sur
// la connexion X de Qt. Sous Wayland, aucune fenêtre d'un autre programme n'est atteinte.

#include <QStringList>

namespace bureau {

// Nom complet du programme d'un processus : le fichier de son exécutable, sinon le
// premier mot de sa ligne de commande ; pour un script, le fichier du script.
QString nomprogramme(qint64 pid);

// Processus vivant de l'utilisateur courant dont le programme est l'un des noms ; 0 sinon.
qint64 processusouvert(const QStringList &noms);

// Relève la fenêtre du processus (ou de classe nom). Faux sans X11 ou sans fenêtre.
bool relevefenetre(qint64 pid, const QString &nom);

// Vrai dans une session Wayland : aucune fenêtre X11 ne peut y être atteinte.
bool fenetreshorsdatteinte();

enum class Issue { Releve, DejaOuvert, Lance, Echec };

// Le programme, ou un autre de la liste noms, est ouvert : sa fenêtre est relevée et
// rien n'est lancé. Sinon (ou sous Wayland, où la fenêtre ouverte est hors d'atteinte)
// programme est lancé détaché avec ses arguments (jamais par un shell).
Issue releveoulance(const QStringList &noms, const QString &programme, const QStringList &arguments);

} // namespace bureau
