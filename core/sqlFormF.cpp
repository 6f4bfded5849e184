#include "core/sqlFormF.h"

#include "core/etkilesim.h"
#include "core/gridF.h"
#include "core/sqlKonsol.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQueryModel>
#include <QVBoxLayout>

TsqlForm::TsqlForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("SQL Komut"));
    resize(1000, 700);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setPlaceholderText(QStringLiteral("SQL komutunu yazınız..."));
    QFont f(QStringLiteral("DejaVu Sans Mono"));
    f.setPointSize(12);
    Memo1->setFont(f);
    Memo1->setMaximumHeight(180);
    cxButton1 = new QPushButton(QStringLiteral("Çalıştır"), this);
    cxButton1->setMinimumHeight(48);
    cxButton1->setAutoDefault(false);
    cxButton1->setShortcut(QKeySequence(Qt::Key_F5));
    qGrd = new QSqlQueryModel(this);
    cxGrid1 = new Tgrid(this);
    cxGrid1->setKaynak(qGrd);
    cxGrid1->setSatirYuksekligi(32);
    cxGrid1->setBosMetin(QStringLiteral("Sonuç yok"));
    lblNot = new QLabel(this);
    btn = new QPushButton(QStringLiteral("KAPAT"), this);
    btn->setMinimumSize(160, 48);
    btn->setAutoDefault(false);

    auto* alt = new QHBoxLayout;
    alt->addWidget(lblNot, 1);
    alt->addWidget(btn);
    auto* l = new QVBoxLayout(this);
    l->addWidget(Memo1);
    l->addWidget(cxButton1);
    l->addWidget(cxGrid1, 1);
    l->addLayout(alt);

    connect(cxButton1, &QPushButton::clicked, this, &TsqlForm::cxButton1Click);
    connect(btn, &QPushButton::clicked, this, &QDialog::accept);
}

void TsqlForm::cxButton1Click()
{
    const SqlSonucu s = sqlCalistir(*qGrd, Memo1->toPlainText());
    if (!s.hata.isEmpty()) {
        lblNot->clear();
        duzMesaj(s.hata);
        return;
    }
    // A new result brings its own columns; the grid shows every one in result order.
    cxGrid1->setSutunlar({});
    lblNot->setText(s.sonucKumesi
                        ? QStringLiteral("Satır sayısı: ") + QString::number(qGrd->rowCount())
                        : s.not_);
}

namespace
{
std::optional<QPair<QString, QString>> yoneticiKimligiSor(QWidget* parent)
{
    QDialog d(parent);
    d.setWindowTitle(QStringLiteral("Yönetici Girişi"));
    auto* ad = new QLineEdit(&d);
    auto* sifre = new QLineEdit(&d);
    sifre->setEchoMode(QLineEdit::Password);
    auto* aciklama =
        new QLabel(QStringLiteral("SQL komut ekranı yalnızca yönetici girişiyle açılır."), &d);
    auto* f = new QFormLayout;
    f->addRow(QStringLiteral("Yönetici Adı"), ad);
    f->addRow(QStringLiteral("Şifre"), sifre);
    auto* b = new QDialogButtonBox(&d);
    b->addButton(QStringLiteral("Giriş"), QDialogButtonBox::AcceptRole);
    b->addButton(QStringLiteral("Vazgeç"), QDialogButtonBox::RejectRole);
    QObject::connect(b, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    QObject::connect(b, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    auto* l = new QVBoxLayout(&d);
    l->addWidget(aciklama);
    l->addLayout(f);
    l->addWidget(b);
    d.resize(420, d.sizeHint().height());
    if (d.exec() != QDialog::Accepted)
        return std::nullopt;
    return qMakePair(ad->text(), sifre->text());
}
} // namespace

void sqlKonsolunuAc(QWidget* parent)
{
    if (!sqlKonsolIzni([parent] { return yoneticiKimligiSor(parent); }))
        return;
    TsqlForm f(parent);
    f.exec();
}
