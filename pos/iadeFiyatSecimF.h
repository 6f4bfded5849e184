#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

// The return-price choice: typed by hand, or picked from the product's past sale prices.
class TiadeFiyatSecim : public QDialog
{
    Q_OBJECT
public:
    TiadeFiyatSecim(int stokId, const QString& stokAdi, QWidget* parent = nullptr);

    double FIadeSecilenFiyat = 0.0;
    int FIadeStokID = 0;
    QString FIadeStokAdi;
    QPushButton* btnManuel = nullptr;
    QPushButton* btnGecmis = nullptr;
    QListWidget* lstFiyatlar = nullptr;

    void iadeFiyatManuelGir();
    void iadeGecmisFiyatlariListele();
    void iadeFiyatListesiCiftTik();
};
