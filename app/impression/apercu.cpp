// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/impression/apercu.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

DialogueApercu::DialogueApercu(QPrinter &imprimante, std::function<void(QPrinter &, const QString &)> dessine,
                               QWidget *parent)
    : QDialog(parent), reference_(new QLineEdit(this)), apercu_(new QPrintPreviewWidget(&imprimante, this))
{
    setWindowTitle(QStringLiteral("Imprimer"));
    reference_->setObjectName(QStringLiteral("reference"));
    reference_->setMaxLength(120);
    reference_->setPlaceholderText(QStringLiteral("client ou facture, facultatif"));
    auto *formulaire = new QFormLayout;
    formulaire->addRow(QStringLiteral("Référence :"), reference_);
    auto *boutons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton *imprimer = boutons->addButton(QStringLiteral("Imprimer…"), QDialogButtonBox::AcceptRole);
    imprimer->setDefault(true);
    auto *colonne = new QVBoxLayout(this);
    colonne->addLayout(formulaire);
    colonne->addWidget(apercu_, 1);
    colonne->addWidget(boutons);
    resize(560, 720);

    connect(apercu_, &QPrintPreviewWidget::paintRequested, this,
            [this, dessine](QPrinter *p) { dessine(*p, reference()); });
    connect(reference_, &QLineEdit::textChanged, apercu_, &QPrintPreviewWidget::updatePreview);
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    apercu_->fitInView();
}

QString DialogueApercu::reference() const
{
    // Une référence collée garde ses retours à la ligne : une seule ligne sur la page.
    return reference_->text().simplified();
}
