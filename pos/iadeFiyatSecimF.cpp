#include "pos/iadeFiyatSecimF.h"

#include "core/etkilesim.h"
#include "pos/hizliSatis.h"

#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TiadeFiyatSecim::TiadeFiyatSecim(int stokId, const QString& stokAdi, QWidget* parent)
    : QDialog(parent), FIadeStokID(stokId), FIadeStokAdi(stokAdi)
{
    setWindowTitle(QStringLiteral("İade Fiyatı Seçimi: ") + stokAdi);
    setFixedSize(500, 450);
    auto* baslik =
        new QLabel(QStringLiteral("Lütfen iade alınacak fiyat için bir yöntem seçin:"), this);
    QFont bf = baslik->font();
    bf.setBold(true);
    bf.setPointSize(12);
    baslik->setFont(bf);
    baslik->setStyleSheet(QStringLiteral("color: navy;"));
    btnManuel = new QPushButton(QStringLiteral("1. İade Fiyatını Manuel Gir"), this);
    btnGecmis = new QPushButton(QStringLiteral("2. Geçmiş Satış Fiyatlarından Seç"), this);
    QFont f = btnManuel->font();
    f.setBold(true);
    f.setPointSize(11);
    for (QPushButton* b : {btnManuel, btnGecmis}) {
        b->setFont(f);
        b->setFixedSize(445, 50);
        b->setAutoDefault(false);
    }
    lstFiyatlar = new QListWidget(this);
    lstFiyatlar->setFont(f);
    lstFiyatlar->setFixedSize(445, 220);
    lstFiyatlar->hide();

    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(27, 20, 27, 20);
    l->addWidget(baslik);
    l->addWidget(btnManuel);
    l->addWidget(btnGecmis);
    l->addWidget(lstFiyatlar);
    l->addStretch();

    connect(btnManuel, &QPushButton::clicked, this, &TiadeFiyatSecim::iadeFiyatManuelGir);
    connect(btnGecmis, &QPushButton::clicked, this, &TiadeFiyatSecim::iadeGecmisFiyatlariListele);
    connect(lstFiyatlar, &QListWidget::itemDoubleClicked, this,
            &TiadeFiyatSecim::iadeFiyatListesiCiftTik);
    if (QScreen* e = QGuiApplication::primaryScreen())
        move(e->geometry().center() - rect().center());
}

void TiadeFiyatSecim::iadeFiyatManuelGir()
{
    const double v = sayiGir(QStringLiteral("İade Fiyatını Giriniz"));
    if (v > 0) {
        FIadeSecilenFiyat = v;
        accept();
    }
}

void TiadeFiyatSecim::iadeGecmisFiyatlariListele()
{
    lstFiyatlar->show();
    lstFiyatlar->clear();
    lstFiyatlar->addItems(HizliSatis::iadeGecmisFiyatlari(FIadeStokID, FIadeStokAdi));
}

void TiadeFiyatSecim::iadeFiyatListesiCiftTik()
{
    QListWidgetItem* i = lstFiyatlar->currentItem();
    if (!i)
        return;
    const std::optional<double> fiyat = HizliSatis::iadeFiyatiSatirdan(i->text());
    if (!fiyat)
        return;
    FIadeSecilenFiyat = *fiyat;
    accept();
}
