// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// La page du tableau en PDF : rendue en mémoire par QPdfWriter, puis écrite entière par le
// point d'écriture unique, ou pas du tout. Sert à la fenêtre et à la ligne de commande.

#include <QByteArray>
#include <QPageSize>
#include <QString>

namespace sortie {
struct EntreeImpression;
}

// Octets du PDF de la page (titre et créateur posés), marges de 6,35 mm ; vide si le
// rendu a échoué. Demande une QGuiApplication (polices).
QByteArray pagepdf(const sortie::EntreeImpression &e, const QPageSize &papier = QPageSize(QPageSize::A4));

// Écrit le PDF au chemin donné, entier ou pas du tout : un fichier qui existait reste tel
// quel en cas d'échec ; une cible qui n'est pas un fichier ordinaire est refusée. Rend le
// message d'échec, qui nomme le fichier, ou une chaîne vide quand tout est écrit.
QString ecritpdf(const QString &chemin, const QByteArray &pdf);
