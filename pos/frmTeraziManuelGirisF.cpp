#include "pos/frmTeraziManuelGirisF.h"
#include "core/dialogCercevesi.h"

#include "core/dokunmatikKlavye.h"
#include "core/etkilesim.h"
#include "pos/terazi.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace
{

constexpr int baslikYuksekligi = 56;
constexpr int altYuksekligi = 96;
constexpr int kenarPayi = 20;
constexpr int dugmeYuksekligi = 64;

const QColor baslikRengi(0x19, 0x76, 0xD2);

// The same buttons as the message dialog's, with their own sheet so that no skin repaints them.
QString dugmeStili(const char* normal, const char* sicak, const char* basili)
{
    return QStringLiteral("QPushButton { background-color: %1; color: white; border: none;"
                          " border-radius: 8px; font-family: 'DejaVu Sans'; font-size: 15pt;"
                          " font-weight: bold; padding: 0px; min-height: 0px; }"
                          "QPushButton:hover { background-color: %2; }"
                          "QPushButton:pressed { background-color: %3; }")
        .arg(QLatin1String(normal), QLatin1String(sicak), QLatin1String(basili));
}

} // namespace

TfrmTeraziManuelGiris::TfrmTeraziManuelGiris(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmTeraziManuelGiris"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setModal(true);
    setFixedSize(genislik, yukseklik);
    setStyleSheet(QStringLiteral(
        "QLabel { background: transparent; border: none; }"
        "QLabel#lblBaslik { color: white; font-family: 'DejaVu Sans'; font-size: 14pt;"
        " font-weight: bold; }"
        "QLabel#lblAciklama { color: #1F2A36; font-family: 'DejaVu Sans'; font-size: 11pt;"
        " font-weight: bold; }"
        "QLineEdit#edtTartiSonuc { background: white; color: #1F2A36; border: 2px solid #B8C2CE;"
        " border-radius: 8px; padding: 0px 14px; font-family: 'DejaVu Sans'; font-size: 30pt;"
        " font-weight: bold; selection-background-color: #BBDEFB; selection-color: #1F2A36; }"
        "QLineEdit#edtTartiSonuc:focus { border-color: #1976D2; }"));

    auto* ana = new QVBoxLayout(this);
    ana->setContentsMargins(0, 0, 0, 0);
    ana->setSpacing(0);

    lblBaslik = new QLabel(this);
    lblBaslik->setObjectName(QStringLiteral("lblBaslik"));
    lblBaslik->setFixedHeight(baslikYuksekligi);
    lblBaslik->setContentsMargins(kenarPayi, 0, kenarPayi, 0);
    lblBaslik->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblBaslik->setTextFormat(Qt::PlainText);
    ana->addWidget(lblBaslik);

    auto* govde = new QVBoxLayout;
    govde->setContentsMargins(kenarPayi, 16, kenarPayi, 16);
    govde->setSpacing(12);

    lblAciklama =
        new QLabel(QStringLiteral("Lütfen Ürünün Tartı Sonucunu Giriniz. (2,55 gibi)"), this);
    lblAciklama->setObjectName(QStringLiteral("lblAciklama"));
    lblAciklama->setWordWrap(true);
    govde->addWidget(lblAciklama);

    edtTartiSonuc = new QLineEdit(this);
    edtTartiSonuc->setObjectName(QStringLiteral("edtTartiSonuc"));
    edtTartiSonuc->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edtTartiSonuc->setFixedHeight(76);
    edtTartiSonuc->setMaxLength(20);
    govde->addWidget(edtTartiSonuc);

    klavye = new TdokunmatikKlavye(this);
    klavye->setDuzen(TdokunmatikKlavye::NumPad);
    // "Uygula" below is the Enter of this dialog; a second green key would only compete with it.
    // Its row then stays empty and gives its height to the other four.
    if (QPushButton* giris = klavye->tusDugmesi(Qt::Key_Return))
        giris->hide();
    if (auto* izgara = qobject_cast<QGridLayout*>(klavye->layout()))
        izgara->setRowStretch(4, 0);
    klavye->setMinimumHeight(4 * 60 + 3 * 6 + 16);
    govde->addWidget(klavye, 1);
    ana->addLayout(govde, 1);

    auto* pnlAlt = new QWidget(this);
    pnlAlt->setFixedHeight(altYuksekligi);
    auto* alt = new QHBoxLayout(pnlAlt);
    alt->setContentsMargins(kenarPayi, (altYuksekligi - dugmeYuksekligi) / 2, kenarPayi,
                            (altYuksekligi - dugmeYuksekligi) / 2);
    alt->setSpacing(16);

    // The buttons take no focus: the keys of the pad type into the box, which keeps it.
    btnUygula = new QPushButton(QStringLiteral("Uygula"), pnlAlt);
    btnUygula->setObjectName(QStringLiteral("btnUygula"));
    btnUygula->setStyleSheet(dugmeStili("#2E7D32", "#469D4A", "#1E5E20"));
    btnIptal = new QPushButton(QStringLiteral("İptal"), pnlAlt);
    btnIptal->setObjectName(QStringLiteral("btnIptal"));
    btnIptal->setStyleSheet(dugmeStili("#D32F2F", "#EE4040", "#991A1A"));
    for (QPushButton* b : {btnUygula, btnIptal}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setCursor(Qt::PointingHandCursor);
        b->setFixedHeight(dugmeYuksekligi);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        alt->addWidget(b);
    }
    btnUygula->setDefault(true);
    btnIptal->setAutoDefault(false);
    ana->addWidget(pnlAlt);

    connect(btnUygula, &QPushButton::clicked, this, &TfrmTeraziManuelGiris::btnUygulaClick);
    connect(btnIptal, &QPushButton::clicked, this, &TfrmTeraziManuelGiris::btnIptalClick);

    edtTartiSonuc->setFocus();
}

void TfrmTeraziManuelGiris::btnUygulaClick()
{
    if (const std::optional<double> sayi = tartiMetniniKabulEt(edtTartiSonuc->text())) {
        tartiSonuc = *sayi;
        accept();
        return;
    }
    bilgiMesaji(QStringLiteral("Lütfen Tam yada Ondalıklı Sayı Giriniz. (55 yada 15,50 gibi)"));
    edtTartiSonuc->setFocus();
    edtTartiSonuc->selectAll();
}

void TfrmTeraziManuelGiris::btnIptalClick()
{
    tartiSonuc = 0;
    reject();
}

void TfrmTeraziManuelGiris::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::WindowTitleChange)
        lblBaslik->setText(windowTitle());
    QDialog::changeEvent(e);
}

void TfrmTeraziManuelGiris::keyPressEvent(QKeyEvent* e)
{
    // Esc is "İptal"; closing the window otherwise leaves the result as it was.
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        e->accept();
        btnIptal->click();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TfrmTeraziManuelGiris::paintEvent(QPaintEvent*)
{
    DialogCercevesi{baslikRengi, baslikYuksekligi, altYuksekligi}.ciz(this);
}

void TfrmTeraziManuelGiris::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    DialogCercevesi::maskele(this);
}

void TfrmTeraziManuelGiris::showEvent(QShowEvent* e)
{
    ortala();
    QDialog::showEvent(e);
    // A prefilled value is replaced by the first key, as in every number box of the till.
    edtTartiSonuc->setFocus();
    edtTartiSonuc->selectAll();
}

void TfrmTeraziManuelGiris::ortala()
{
    QScreen* ekran = nullptr;
    if (QWidget* sahip = parentWidget() ? parentWidget()->window() : nullptr)
        ekran = sahip->screen();
    if (!ekran)
        ekran = QGuiApplication::primaryScreen();
    if (ekran)
        move(ekran->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}
