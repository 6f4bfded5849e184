#include "stock/stokTanimFormF.h"

#include "core/gridF.h"
#include "stock/stokTanim.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>

TstokTanimForm::TstokTanimForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TstokTanimForm"));
    setWindowTitle(QStringLiteral("Stok Tanımları"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    resize(820, 620);

    pcTanim = new QTabWidget(this);
    auto sekme = [this](const QString& tablo, const QString& baslik, const QString& adBasligi,
                        TanimListesi** liste) {
        *liste = new TanimListesi(tablo, this);
        auto* g = new Tgrid(this);
        g->setKaynak(*liste);
        g->setSutunlar(
            {{QStringLiteral("adi"), adBasligi, GridBicim::Metin, true, 300},
             {QStringLiteral("aciklama"), QStringLiteral("Açıklama"), GridBicim::Metin, true}});
        g->setSatirYuksekligi(44);
        g->gorunum()->setSortingEnabled(false);
        g->setBosMetin(QStringLiteral("Yeni kayıt için \"Ekle\" düğmesine dokunun"));
        pcTanim->addTab(g, baslik);
        return g;
    };
    grdBirim = sekme(QStringLiteral("birim"), QStringLiteral("Birimler"),
                     QStringLiteral("Birim Adı"), &qBirim);
    grdGrup = sekme(QStringLiteral("grup"), QStringLiteral("Gruplar"), QStringLiteral("Grup Adı"),
                    &qGrup);
    grdMarka = sekme(QStringLiteral("marka"), QStringLiteral("Markalar"),
                     QStringLiteral("Marka Adı"), &qMarka);

    auto dugme = [this](const QString& baslik) {
        auto* b = new QPushButton(baslik, this);
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
        b->setMinimumHeight(52);
        b->setMinimumWidth(110);
        return b;
    };
    btnEkle = dugme(QStringLiteral("Ekle"));
    btnSil = dugme(QStringLiteral("Sil"));
    btnDuzenle = dugme(QStringLiteral("Düzenle"));
    btnKaydet = dugme(QStringLiteral("Kaydet"));
    btnVazgec = dugme(QStringLiteral("Vazgeç"));
    btnKapat = dugme(QStringLiteral("Kapat / İptal"));
    btnKapat->setObjectName(QStringLiteral("btnKapat"));
    btnKapat->setMinimumWidth(170);
    setStyleSheet(QStringLiteral(
        "QPushButton#btnKapat { background: #D32F2F; color: white; font-weight: bold;"
        " border: none; }"));

    auto* gezgin = new QHBoxLayout;
    for (QPushButton* b : {btnEkle, btnSil, btnDuzenle, btnKaydet, btnVazgec})
        gezgin->addWidget(b);
    gezgin->addStretch();
    gezgin->addWidget(btnKapat);
    auto* l = new QVBoxLayout(this);
    l->addWidget(pcTanim, 1);
    l->addLayout(gezgin);

    connect(btnEkle, &QPushButton::clicked, this, &TstokTanimForm::btnEkleClick);
    connect(btnSil, &QPushButton::clicked, this, &TstokTanimForm::btnSilClick);
    connect(btnDuzenle, &QPushButton::clicked, this, &TstokTanimForm::btnDuzenleClick);
    connect(btnKaydet, &QPushButton::clicked, this, &TstokTanimForm::btnKaydetClick);
    connect(btnVazgec, &QPushButton::clicked, this, &TstokTanimForm::btnVazgecClick);
    connect(btnKapat, &QPushButton::clicked, this, &TstokTanimForm::reject);
    // Changing the tab posts what was typed on the one left.
    connect(pcTanim, &QTabWidget::currentChanged, this, [this] {
        for (TanimListesi* t : {qBirim, qGrup, qMarka})
            if (t != aktifListe())
                t->kaydet();
    });
    pcTanim->setCurrentIndex(0);
}

TanimListesi* TstokTanimForm::aktifListe() const
{
    const QList<TanimListesi*> l = {qBirim, qGrup, qMarka};
    return l.value(pcTanim->currentIndex());
}

Tgrid* TstokTanimForm::aktifGrid() const
{
    return qobject_cast<Tgrid*>(pcTanim->currentWidget());
}

void TstokTanimForm::btnEkleClick()
{
    const int r = aktifListe()->yeniSatir();
    if (r < 0)
        return;
    Tgrid* g = aktifGrid();
    const QModelIndex i = g->model()->mapFromSource(
        aktifListe()->index(r, aktifListe()->fieldIndex(QStringLiteral("adi"))));
    g->gorunum()->setCurrentIndex(i);
    g->gorunum()->setFocus();
    g->gorunum()->edit(i);
}

void TstokTanimForm::btnSilClick()
{
    Tgrid* g = aktifGrid();
    const int r = g->aktifSatir();
    if (r < 0)
        return;
    aktifListe()->sil(g->model()->mapToSource(g->model()->index(r, 0)).row());
}

void TstokTanimForm::btnDuzenleClick()
{
    Tgrid* g = aktifGrid();
    QModelIndex i = g->gorunum()->currentIndex();
    if (!i.isValid())
        return;
    g->gorunum()->setFocus();
    g->gorunum()->edit(i);
}

void TstokTanimForm::btnKaydetClick()
{
    // An open editor hands its text over first.
    aktifGrid()->gorunum()->setFocus();
    aktifListe()->kaydet();
}

void TstokTanimForm::btnVazgecClick()
{
    aktifListe()->vazgec();
}

void TstokTanimForm::reject()
{
    setFocus();
    for (TanimListesi* t : {qBirim, qGrup, qMarka})
        if (!t->kaydet())
            return;
    QDialog::reject();
}

void stokTanimlariAc(QWidget* parent)
{
    TstokTanimForm f(parent);
    f.exec();
}
