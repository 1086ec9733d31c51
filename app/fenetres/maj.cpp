// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/fenetres/maj.h"

#include "app/bureau/bureau.h"
#include "app/controles/couleurs.h"
#include "app/controles/images.h"
#include "app/disposition/disposition.h"
#include "app/etat.h"
#include "app/systeme/demarrage.h"
#include "app/systeme/fin.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>

Maj::Maj(const EtatBrunelix &etat, maj::Dependances dependances, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      etat_(etat), dependances_(std::move(dependances))
{
    setWindowTitle(QStringLiteral("Mise à jour des taux de crédit gratuit"));
    setWindowIcon(images::icone("iconemaj.png"));
    setFixedSize(taillemaj());
    setFont(policefenetres());
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor::fromRgb(couleurs::violet));
    setPalette(p);
    setAutoFillBackground(true);

    c_ = construitmaj(this);
    // Ordre de tabulation ; étiquettes et images ne prennent pas le focus.
    setTabOrder(c_.Boutonmanuel, c_.CheckMaj);
    setTabOrder(c_.CheckMaj, c_.Annuler);
    setTabOrder(c_.Annuler, c_.ftp);
    setTabOrder(c_.ftp, c_.Checkconnection);
    setTabOrder(c_.Checkconnection, c_.Valider);
    setTabOrder(c_.Valider, c_.Boutontaux);
    // Entrée presse le bouton qui a le focus, sinon Valider ; Échap : Annuler (reject).
    // Sauf Boutonmanuel, qui a le focus à l'ouverture et finit le programme : Entrée y
    // presse Valider, la mise à jour manuelle ne part que d'un clic ou d'Espace.
    for (QPushButton *b : {c_.Valider, c_.Annuler, c_.Boutontaux})
        b->setAutoDefault(true);
    c_.Boutonmanuel->setAutoDefault(false);
    c_.Valider->setDefault(true);
    c_.Boutonmanuel->setFocus();
    c_.Picture1->installEventFilter(this);
    c_.Picture2->installEventFilter(this);

    connect(c_.Valider, &QPushButton::clicked, this, &Maj::valider);
    connect(c_.Annuler, &QPushButton::clicked, this, &Maj::reject);
    connect(c_.Boutonmanuel, &QPushButton::clicked, this, &Maj::manuelle);
    connect(c_.Boutontaux, &QPushButton::clicked, this, &Maj::tauxdemandes);
    // La ligne d'avertissement suit l'adresse tapée.
    connect(c_.ftp, &QLineEdit::textChanged, this, &Maj::montreavis);
    montreavis();
}

void Maj::montreavis()
{
    c_.avisadresse->setVisible(c_.ftp->text().trimmed() == config::adressedefaut());
}

QString Maj::cheminparametres() const
{
    return etat_.emplacements.parametres;
}

config::Parametres Maj::parametres() const
{
    return {c_.ftp->text(), c_.Checkconnection->isChecked(), c_.CheckMaj->isChecked()};
}

void Maj::montreparametres(const config::Parametres &p)
{
    c_.ftp->setText(p.adresse);
    c_.Checkconnection->setChecked(p.checkconnection);
    c_.CheckMaj->setChecked(p.checkmaj);
}

void Maj::valider()
{
    config::ecritparametres(parametres(), cheminparametres());
    accept();
}

// L'éditeur est cherché avant toute copie et toute fin ; sans éditeur, le dialogue reste
// ouvert et le programme continue après le message.
void Maj::manuelle()
{
    QString fichier = etat_.table.fichiertaux;
    if (bureau::editeurtrouve()) {
        fichier = config::fichiermanuel(etat_.emplacements, etat_.table.fichiertaux);
        if (bureau::editeur(bureau::chemincourt(fichier)))
            return fin::immediate();
    }
    QMessageBox::warning(this, QStringLiteral("Mise à jour manuelle"),
                         QStringLiteral("Aucun éditeur de texte n'a pu être lancé.\n"
                                        "Le fichier des taux à modifier est :\n%1")
                             .arg(QDir::toNativeSeparators(fichier)));
}

bool Maj::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent *>(e)->button() == Qt::LeftButton) {
        if (o == c_.Picture2) {
            c_.Valider->click();
            return true;
        }
        if (o == c_.Picture1) {
            c_.Annuler->click();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

std::unique_ptr<Maj> chargeparametres(const EtatBrunelix &etat, maj::Dependances dependances)
{
    auto m = std::make_unique<Maj>(etat, std::move(dependances));
    m->montreparametres(config::litparametres(m->cheminparametres()));
    return m;
}
