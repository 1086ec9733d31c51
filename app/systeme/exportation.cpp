// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/systeme/exportation.h"

#include "app/systeme/lignecommande.h"
#include "app/systeme/textefatal.h"
#include "config/emplacements.h"
#include "output/tableausemestre.h"
#include "rates/tabletaux.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>

#include <csignal>
#include <cstdio>

namespace {

void erreur(const QString &texte)
{
    std::fprintf(stderr, "Brunelix : %s\n", texte.toLocal8Bit().constData());
}

// Le texte de la copie sur la sortie standard, en UTF-8 ; faux si elle ne l'a pas pris.
bool ecritsortie(const QString &texte)
{
    const QByteArray octets = texte.toUtf8();
    const bool ecrit = std::fwrite(octets.constData(), 1, static_cast<std::size_t>(octets.size()), stdout) ==
                       static_cast<std::size_t>(octets.size());
    return std::fflush(stdout) == 0 && ecrit;
}

int lance(const commande::Export &e, EcritPdf pdf)
{
    taux::TableTaux table;
    table.fichiertaux =
        config::emplacements(commande::dossier(QCoreApplication::arguments()), QCoreApplication::applicationDirPath())
            .taux;
    const taux::Chargement chargement = taux::chargetaux(table);
    if (chargement != taux::Chargement::Ok) {
        erreur(textefatal(chargement, table.fichiertaux));
        return 2;
    }
    const QDateTime maintenant = QDateTime::currentDateTime();
    const sortie::TableauSemestre t =
        sortie::tableausemestre(table, e.semestre, e.montant, QLocale(), maintenant.date());
    if (t.refus != sortie::Refus::aucun) {
        erreur(sortie::messagerefus(t.refus, e.semestre, e.montant));
        return 2;
    }
    if (e.pdf.isEmpty()) {
        if (ecritsortie(sortie::textecopie(t.copie)))
            return 0;
        erreur(QStringLiteral("la sortie standard n'a pas pris le texte."));
        return 1;
    }
    const QString echec = pdf ? pdf(e.pdf, t, maintenant) : QStringLiteral("pas d'écriture de PDF ici.");
    if (echec.isEmpty())
        return 0;
    erreur(echec);
    return 1;
}

} // namespace

int exporte(EcritPdf pdf)
{
    QString refus;
    const auto e = commande::litexport(QCoreApplication::arguments(), refus);
    if (!e) {
        erreur(refus);
        return 2;
    }
    return lance(*e, pdf);
}

int exportetexte(int argc, char **argv)
{
    ignorelimitetaille();
    QCoreApplication application(argc, argv);
    return exporte(nullptr);
}

void ignorelimitetaille()
{
    std::signal(SIGXFSZ, SIG_IGN);
}
