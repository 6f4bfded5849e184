#include "pos/hizliUrunBulF.h"

#include "core/gridF.h"
#include "core/veritabani.h"
#include "pos/hizliSatis.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQueryModel>
#include <QVBoxLayout>

QString& secilenUrunId()
{
    static QString id;
    return id;
}

ThizliUrunBulForm::ThizliUrunBulForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Hızlı Ürün Arama"));
    resize(1100, 680);
    edtAra = new QLineEdit(this);
    edtAra->setPlaceholderText(QStringLiteral("Aramak için yazınız (ad, kod, barkod)..."));
    edtAra->setClearButtonEnabled(true);
    edtAra->setMinimumHeight(44);
    qUrunler = new QSqlQueryModel(this);
    grdUrunler = new Tgrid(this);
    grdUrunler->setKaynak(qUrunler);
    grdUrunler->setSutunlar({
        {QStringLiteral("stokadi"), QStringLiteral("Stok Adı"), GridBicim::Metin, false, 300},
        {QStringLiteral("stokkodu"), QStringLiteral("Stokkodu"), GridBicim::Metin, false, 130},
        {QStringLiteral("barkod"), QStringLiteral("Barkod"), GridBicim::Metin, false, 140},
        {QStringLiteral("satisfiyat1"), QStringLiteral("Satış Fiyat 1"), GridBicim::ParaTL, false,
         120},
        {QStringLiteral("alisfiyat"), QStringLiteral("Alış Fiyatı"), GridBicim::ParaTL, false, 120},
        {QStringLiteral("grupadi"), QStringLiteral("Grup"), GridBicim::Metin, false, 120},
        {QStringLiteral("markaadi"), QStringLiteral("Marka")},
    });
    grdUrunler->setFiltreSatiri(true);
    grdUrunler->setBosMetin(QStringLiteral("Ürün bulunamadı"));
    btnEkle = new QPushButton(QStringLiteral("Ekle"), this);
    btnKapat = new QPushButton(QStringLiteral("Kapat / İptal"), this);
    for (QPushButton* b : {btnEkle, btnKapat}) {
        b->setMinimumSize(160, 50);
        b->setAutoDefault(false);
    }
    btnEkle->setStyleSheet(QStringLiteral(
        "QPushButton { background: #2E7D32; color: white; font-weight: bold; border: none;"
        " border-radius: 4px; } QPushButton:hover { background: #469D4A; }"));
    auto* alt = new QHBoxLayout;
    alt->addStretch();
    alt->addWidget(btnEkle);
    alt->addWidget(btnKapat);
    auto* l = new QVBoxLayout(this);
    l->addWidget(edtAra);
    l->addWidget(grdUrunler, 1);
    l->addLayout(alt);

    connect(edtAra, &QLineEdit::textChanged, this, &ThizliUrunBulForm::ara);
    connect(btnEkle, &QPushButton::clicked, this, &ThizliUrunBulForm::btnEkleClick);
    connect(btnKapat, &QPushButton::clicked, this, &QDialog::reject);
    connect(grdUrunler, &Tgrid::satirCiftTiklandi, this, &ThizliUrunBulForm::btnEkleClick);
    ara(QString());
}

void ThizliUrunBulForm::ara(const QString& metin)
{
    HizliSatis::urunSeciciAra(*qUrunler, metin);
    if (qUrunler->rowCount() > 0)
        grdUrunler->setAktifSatir(0);
}

void ThizliUrunBulForm::btnEkleClick()
{
    const QVariant id = grdUrunler->aktifDeger(QStringLiteral("id"));
    if (id.isNull())
        return;
    secilenUrunId() = id.toString();
    accept();
}
