#include "stock/stokislemFormF.h"

#include "core/bicim.h"
#include "core/etkilesim.h"
#include "stock/stokBicim.h"

#include <QDateTimeEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace
{
QLabel* etiket(const QString& metin, QWidget* parent)
{
    auto* l = new QLabel(metin, parent);
    l->setObjectName(QStringLiteral("alanEtiketi"));
    return l;
}
} // namespace

TstokislemForm::TstokislemForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TstokislemForm"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    resize(860, 680);
    setStyleSheet(QStringLiteral(
        "QLabel#alanEtiketi { font-weight: bold; color: #1C2E45; }"
        "QGroupBox { font-weight: bold; font-size: 12pt; border: 1px solid #A3B9D6;"
        " border-radius: 6px; margin-top: 18px; padding-top: 8px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 12px; padding: 0 6px;"
        " color: #1E4E8C; }"
        "QLineEdit#edtStokAdi { font-size: 14pt; font-weight: bold; }"
        "QLabel#lblBaslik { font-size: 18pt; font-weight: bold; color: white; padding: 8px 14px;"
        " border-radius: 6px; background: #2E7D32; }"
        "QLabel#lblBaslik[cikis=\"true\"] { background: #C62828; }"
        "QLineEdit#edtMiktar { font-size: 20pt; font-weight: bold; color: #0D3C61; }"
        "QLineEdit[fiyat=\"true\"] { font-size: 13pt; font-weight: bold; }"
        "QPushButton#btnKaydet { background: #2E7D32; color: white; font-weight: bold;"
        " border: none; }"
        "QPushButton#btnKapat { background: #D32F2F; color: white; font-weight: bold;"
        " border: none; }"));

    auto kutu = [this](const QString& ad, bool salt) {
        auto* e = new QLineEdit(this);
        e->setObjectName(ad);
        e->setReadOnly(salt);
        if (salt)
            e->setFocusPolicy(Qt::NoFocus);
        return e;
    };
    lblBaslik = new QLabel(this);
    lblBaslik->setObjectName(QStringLiteral("lblBaslik"));
    edtBarkod = kutu(QStringLiteral("edtBarkod"), true);
    edtBarkod->setMinimumWidth(240);
    edtStokKodu = kutu(QStringLiteral("edtStokKodu"), true);
    edtStokAdi = kutu(QStringLiteral("edtStokAdi"), false);
    edtAlisFiyat = kutu(QStringLiteral("edtAlisFiyat"), false);
    edtSatisFiyat1 = kutu(QStringLiteral("edtSatisFiyat1"), true);
    edtSatisFiyat2 = kutu(QStringLiteral("edtSatisFiyat2"), true);
    for (QLineEdit* e : {edtAlisFiyat, edtSatisFiyat1, edtSatisFiyat2}) {
        e->setProperty("fiyat", true);
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    edtAlisFiyat->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]*,?[0-9]*")), edtAlisFiyat));

    auto* urun = new QGroupBox(QStringLiteral("Ürün"), this);
    auto* ug = new QGridLayout(urun);
    ug->setVerticalSpacing(10);
    ug->addWidget(etiket(QStringLiteral("Barkod"), this), 0, 0);
    ug->addWidget(edtBarkod, 0, 1);
    ug->addWidget(etiket(QStringLiteral("StokKodu"), this), 0, 2);
    ug->addWidget(edtStokKodu, 0, 3);
    ug->addWidget(etiket(QStringLiteral("Stok Adı"), this), 1, 0);
    ug->addWidget(edtStokAdi, 1, 1, 1, 3);
    ug->addWidget(etiket(QStringLiteral("Alış Fiyatı KDV DAHİL"), this), 2, 0);
    ug->addWidget(edtAlisFiyat, 2, 1);
    ug->addWidget(etiket(QStringLiteral("Satış Fiyatı 1 KDV DAHİL"), this), 3, 0);
    ug->addWidget(edtSatisFiyat1, 3, 1);
    ug->addWidget(etiket(QStringLiteral("Satış Fiyatı 2 KDV DAHİL"), this), 3, 2);
    ug->addWidget(edtSatisFiyat2, 3, 3);
    ug->setColumnStretch(1, 1);
    ug->setColumnStretch(3, 1);

    dtTarih = new QDateTimeEdit(QDateTime::currentDateTime(), this);
    dtTarih->setDisplayFormat(QStringLiteral("dd.MM.yyyy HH:mm"));
    dtTarih->setCalendarPopup(true);
    edtMiktar = new QLineEdit(this);
    edtMiktar->setObjectName(QStringLiteral("edtMiktar"));
    edtMiktar->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Digits and the decimal comma: a point is never a decimal separator here.
    edtMiktar->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9,]*")), edtMiktar));
    edtMiktar->installEventFilter(this);
    memAciklama = new QPlainTextEdit(this);
    memAciklama->setTabChangesFocus(true);
    auto* ekle = new QGroupBox(QStringLiteral("Stok Ekle"), this);
    auto* eg = new QGridLayout(ekle);
    eg->setVerticalSpacing(10);
    eg->addWidget(etiket(QStringLiteral("Tarih"), this), 0, 0);
    eg->addWidget(dtTarih, 0, 1);
    eg->addWidget(etiket(QStringLiteral("Miktar"), this), 1, 0);
    eg->addWidget(edtMiktar, 1, 1);
    eg->addWidget(etiket(QStringLiteral("Açıklama"), this), 2, 0, Qt::AlignTop);
    eg->addWidget(memAciklama, 2, 1);
    eg->setColumnStretch(1, 1);
    eg->setRowStretch(2, 1);

    btnKaydet = new QPushButton(QStringLiteral("Kaydet"), this);
    btnKaydet->setObjectName(QStringLiteral("btnKaydet"));
    btnKapat = new QPushButton(QStringLiteral("Kapat / İptal"), this);
    btnKapat->setObjectName(QStringLiteral("btnKapat"));
    for (QPushButton* b : {btnKaydet, btnKapat}) {
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
        b->setMinimumSize(170, 56);
    }
    auto* alt = new QHBoxLayout;
    alt->addStretch();
    alt->addWidget(btnKaydet);
    alt->addWidget(btnKapat);

    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(12, 8, 12, 12);
    l->addWidget(lblBaslik);
    l->addWidget(urun);
    l->addWidget(ekle, 1);
    l->addLayout(alt);

    connect(btnKaydet, &QPushButton::clicked, this, &TstokislemForm::btnKaydetClick);
    connect(btnKapat, &QPushButton::clicked, this, &TstokislemForm::reject);
    connect(edtMiktar, &QLineEdit::returnPressed, this, &TstokislemForm::btnKaydetClick);
}

bool TstokislemForm::urunAc(qint64 id)
{
    const bool var = islem.urunAc(id);
    const QSqlRecord& u = islem.urun();
    auto sayi = [&](const char* alan) {
        const QVariant v = u.value(QString::fromLatin1(alan));
        return v.isNull() ? QString() : genelSayi(v.toDouble());
    };
    edtBarkod->setText(u.value(QStringLiteral("barkod")).toString());
    edtStokKodu->setText(u.value(QStringLiteral("stokkodu")).toString());
    edtStokAdi->setText(u.value(QStringLiteral("stokadi")).toString());
    edtAlisFiyat->setText(sayi("alisfiyat"));
    edtSatisFiyat1->setText(sayi("satisfiyat1"));
    edtSatisFiyat2->setText(sayi("satisfiyat2"));
    return var;
}

void TstokislemForm::btnKaydetClick()
{
    QString alis = edtAlisFiyat->text();
    const bool kaydedildi = islem.kaydet(windowTitle(), dtTarih->dateTime(), edtMiktar->text(),
                                         alis, memAciklama->toPlainText());
    if (edtAlisFiyat->text() != alis)
        edtAlisFiyat->setText(alis);
    if (kaydedildi)
        accept();
}

void TstokislemForm::showEvent(QShowEvent* e)
{
    // The caption says entry or exit; on a touch screen it is said large on the screen too.
    lblBaslik->setText(trBuyukHarf(windowTitle()));
    lblBaslik->setProperty("cikis", windowTitle() != StokIslem::girisBasligi);
    lblBaslik->style()->unpolish(lblBaslik);
    lblBaslik->style()->polish(lblBaslik);
    QDialog::showEvent(e);
    edtMiktar->setFocus();
}

bool TstokislemForm::eventFilter(QObject* nesne, QEvent* olay)
{
    // A touch on the quantity opens the numeric dialog; the keys keep working as well.
    if (nesne == edtMiktar && olay->type() == QEvent::MouseButtonPress) {
        QTimer::singleShot(0, this, [this] {
            const double d = sayiGir(QStringLiteral("Miktar Giriniz"), edtMiktar->text());
            if (d > 0)
                edtMiktar->setText(genelSayi(d));
        });
    }
    return QDialog::eventFilter(nesne, olay);
}

bool stokIslemiAc(qint64 stokId, const QString& baslik, QWidget* parent)
{
    TstokislemForm f(parent);
    f.setWindowTitle(baslik);
    f.urunAc(stokId);
    return f.exec() == QDialog::Accepted;
}
