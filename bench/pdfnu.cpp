// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
// Base de comparaison de brunelix --pdf : la plus petite QGuiApplication (offscreen sans écran)
// qui écrit avec QPdfWriter une page A4 d'un tableau réglé de 35 lignes en Arial 11 points, les
// textes de Brunelix à 12,5 %, dans le fichier donné en argument.
#include "bench/arithmetique.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 2;
    static base::Textes textes;
    base::remplit(12.5, 100, ',', textes);

    QPdfWriter pdf(QString::fromLocal8Bit(argv[1]));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(6.35, 6.35, 6.35, 6.35),
                                  QPageLayout::Millimeter));
    QPainter p(&pdf);
    QFont police(QStringLiteral("Arial"));
    police.setPointSizeF(11);
    p.setFont(police);
    const int colonnes = base::colonnesmax + 1;
    const int largeur = pdf.width() * 9 / 10 / colonnes;
    const int hauteur = pdf.height() / 40;
    p.drawText(0, hauteur, QStringLiteral("Remise pour paiement comptant d'un crédit gratuit"));
    for (int k = 0; k <= base::lignes; ++k) {
        const int y = (k + 3) * hauteur;
        p.drawLine(0, y, colonnes * largeur, y);
        for (int c = 0; c < colonnes; ++c) {
            QString texte =
                k == 0 ? (c == 0 ? QStringLiteral("Mois") : QString::number(c - 1))
                : c == 0
                    ? QString::number(k + 2)
                    : QString::fromLatin1(textes[static_cast<std::size_t>((k - 1) * base::colonnesmax + c - 1)].data());
            p.drawText(c * largeur + 20, y + hauteur - 20, texte);
        }
    }
    for (int c = 0; c <= colonnes; ++c)
        p.drawLine(c * largeur, 3 * hauteur, c * largeur, (base::lignes + 4) * hauteur);
    return p.end() ? 0 : 1;
}
