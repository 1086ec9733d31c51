#pragma once
// Fenêtre « à propos » : logo et texte du réalisateur, rechargés à chaque ouverture.

#include <QDialog>

class QLabel;

class FrmTALVEN : public QDialog
{
    Q_OBJECT
public:
    explicit FrmTALVEN(QWidget *parent = nullptr);

    static QString texte(); // six lignes séparées par des fins de ligne

private:
    QLabel *LabelTalven;
};
