#pragma once

#include <QDialog>

class QPushButton;
class QTabWidget;
class TanimListesi;
class Tgrid;

// "Stok Tanımları": units, groups and brands, each edited in place in its own tab, with one
// navigator that works on the tab shown.
class TstokTanimForm : public QDialog
{
    Q_OBJECT
public:
    explicit TstokTanimForm(QWidget* parent = nullptr);

    QTabWidget* pcTanim = nullptr;
    TanimListesi* qBirim = nullptr;
    TanimListesi* qGrup = nullptr;
    TanimListesi* qMarka = nullptr;
    Tgrid* grdBirim = nullptr;
    Tgrid* grdGrup = nullptr;
    Tgrid* grdMarka = nullptr;
    QPushButton* btnEkle = nullptr;
    QPushButton* btnSil = nullptr;
    QPushButton* btnDuzenle = nullptr;
    QPushButton* btnKaydet = nullptr;
    QPushButton* btnVazgec = nullptr;
    QPushButton* btnKapat = nullptr;

    // The list and grid of the tab shown.
    TanimListesi* aktifListe() const;
    Tgrid* aktifGrid() const;

public slots:
    void btnEkleClick();
    void btnSilClick();
    void btnDuzenleClick();
    void btnKaydetClick();
    void btnVazgecClick();
    // Closing keeps what was typed: pending rows are posted first.
    void reject() override;
};

// Opens the definitions modally (main window "Tanımlar", the stock card's buttons).
void stokTanimlariAc(QWidget* parent = nullptr);
