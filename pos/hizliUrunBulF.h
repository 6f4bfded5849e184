#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QSqlQueryModel;
class Tgrid;

// The product picker of the invoice screen: find a product by any of its texts and take it.
// The chosen id is left in secilenUrunId().
class ThizliUrunBulForm : public QDialog
{
    Q_OBJECT
public:
    explicit ThizliUrunBulForm(QWidget* parent = nullptr);

    QLineEdit* edtAra = nullptr; // the find panel
    QSqlQueryModel* qUrunler = nullptr;
    Tgrid* grdUrunler = nullptr;
    QPushButton* btnEkle = nullptr;
    QPushButton* btnKapat = nullptr;

    void ara(const QString& metin);
    void btnEkleClick();
};

// The product picked last in the picker (empty when none); the caller empties it first.
QString& secilenUrunId();
