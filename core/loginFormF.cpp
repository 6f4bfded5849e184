#include "core/loginFormF.h"

#include "core/dokunmatikKlavye.h"
#include "core/etkilesim.h"
#include "core/oturum.h"
#include "core/veritabani.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TloginForm::TloginForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Torvel Giriş Ekranı"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setObjectName(QStringLiteral("TloginForm"));

    auto* cerceve = new QFrame(this);
    cerceve->setObjectName(QStringLiteral("loginCerceve"));
    cerceve->setStyleSheet(
        QStringLiteral("#loginCerceve { background: #FFFFFF; border: 1px solid #0080C0; }"
                       "QLabel#baslikEtiketi { color: #223C7D; font-weight: bold; }"
                       "QLabel#surum { color: #7A869A; }"
                       "#altCubuk { background: #F0F0F0; border-top: 1px solid #D6DCE5; }"));
    auto* dis = new QVBoxLayout(this);
    dis->setContentsMargins(0, 0, 0, 0);
    dis->addWidget(cerceve);

    auto* ana = new QVBoxLayout(cerceve);
    ana->setContentsMargins(0, 0, 0, 0);
    ana->setSpacing(0);

    auto* banner = new QLabel(cerceve);
    banner->setPixmap(QIcon(QStringLiteral(":/resim/banner.svg")).pixmap(QSize(460, 110)));
    banner->setAlignment(Qt::AlignCenter);
    banner->setStyleSheet(QStringLiteral("background: #1976D2;"));
    ana->addWidget(banner);

    auto* govde = new QVBoxLayout;
    govde->setContentsMargins(24, 16, 24, 12);
    govde->setSpacing(6);
    auto* lblUser = new QLabel(QStringLiteral("Kullanıcı Adı"), cerceve);
    lblUser->setObjectName(QStringLiteral("baslikEtiketi"));
    edtUser = new QComboBox(cerceve);
    edtUser->setEditable(false);
    edtUser->setMinimumHeight(44);
    auto* lblPass = new QLabel(QStringLiteral("Şifre"), cerceve);
    lblPass->setObjectName(QStringLiteral("baslikEtiketi"));
    edtpass = new QLineEdit(cerceve);
    edtpass->setEchoMode(QLineEdit::Password);
    edtpass->setMinimumHeight(44);
    govde->addWidget(lblUser);
    govde->addWidget(edtUser);
    govde->addSpacing(4);
    govde->addWidget(lblPass);
    govde->addWidget(edtpass);
    govde->addSpacing(8);

    tKeyboard = new TdokunmatikKlavye(cerceve);
    tKeyboard->setDuzen(TdokunmatikKlavye::NumPad);
    tKeyboard->tusBasligiAyarla(Qt::Key_Backspace, QStringLiteral("Silme"));
    tKeyboard->tusBasligiAyarla(Qt::Key_Return, QStringLiteral("Giriş"));
    govde->addWidget(tKeyboard);

    auto* klavyeSecim = new QHBoxLayout;
    cxButton4 = new QPushButton(QStringLiteral("123"), cerceve);
    cxButton4->setToolTip(QStringLiteral("Sayısal klavye"));
    btn = new QPushButton(QStringLiteral("ABC"), cerceve);
    btn->setToolTip(QStringLiteral("Tam klavye"));
    cxButton1 = new QPushButton(QStringLiteral("Ayarlar"), cerceve);
    for (QPushButton* b : {cxButton4, btn, cxButton1}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setMinimumHeight(40);
        b->setAutoDefault(false);
    }
    klavyeSecim->addWidget(cxButton4);
    klavyeSecim->addWidget(btn);
    klavyeSecim->addStretch();
    klavyeSecim->addWidget(cxButton1);
    govde->addLayout(klavyeSecim);
    ana->addLayout(govde);

    auto* alt = new QFrame(cerceve);
    alt->setObjectName(QStringLiteral("altCubuk"));
    auto* altDuzen = new QHBoxLayout(alt);
    altDuzen->setContentsMargins(24, 12, 24, 12);
    altDuzen->setSpacing(12);
    auto* surum = new QLabel(QStringLiteral("Ver. 01.12.25"), alt);
    surum->setObjectName(QStringLiteral("surum"));
    btn21 = new QPushButton(QStringLiteral("Giriş"), alt);
    btn1 = new QPushButton(QStringLiteral("Kapat"), alt);
    btn21->setDefault(true);
    btn1->setAutoDefault(false);
    btn21->setStyleSheet(QStringLiteral(
        "QPushButton { background: #2E7D32; color: white; font-weight: bold; border: none;"
        " border-radius: 4px; min-width: 120px; min-height: 48px; }"
        "QPushButton:hover { background: #469D4A; } QPushButton:pressed { background: #1E5E20; }"));
    btn1->setStyleSheet(QStringLiteral(
        "QPushButton { background: #D32F2F; color: white; font-weight: bold; border: none;"
        " border-radius: 4px; min-width: 120px; min-height: 48px; }"
        "QPushButton:hover { background: #EE4040; } QPushButton:pressed { background: #991A1A; }"));
    for (QPushButton* b : {btn21, btn1})
        b->setFocusPolicy(Qt::NoFocus);
    altDuzen->addWidget(surum);
    altDuzen->addStretch();
    altDuzen->addWidget(btn21);
    altDuzen->addWidget(btn1);
    ana->addWidget(alt);

    connect(btn21, &QPushButton::clicked, this, &TloginForm::btn21Click);
    connect(btn1, &QPushButton::clicked, this, &TloginForm::btn1Click);
    connect(cxButton1, &QPushButton::clicked, this, &TloginForm::cxButton1Click);
    // The password is the only thing typed here, so both layouts keep the focus in its box.
    connect(cxButton4, &QPushButton::clicked, this, [this] {
        tKeyboard->setDuzen(TdokunmatikKlavye::NumPad);
        edtpass->setFocus();
    });
    connect(btn, &QPushButton::clicked, this, [this] {
        tKeyboard->setDuzen(TdokunmatikKlavye::Standard);
        edtpass->setFocus();
    });

    setFixedWidth(tKeyboard->duzen() == TdokunmatikKlavye::NumPad ? 460 : 760);
    connect(cxButton4, &QPushButton::clicked, this, [this] {
        setFixedWidth(460);
        adjustSize();
    });
    connect(btn, &QPushButton::clicked, this, [this] {
        setFixedWidth(760);
        adjustSize();
    });

    kullanicilariYukle();
    oturumuKapat();
}

void TloginForm::kullanicilariYukle()
{
    edtUser->clear();
    auto q = sorguOlustur(QStringLiteral("select * from user"), true);
    if (!q)
        return;
    while (q->next())
        edtUser->addItem(q->value(QStringLiteral("user")).toString());
}

void TloginForm::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    adjustSize();
    if (QScreen* ekran = QGuiApplication::primaryScreen())
        move(ekran->geometry().center() - rect().center());
    if (edtUser->count() > 0)
        edtUser->setCurrentIndex(0);
    edtpass->setFocus();
}

void TloginForm::btn21Click()
{
    const int id = girisKontrol(edtUser->currentText(), edtpass->text());
    if (id != 0) {
        aktifKullaniciId = id;
        hide();
        accept();
        return;
    }
    bilgiMesaji(QStringLiteral("Kullanıcı Adı veya Şifre Hatalı.."));
    edtpass->setFocus();
}

void TloginForm::btn1Click()
{
    if (!onayAl(QStringLiteral("Programdan tamamen çıkmak istediğinize emin misiniz?")))
        return;
    // Nobody is logged in now, so the opener ends the program too when no loop is running yet.
    QCoreApplication::exit(0);
    QDialog::reject();
}

void TloginForm::reject()
{
    btn1Click();
}

void TloginForm::cxButton1Click()
{
    // The settings window opens from here once it exists.
}
