// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/controles/grille.h"

#include "app/controles/couleurs.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QTableWidget>

#include <algorithm>

namespace {

constexpr Qt::Alignment centre = Qt::AlignHCenter | Qt::AlignVCenter;

// Le coin de la table porte le texte de la cellule (0, 0).
class Coin : public QObject
{
  public:
    Coin(QAbstractButton *bouton, const QString *texte) : QObject(bouton), bouton_(bouton), texte_(texte) {}

  protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (o != bouton_ || e->type() != QEvent::Paint)
            return false;
        QPainter p(bouton_);
        QStyleOptionHeader opt;
        opt.initFrom(bouton_);
        opt.state |= QStyle::State_Enabled;
        opt.palette.setCurrentColorGroup(QPalette::Active);
        opt.rect = bouton_->rect();
        opt.position = QStyleOptionHeader::OnlyOneSection;
        opt.text = *texte_;
        opt.textAlignment = centre;
        bouton_->style()->drawControl(QStyle::CE_Header, &opt, &p, bouton_);
        return true;
    }

  private:
    QAbstractButton *bouton_;
    const QString *texte_;
};

} // namespace

Grille::Grille(QTableWidget *table) : QObject(table), table_(table)
{
    centre_.assign(static_cast<std::size_t>(table_->columnCount() + 1), false);
    nouvellescolonnes(1);
    for (int l = 1; l < lignes(); ++l)
        element(l, 0, true);
    if (auto *bouton = table_->findChild<QAbstractButton *>()) {
        bouton->setEnabled(false);
        bouton->installEventFilter(new Coin(bouton, &coin_));
    }
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int l, int c) {
        ligne_ = l + 1;
        colonne_ = c + 1;
        Q_EMIT doubleclic();
    });
    table_->installEventFilter(this);
    setPerime(false, {});
    connect(table_, &QTableWidget::currentCellChanged, this, [this](int l, int c) {
        if (l >= 0 && c >= 0) {
            ligne_ = l + 1;
            colonne_ = c + 1;
        }
    });
}

// Entrée et Espace sur la cellule courante valent un double-clic.
bool Grille::eventFilter(QObject *o, QEvent *e)
{
    if (o != table_ || e->type() != QEvent::KeyPress)
        return false;
    const auto *touche = static_cast<QKeyEvent *>(e);
    const int k = touche->key();
    const bool ouvre = k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space;
    const QModelIndex courant = table_->currentIndex();
    if (!ouvre || touche->isAutoRepeat() || !courant.isValid() ||
        (touche->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    ligne_ = courant.row() + 1;
    colonne_ = courant.column() + 1;
    Q_EMIT doubleclic();
    return true;
}

int Grille::lignes() const
{
    return table_->rowCount() + 1;
}
int Grille::colonnes() const
{
    return table_->columnCount() + 1;
}

void Grille::setColonnes(int n)
{
    if (n < 1 || n == colonnes())
        return;
    const int avant = colonnes();
    table_->setColumnCount(n - 1);
    centre_.resize(static_cast<std::size_t>(n), false);
    nouvellescolonnes(avant);
}

// Cellules des colonnes ajoutées : en-tête vide (jamais le numéro de la table), fond blanc.
void Grille::nouvellescolonnes(int premiere)
{
    for (int c = std::max(premiere, 1); c < colonnes(); ++c)
        for (int l = 0; l < lignes(); ++l)
            element(l, c, true);
}

QTableWidgetItem *Grille::element(int ligne, int colonne, bool cree) const
{
    if (ligne == 0 && colonne == 0)
        return nullptr;
    QTableWidgetItem *e = ligne == 0     ? table_->horizontalHeaderItem(colonne - 1)
                          : colonne == 0 ? table_->verticalHeaderItem(ligne - 1)
                                         : table_->item(ligne - 1, colonne - 1);
    if (e || !cree)
        return e;
    e = new QTableWidgetItem;
    if (centre_[static_cast<std::size_t>(colonne)])
        e->setTextAlignment(centre);
    if (ligne == 0)
        table_->setHorizontalHeaderItem(colonne - 1, e);
    else if (colonne == 0)
        table_->setVerticalHeaderItem(ligne - 1, e);
    else {
        e->setBackground(QColor::fromRgb(couleurs::blanc));
        table_->setItem(ligne - 1, colonne - 1, e);
    }
    return e;
}

QString Grille::texte(int indice) const
{
    const int n = colonnes();
    if (indice < 0 || indice >= lignes() * n)
        return {};
    const int l = indice / n;
    const int c = indice % n;
    if (l == 0 && c == 0)
        return coin_;
    const QTableWidgetItem *e = element(l, c, false);
    return e ? e->text() : QString();
}

void Grille::setTexte(int indice, const QString &texte)
{
    const int n = colonnes();
    if (indice < 0 || indice >= lignes() * n)
        return;
    const int l = indice / n;
    const int c = indice % n;
    if (l == 0 && c == 0) {
        coin_ = texte;
        if (auto *bouton = table_->findChild<QAbstractButton *>())
            bouton->update();
        return;
    }
    QTableWidgetItem *e = element(l, c, true);
    if (e->text() != texte)
        e->setText(texte);
}

void Grille::setCourante(int ligne, int colonne)
{
    ligne_ = ligne;
    colonne_ = colonne;
}

int Grille::ligneCourante() const
{
    return ligne_;
}
int Grille::colonneCourante() const
{
    return colonne_;
}

void Grille::setCouleurCourante(const QColor &couleur)
{
    if (ligne_ >= 1 && colonne_ >= 1 && ligne_ < lignes() && colonne_ < colonnes())
        element(ligne_, colonne_, true)->setBackground(couleur);
}

void Grille::centreColonne(int colonne)
{
    if (colonne < 0 || colonne >= colonnes() || centre_[static_cast<std::size_t>(colonne)])
        return;
    centre_[static_cast<std::size_t>(colonne)] = true;
    for (int l = 0; l < lignes(); ++l)
        if (QTableWidgetItem *e = element(l, colonne, false))
            e->setTextAlignment(centre);
}

int Grille::largeurColonne(int colonne) const
{
    const int px = colonne == 0 ? table_->verticalHeader()->width() : table_->columnWidth(colonne - 1);
    return px * 15;
}

// Feuille de style : elle tient quand un thème change la palette de l'application. Au-delà des
// dernières cellules, le fond gris de la table ; les cellules ont le leur, clair, sous un texte
// sombre ; le focus se voit à un cadre.
void Grille::setPerime(bool perime, const QString &avis)
{
    const QString style =
        QStringLiteral("QTableWidget { gridline-color: %1; background-color: %2; color: %3; "
                       "border: 2px solid transparent; } QTableWidget:focus { border: 2px solid %4; }");
    const QString feuille =
        style.arg(couleurs::css(couleurs::grisbouton), couleurs::css(couleurs::grisfond),
                  couleurs::css(perime ? couleurs::grisperime : couleurs::noir), couleurs::css(couleurs::focus));
    if (feuille != table_->styleSheet()) // une feuille reposée repolit toute la table
        table_->setStyleSheet(feuille);
    table_->setToolTip(perime ? avis : QString());
}
