// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/fenetres/frmtalven.h"

#include "app/controles/couleurs.h"
#include "app/controles/images.h"
#include "app/disposition/disposition.h"
#include "app/systeme/demarrage.h"

#include <QDate>
#include <QIcon>
#include <QLabel>
#include <QScreen>

using disposition::twips;

FrmTALVEN::FrmTALVEN(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(QStringLiteral("TALVEN"));
    setWindowIcon(QIcon());
    setFixedSize(twips(2640), twips(2400));
    setModal(true);
    setFont(policefenetres());
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor::fromRgb(couleurs::noir));
    setPalette(p);

    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image3"));
    image->setPixmap(images::icone("logo.png").pixmap(QSize(145, 50), devicePixelRatioF()));
    image->setGeometry(twips(180), twips(120), twips(2175), twips(750));

    const disposition::Etiquette texte{"LabelTalven",      240, 960, 2115, 1275, "", disposition::Droite,
                                       couleurs::jaunelogo};
    LabelTalven = disposition::creeetiquette(this, texte);
    LabelTalven->setText(FrmTALVEN::texte());

    if (const QScreen *ecran = parent ? parent->screen() : screen())
        move(ecran->availableGeometry().center() - rect().center());
}

QString FrmTALVEN::texte()
{
    const QStringList lignes = {
        QStringLiteral("TALVEN"),
        QStringLiteral("Logiciel libre"),
        QStringLiteral("fourni sans garantie"),
        QStringLiteral("France"),
        QString(),
        QStringLiteral("© %1 TALVEN").arg(QDate::currentDate().year()),
    };
    return lignes.join(u'\n');
}
