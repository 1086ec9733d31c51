// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/fenetres/fenetretaux.h"

#include "app/disposition/disposition.h"
#include "app/etat.h"
#include "app/systeme/demarrage.h"
#include "config/saisietaux.h"
#include "rates/semestre.h"
#include "rates/statut.h"
#include "update/refus.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>

#include <cmath>

namespace {

QString textetaux(double taux)
{
    return taux::textecentiemes(std::llround(taux * 100), u',');
}

// Nature écrite dans la liste ; la saisie porte sa source.
QString textenature(const taux::LigneTaux &l)
{
    if (l.nature == taux::Nature::saisi && !l.saisie.source.isEmpty())
        return l.textenature + QStringLiteral(" : ") + l.saisie.source;
    return l.textenature;
}

QString bullenature(const taux::LigneTaux &l)
{
    if (l.nature != taux::Nature::saisi)
        return {};
    QStringList lignes{l.textenature};
    if (!l.saisie.tmop.isEmpty())
        lignes << QStringLiteral("TMOP du semestre précédent : ") + QString(l.saisie.tmop).replace(u'.', u',');
    if (!l.saisie.remplace.isEmpty())
        lignes << QStringLiteral("Remplace : ") + QString(l.saisie.remplace).replace(u'.', u',');
    if (!l.saisie.source.isEmpty())
        lignes << QStringLiteral("Source : ") + l.saisie.source;
    return lignes.join(u'\n');
}

} // namespace

FenetreTaux::FenetreTaux(EtatBrunelix &etat, const QDate &aujourdhui, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      etat_(etat), aujourdhui_(aujourdhui)
{
    setWindowTitle(QStringLiteral("Taux de référence"));
    setFont(policefenetres());
    setFixedSize(taillefenetretaux());
    c_ = construittaux(this);
    // Une police de bureau plus grande : les étiquettes des champs se serrent dans leur case.
    for (QLabel *l : findChildren<QLabel *>(QRegularExpression(QStringLiteral("^Label"))))
        disposition::ajustetexte(l, l->text());
    // Ordre de tabulation : la liste, les champs de haut en bas, les boutons de gauche à droite.
    const QList<QWidget *> ordre = {c_.liste,   c_.semestre, c_.taux,    c_.tmop,  c_.source,
                                    c_.Ajouter, c_.Corriger, c_.Retirer, c_.Fermer};
    for (qsizetype i = 1; i < ordre.size(); ++i)
        setTabOrder(ordre[i - 1], ordre[i]);

    connect(c_.semestre, &QComboBox::currentIndexChanged, this, &FenetreTaux::semestrechoisi);
    connect(c_.liste, &QTableWidget::currentCellChanged, this, &FenetreTaux::lignechoisie);
    // Le taux ou le TMOP : taper l'un efface l'autre.
    connect(c_.taux, &QLineEdit::textEdited, this, [this] {
        c_.tmop->clear();
        montreformule();
    });
    connect(c_.tmop, &QLineEdit::textEdited, this, [this] {
        c_.taux->clear();
        montreformule();
    });
    connect(c_.Ajouter, &QPushButton::clicked, this, [this] { enregistre(taux::Saisie::Ajoute); });
    connect(c_.Corriger, &QPushButton::clicked, this, [this] { enregistre(taux::Saisie::Corrige); });
    connect(c_.Retirer, &QPushButton::clicked, this, [this] { enregistre(taux::Saisie::Retire); });
    connect(c_.Fermer, &QPushButton::clicked, this, &QDialog::reject);

    remplit();
    c_.semestre->setFocus();
}

// Liste et semestres depuis la table ; le semestre choisi est celui qui suit la tête.
void FenetreTaux::remplit()
{
    const QSignalBlocker liste(c_.liste);
    const QSignalBlocker semestres(c_.semestre);
    const QList<taux::LigneTaux> lignes = taux::listetaux(etat_.table);
    c_.liste->setRowCount(static_cast<int>(lignes.size()));
    c_.semestre->clear();
    // Les semestres qu'on peut ajouter, du dernier permis au proposé, puis ceux du fichier.
    const taux::Semestre propose = taux::semestrepropose(etat_.table, aujourdhui_);
    for (taux::Semestre s = taux::dernierpermis(aujourdhui_); s >= propose && s.annee > 0;
         s = {s.numero == 2 ? s.annee : s.annee - 1, 3 - s.numero})
        c_.semestre->addItem(s.libelle(), s.cle());
    const int indicepropose = c_.semestre->count() - 1;
    for (int i = 0; i < lignes.size(); ++i) {
        const taux::LigneTaux &l = lignes[i];
        const auto s = taux::Semestre::lit(l.cle);
        const QString libelle = s ? s->libelle() : l.cle;
        const QStringList textes = {libelle, textetaux(l.taux), textenature(l)};
        for (int colonne = 0; colonne < 3; ++colonne) {
            auto *cellule = new QTableWidgetItem(textes[colonne]);
            cellule->setToolTip(bullenature(l));
            if (colonne == 1)
                cellule->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            c_.liste->setItem(i, colonne, cellule);
        }
        if (c_.semestre->findData(l.cle) < 0)
            c_.semestre->addItem(libelle, l.cle);
    }
    c_.semestre->setCurrentIndex(indicepropose >= 0 ? indicepropose : 0);
    const QString refus = maj::dernierrefus(etat_.emplacements.parametres);
    c_.refus->setText(refus.isEmpty() ? QString() : refus.left(1).toUpper() + refus.mid(1));
    semestrechoisi();
}

QString FenetreTaux::cle() const
{
    return c_.semestre->currentData().toString();
}

int FenetreTaux::ligne(const QString &cle) const
{
    for (int i = 0; i < c_.liste->rowCount(); ++i)
        if (i <= etat_.table.nbtaux && etat_.table.periodes[i] == cle)
            return i;
    return -1;
}

// Semestre choisi : sa ligne dans la liste, son taux dans le champ, les boutons qui s'y appliquent.
void FenetreTaux::semestrechoisi()
{
    const int i = ligne(cle());
    {
        const QSignalBlocker bloque(c_.liste);
        c_.liste->setCurrentCell(i, 0);
        if (i < 0)
            c_.liste->clearSelection();
    }
    const bool present = i >= 0;
    c_.tmop->clear();
    c_.taux->setText(present ? textetaux(etat_.table.taux[i]) : QString());
    c_.Ajouter->setEnabled(!present);
    c_.Corriger->setEnabled(present);
    c_.Retirer->setEnabled(present && etat_.table.saisies[i].saisi());
    montreformule();
}

void FenetreTaux::lignechoisie()
{
    const int i = c_.liste->currentRow();
    if (i >= 0 && i <= etat_.table.nbtaux)
        c_.semestre->setCurrentIndex(c_.semestre->findData(etat_.table.periodes[i]));
}

// Avant l'enregistrement : la formule du TMOP tapé, ou ce qui ne va pas dans le nombre.
void FenetreTaux::montreformule()
{
    QString erreur;
    if (!c_.tmop->text().trimmed().isEmpty()) {
        const auto tmop = taux::littmop(c_.tmop->text(), &erreur);
        return montre(tmop ? taux::formule(*tmop) : erreur);
    }
    if (!c_.taux->text().trimmed().isEmpty() && !taux::littaux(c_.taux->text(), &erreur))
        return montre(erreur);
    montre(QString());
}

void FenetreTaux::enregistre(taux::Saisie::Operation operation)
{
    taux::Saisie saisie;
    saisie.operation = operation;
    saisie.cle = cle();
    saisie.source = c_.source->text();
    saisie.date = aujourdhui_;
    if (operation != taux::Saisie::Retire) {
        QString erreur;
        if (!c_.tmop->text().trimmed().isEmpty()) {
            saisie.tmop = taux::littmop(c_.tmop->text(), &erreur);
            if (!saisie.tmop)
                return montre(erreur);
            saisie.centiemes = taux::tauxdetmop(*saisie.tmop);
        } else if (!c_.taux->text().trimmed().isEmpty()) {
            const auto centiemes = taux::littaux(c_.taux->text(), &erreur);
            if (!centiemes)
                return montre(erreur);
            saisie.centiemes = *centiemes;
        } else {
            return montre(QStringLiteral("Indiquez le taux, ou le TMOP du semestre précédent."));
        }
    }
    const config::Enregistrement r =
        config::enregistresaisie(etat_.emplacements, etat_.table.fichiertaux, saisie, aujourdhui_);
    if (r.etat == config::Enregistrement::Ecrit) {
        Q_EMIT ecrit(r.fichier);
        c_.source->clear();
        remplit();
    }
    montre(r.message);
}

void FenetreTaux::montre(const QString &message)
{
    c_.message->setText(message);
}
