#pragma once

#include <QDialog>

class QSqlQueryModel;
class QPushButton;
class Tgrid;
class KullaniciModeli;

// Users, their login data and their permissions. Only administrators open it.
class TayarKullanici : public QDialog
{
    Q_OBJECT
public:
    explicit TayarKullanici(QWidget* parent = nullptr);

    KullaniciModeli* qUser = nullptr;
    QSqlQueryModel* qYetki = nullptr;
    QSqlQueryModel* qUserYetki = nullptr;
    Tgrid* grdUser = nullptr;
    Tgrid* grdYetki = nullptr;
    Tgrid* grdUserYetki = nullptr;
    QPushButton* btnEkle = nullptr;
    QPushButton* btnSil = nullptr;
    QPushButton* btnYetkiEkle = nullptr;
    QPushButton* btnTumunuCikart = nullptr;
    QPushButton* btnCikart = nullptr;
    QPushButton* btnKapat = nullptr;

    void btnEkleClick();
    void btnSilClick();
    void btnYetkiEkleClick();
    void btnCikartClick();
    void btnTumunuCikartClick();
    void btnKapatClick();

    // Esc is "Kapat": a pending edit is posted first.
    void reject() override;

private:
    int seciliKullanici() const;
    void kullaniciYetkileriniYenile();
};
