#pragma once

#include "stock/stokIslem.h"

#include <QDialog>

class QDateTimeEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// A stock entry or exit of one product. The caption is the mode: "Stok Giriş" is an entry,
// anything else an exit; the caller sets it and the product before showing the screen.
class TstokislemForm : public QDialog
{
    Q_OBJECT
public:
    explicit TstokislemForm(QWidget* parent = nullptr);

    // Reopens the product query with this id and shows the product.
    bool urunAc(qint64 id);

    StokIslem islem;

    QLabel* lblBaslik = nullptr;
    QLineEdit* edtBarkod = nullptr;
    QLineEdit* edtStokKodu = nullptr;
    QLineEdit* edtStokAdi = nullptr;
    QLineEdit* edtAlisFiyat = nullptr;
    QLineEdit* edtSatisFiyat1 = nullptr;
    QLineEdit* edtSatisFiyat2 = nullptr;
    QDateTimeEdit* dtTarih = nullptr;
    QLineEdit* edtMiktar = nullptr;
    QPlainTextEdit* memAciklama = nullptr;
    QPushButton* btnKaydet = nullptr;
    QPushButton* btnKapat = nullptr;

public slots:
    void btnKaydetClick();

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;
    void showEvent(QShowEvent* e) override;
};

// For the callers: the screen for a product with the caption "Stok Giriş" or "Stok Çıkış",
// shown modally; true when a movement was saved.
bool stokIslemiAc(qint64 stokId, const QString& baslik, QWidget* parent = nullptr);
