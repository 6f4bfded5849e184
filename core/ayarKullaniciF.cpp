#include "core/ayarKullaniciF.h"

#include "core/gridF.h"
#include "core/kullanicilar.h"
#include "core/veritabani.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTreeView>
#include <QVBoxLayout>

namespace
{
QWidget* alan(const QString& baslik, Tgrid* grid, const QList<QPushButton*>& butonlar,
              QWidget* parent)
{
    auto* w = new QWidget(parent);
    auto* l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    auto* b = new QLabel(baslik, w);
    b->setObjectName(QStringLiteral("alanBasligi"));
    l->addWidget(b);
    l->addWidget(grid, 1);
    auto* bl = new QHBoxLayout;
    for (QPushButton* p : butonlar)
        bl->addWidget(p);
    l->addLayout(bl);
    return w;
}
} // namespace

TayarKullanici::TayarKullanici(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Kullanıcı Ayarları"));
    resize(1240, 680);
    setStyleSheet(QStringLiteral(
        "QLabel#alanBasligi { font-weight: bold; font-size: 13pt; color: #223C7D; padding: 4px 0; }"
        "QLabel#ustBilgi { background: #E3F2FD; border: 1px solid #90CAF9; border-radius: 4px;"
        " padding: 10px; color: #0D3C61; }"));

    auto* ust = new QLabel(
        QStringLiteral(
            "  Bu alanda kullanıcı giriş bilgilerini ve yetkilerini tanımlayabilirsiniz. "
            "Admin kutusu işaretli ise kullanıcı tüm yetkilere sahip olur. Ek tanımlama "
            "gerekmez.."),
        this);
    ust->setObjectName(QStringLiteral("ustBilgi"));
    ust->setWordWrap(true);

    qUser = new KullaniciModeli(this);
    grdUser = new Tgrid(this);
    grdUser->setKaynak(qUser);
    grdUser->setSutunlar({
        {QStringLiteral("id"), QStringLiteral("ID"), GridBicim::Tamsayi, false, 44},
        {QStringLiteral("ad"), QStringLiteral("Ad"), GridBicim::Metin, true, 82},
        {QStringLiteral("soyad"), QStringLiteral("Soyad"), GridBicim::Metin, true, 82},
        {QStringLiteral("unvan"), QStringLiteral("Ünvan"), GridBicim::Metin, true, 82},
        {QStringLiteral("user"), QStringLiteral("Kul. Adı"), GridBicim::Metin, true, 82},
        {QStringLiteral("pass"), QStringLiteral("Şifre"), GridBicim::Metin, true, 64},
        {QStringLiteral("admin"), QStringLiteral("Admin"), GridBicim::Onay, true, 68},
        {QStringLiteral("sonLogin"), QStringLiteral("Son Giriş"), GridBicim::TarihSaat},
    });
    grdUser->gorunum()->setSortingEnabled(false);

    qYetki = new QSqlQueryModel(this);
    qYetki->setQuery(QStringLiteral("select * from yetkiler"), myConn());
    grdYetki = new Tgrid(this);
    grdYetki->setKaynak(qYetki);
    grdYetki->setSutunlar(
        {{QStringLiteral("GRUP"), QStringLiteral("Grup"), GridBicim::Metin, false, 100},
         {QStringLiteral("YETKIADI"), QStringLiteral("Yetki"), GridBicim::Metin}});

    qUserYetki = new QSqlQueryModel(this);
    grdUserYetki = new Tgrid(this);
    grdUserYetki->setKaynak(qUserYetki);
    grdUserYetki->setSutunlar({{QStringLiteral("Yetki_adi"), QStringLiteral("Yetki Adı")}});
    grdUserYetki->gorunum()->setSortingEnabled(false);
    grdUserYetki->setBosMetin(QStringLiteral("Bu kullanıcıya yetki verilmemiş"));

    btnEkle = new QPushButton(QStringLiteral("Ekle"), this);
    btnSil = new QPushButton(QStringLiteral("Sil"), this);
    btnYetkiEkle = new QPushButton(QStringLiteral("Ekle >"), this);
    btnTumunuCikart = new QPushButton(QStringLiteral("<<< Tümünü Çıkart"), this);
    btnCikart = new QPushButton(QStringLiteral("< Çıkart"), this);
    btnKapat = new QPushButton(QStringLiteral("Kapat"), this);
    for (QPushButton* b : {btnEkle, btnSil, btnYetkiEkle, btnTumunuCikart, btnCikart, btnKapat}) {
        b->setAutoDefault(false);
        b->setMinimumHeight(46);
    }

    auto* orta = new QHBoxLayout;
    orta->addWidget(alan(QStringLiteral("Kullanıcılar"), grdUser, {btnEkle, btnSil}, this), 8);
    orta->addWidget(alan(QStringLiteral("Yetkiler"), grdYetki, {btnYetkiEkle}, this), 3);
    orta->addWidget(alan(QStringLiteral("Kullanıcının Sahip Olduğu Yetkiler"), grdUserYetki,
                         {btnTumunuCikart, btnCikart}, this),
                    3);
    auto* alt = new QHBoxLayout;
    alt->addStretch();
    btnKapat->setMinimumWidth(160);
    alt->addWidget(btnKapat);

    auto* l = new QVBoxLayout(this);
    l->addWidget(ust);
    l->addLayout(orta, 1);
    l->addLayout(alt);

    connect(btnEkle, &QPushButton::clicked, this, &TayarKullanici::btnEkleClick);
    connect(btnSil, &QPushButton::clicked, this, &TayarKullanici::btnSilClick);
    connect(btnYetkiEkle, &QPushButton::clicked, this, &TayarKullanici::btnYetkiEkleClick);
    connect(btnCikart, &QPushButton::clicked, this, &TayarKullanici::btnCikartClick);
    connect(btnTumunuCikart, &QPushButton::clicked, this, &TayarKullanici::btnTumunuCikartClick);
    connect(btnKapat, &QPushButton::clicked, this, &TayarKullanici::btnKapatClick);
    connect(grdYetki, &Tgrid::satirCiftTiklandi, this, &TayarKullanici::btnYetkiEkleClick);
    connect(grdUserYetki, &Tgrid::satirCiftTiklandi, this, &TayarKullanici::btnCikartClick);
    connect(grdUser, &Tgrid::aktifSatirDegisti, this, [this] { kullaniciYetkileriniYenile(); });
    connect(qUser, &QAbstractItemModel::modelReset, this, [this] { kullaniciYetkileriniYenile(); });

    if (qUser->rowCount() > 0)
        grdUser->setAktifSatir(0);
    if (qYetki->rowCount() > 0)
        grdYetki->setAktifSatir(0);
    kullaniciYetkileriniYenile();
}

int TayarKullanici::seciliKullanici() const
{
    const QVariant id = grdUser->aktifDeger(QStringLiteral("id"));
    return id.isNull() ? 0 : id.toInt();
}

void TayarKullanici::kullaniciYetkileriniYenile()
{
    // The grants shown are those of the selected user: the detail of the user list.
    QSqlQuery q(myConn());
    q.prepare(QStringLiteral("select *,\n(select yetkiadi from yetkiler where id= "
                             "useryetki.yetkiid) as Yetki_adi\n from useryetki where userid= "
                             ":userid"));
    q.bindValue(QStringLiteral(":userid"), seciliKullanici());
    q.exec();
    qUserYetki->setQuery(std::move(q));
}

void TayarKullanici::btnEkleClick()
{
    if (!qUser->kaydet())
        return;
    const int satir = qUser->rowCount();
    qUser->insertRow(satir);
    grdUser->setAktifSatir(grdUser->model()->mapFromSource(qUser->index(satir, 0)).row());
}

void TayarKullanici::btnSilClick()
{
    const int satir =
        grdUser->model()->mapToSource(grdUser->model()->index(grdUser->aktifSatir(), 0)).row();
    if (satir < 0)
        return;
    kullaniciSil(*qUser, satir);
}

void TayarKullanici::btnYetkiEkleClick()
{
    const QVariant yetki = grdYetki->aktifDeger(QStringLiteral("id"));
    const int kullanici = seciliKullanici();
    if (yetki.isNull() || kullanici <= 0)
        return;
    if (yetkiVer(kullanici, yetki.toInt()))
        kullaniciYetkileriniYenile();
}

void TayarKullanici::btnCikartClick()
{
    const QVariant id = grdUserYetki->aktifDeger(QStringLiteral("id"));
    if (id.isNull())
        return;
    yetkiCikart(id.toInt());
    kullaniciYetkileriniYenile();
}

void TayarKullanici::btnTumunuCikartClick()
{
    const int kullanici = seciliKullanici();
    if (kullanici > 0 && tumYetkileriCikart(kullanici))
        kullaniciYetkileriniYenile();
}

void TayarKullanici::btnKapatClick()
{
    qUser->kaydet();
    accept();
}

void TayarKullanici::reject()
{
    btnKapatClick();
}
