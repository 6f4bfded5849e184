#include "core/dokunmatikKlavye.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QStyle>

namespace
{

const QString klavyeStili = QStringLiteral(
    "TdokunmatikKlavye { background-color: #DCE2EA; border: 1px solid #C3CCD7;"
    " border-radius: 10px; }"
    "QPushButton { background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
    " stop:0 #FFFFFF, stop:1 #F1F4F7); color: #1F2A36; border: 1px solid #B8C2CE;"
    " border-bottom: 2px solid #A3AEBC; border-radius: 8px; font-family: 'DejaVu Sans';"
    " padding: 0px; min-height: 60px; min-width: 0px; }"
    "QPushButton:hover { border-color: #8FB3DA; }"
    "QPushButton:pressed { background-color: #CFE2F6; border-color: #6E9FD2; }"
    "QPushButton[tur=\"rakam\"] { font-size: 20pt; }"
    "QPushButton[tur=\"harf\"] { font-size: 17pt; }"
    "QPushButton[tur=\"ozel\"] { background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
    " stop:0 #F4F6F9, stop:1 #E3E8EE); font-size: 15pt; }"
    "QPushButton[tur=\"ozel\"]:pressed { background-color: #CFE2F6; }"
    "QPushButton[tur=\"ozel\"]:checked { background-color: #1976D2; color: white;"
    " border-color: #0F5AA6; }"
    "QPushButton[tur=\"giris\"] { background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
    " stop:0 #3A9140, stop:1 #2E7D32); color: white; border: 1px solid #1E5E20;"
    " border-bottom: 2px solid #174A19; font-size: 16pt; font-weight: bold; }"
    "QPushButton[tur=\"giris\"]:hover { background-color: #469D4A; }"
    "QPushButton[tur=\"giris\"]:pressed { background-color: #1E5E20; }"
    "QPushButton[simge=\"true\"] { font-size: 22pt; font-weight: normal; }");

// Captions of the keys that have no text of their own, before any window changes them.
QString varsayilanBaslik(int tus)
{
    switch (tus) {
    case Qt::Key_Backspace:
        return QStringLiteral("⌫");
    case Qt::Key_Return:
        return QStringLiteral("⏎");
    case Qt::Key_Shift:
        return QStringLiteral("⇧");
    case Qt::Key_Space:
        return QStringLiteral("Boşluk");
    default:
        return QString();
    }
}

// Turkish letters have no named Qt key; a hardware keyboard reports them by the code of the
// upper-case letter, and so do we (for A..Z that is Qt::Key_A..Qt::Key_Z).
int harfTusu(const QString& buyuk)
{
    return buyuk.isEmpty() ? 0 : int(buyuk.at(0).unicode());
}

constexpr int tusAraligi = 6;

// A caption of one symbol ("⌫", "⏎") is drawn larger than a word ("Silme", "Giriş").
void baslikKoy(QPushButton* dugme, const QString& baslik)
{
    dugme->setText(baslik);
    const bool simge = baslik.size() == 1 && !baslik.at(0).isLetterOrNumber();
    if (dugme->property("simge").toBool() != simge) {
        dugme->setProperty("simge", simge);
        dugme->style()->unpolish(dugme);
        dugme->style()->polish(dugme);
    }
}

} // namespace

TdokunmatikKlavye::TdokunmatikKlavye(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_StyledBackground);
    setFocusPolicy(Qt::NoFocus);
    setStyleSheet(klavyeStili);
    olustur();
}

void TdokunmatikKlavye::setDuzen(Duzen d)
{
    if (d == duzen_ && layout())
        return;
    duzen_ = d;
    olustur();
}

void TdokunmatikKlavye::tusBasligiAyarla(int tus, const QString& baslik)
{
    basliklar.insert(tus, baslik);
    if (QPushButton* dugme = dugmeler.value(tus))
        baslikKoy(dugme, baslik);
}

QString TdokunmatikKlavye::tusBasligi(int tus) const
{
    return basliklar.value(tus, varsayilanBaslik(tus));
}

void TdokunmatikKlavye::setBuyukHarf(bool b)
{
    buyukHarf = b;
    if (QPushButton* shift = dugmeler.value(Qt::Key_Shift))
        shift->setChecked(b);
    harfleriYaz();
}

QString TdokunmatikKlavye::harfMetni(const QString& buyuk) const
{
    // QLocale knows that the lower case of "I" is "ı" and that of "İ" is "i".
    return buyukHarf ? buyuk : QLocale(QLocale::Turkish, QLocale::Turkey).toLower(buyuk);
}

void TdokunmatikKlavye::harfleriYaz()
{
    for (const Harf& h : std::as_const(harfler))
        h.dugme->setText(harfMetni(h.buyuk));
}

QPushButton* TdokunmatikKlavye::dugmeYap(int tus, const QString& baslik, const char* tur)
{
    auto* dugme = new QPushButton(this);
    // The focus has to stay in the edit box the keys are typing into.
    dugme->setFocusPolicy(Qt::NoFocus);
    dugme->setProperty("tur", QLatin1String(tur));
    dugme->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    dugme->setMinimumHeight(60);
    baslikKoy(dugme, baslik);
    if (tus)
        dugmeler.insert(tus, dugme);
    return dugme;
}

void TdokunmatikKlavye::olustur()
{
    // Hidden at once and deleted later: a layout switch may come from a slot of one of them.
    const auto eskiler = findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly);
    for (QPushButton* d : eskiler) {
        d->hide();
        d->deleteLater();
    }
    delete layout();
    dugmeler.clear();
    harfler.clear();

    auto* izgara = new QGridLayout(this);
    izgara->setContentsMargins(8, 8, 8, 8);
    izgara->setSpacing(tusAraligi);

    auto yazanTus = [this](int tus, const QString& metin, const char* tur) {
        QPushButton* d = dugmeYap(tus, metin, tur);
        connect(d, &QPushButton::clicked, this, [this, tus, metin] { bas(tus, metin); });
        return d;
    };
    auto ozelTus = [this](int tus, const char* tur) {
        QPushButton* d = dugmeYap(tus, tusBasligi(tus), tur);
        connect(d, &QPushButton::clicked, this, [this, tus] { bas(tus, QString()); });
        return d;
    };

    if (duzen_ == NumPad) {
        static const char* const rakamlar[] = {"7", "8", "9", "4", "5", "6", "1", "2", "3"};
        for (int i = 0; i < 9; ++i) {
            const QString r = QLatin1String(rakamlar[i]);
            izgara->addWidget(yazanTus(Qt::Key_0 + r.toInt(), r, "rakam"), i / 3, i % 3);
        }
        izgara->addWidget(yazanTus(Qt::Key_0, QStringLiteral("0"), "rakam"), 3, 0);
        izgara->addWidget(yazanTus(Qt::Key_Comma, QStringLiteral(","), "rakam"), 3, 1);
        QPushButton* sil = ozelTus(Qt::Key_Backspace, "ozel");
        sil->setAutoRepeat(true);
        izgara->addWidget(sil, 3, 2);
        izgara->addWidget(ozelTus(Qt::Key_Return, "giris"), 4, 0, 1, 3);
        for (int s = 0; s < 3; ++s)
            izgara->setColumnStretch(s, 1);
        for (int r = 0; r < 5; ++r)
            izgara->setRowStretch(r, 1);
        setMinimumSize(3 * 72 + 2 * tusAraligi + 16, 5 * 60 + 4 * tusAraligi + 16);
        return;
    }

    // Half-key columns: a letter takes two, so the middle row can sit half a key in like on
    // a real keyboard while every row ends flush and all letters stay the same width.
    constexpr int sutunSayisi = 24;
    const QString rakamSirasi = QStringLiteral("1234567890");
    for (int i = 0; i < rakamSirasi.size(); ++i) {
        const QString r = rakamSirasi.mid(i, 1);
        izgara->addWidget(yazanTus(Qt::Key_0 + r.toInt(), r, "harf"), 0, 2 * i, 1, 2);
    }
    QPushButton* sil = ozelTus(Qt::Key_Backspace, "ozel");
    sil->setAutoRepeat(true);
    izgara->addWidget(sil, 0, 20, 1, 4);

    auto harfSirasi = [&](int satir, int ilkSutun, const QString& dizi) {
        for (int i = 0; i < dizi.size(); ++i) {
            const QString buyuk = dizi.mid(i, 1);
            const int tus = harfTusu(buyuk);
            QPushButton* d = dugmeYap(tus, harfMetni(buyuk), "harf");
            // The text is taken at the moment of the press, so Shift decides the case.
            connect(d, &QPushButton::clicked, this,
                    [this, tus, buyuk] { bas(tus, harfMetni(buyuk)); });
            harfler.append({d, buyuk});
            izgara->addWidget(d, satir, ilkSutun + 2 * i, 1, 2);
        }
    };
    harfSirasi(1, 0, QStringLiteral("QWERTYUIOPĞÜ"));
    harfSirasi(2, 1, QStringLiteral("ASDFGHJKLŞİ"));

    QPushButton* shift = dugmeYap(Qt::Key_Shift, tusBasligi(Qt::Key_Shift), "ozel");
    shift->setCheckable(true);
    shift->setChecked(buyukHarf);
    connect(shift, &QPushButton::toggled, this, [this](bool b) {
        setBuyukHarf(b);
        emit tusaBasildi(Qt::Key_Shift, QString());
    });
    izgara->addWidget(shift, 3, 0, 1, 4);
    harfSirasi(3, 4, QStringLiteral("ZXCVBNMÖÇ"));
    izgara->addWidget(yazanTus(Qt::Key_Period, QStringLiteral("."), "harf"), 3, 22, 1, 2);

    QPushButton* bosluk = dugmeYap(Qt::Key_Space, tusBasligi(Qt::Key_Space), "ozel");
    connect(bosluk, &QPushButton::clicked, this,
            [this] { bas(Qt::Key_Space, QStringLiteral(" ")); });
    izgara->addWidget(bosluk, 4, 0, 1, 18);
    izgara->addWidget(ozelTus(Qt::Key_Return, "giris"), 4, 18, 1, 6);

    for (int s = 0; s < sutunSayisi; ++s)
        izgara->setColumnStretch(s, 1);
    for (int r = 0; r < 5; ++r)
        izgara->setRowStretch(r, 1);
    setMinimumSize(12 * 50 + 11 * tusAraligi + 16, 5 * 60 + 4 * tusAraligi + 16);
}

void TdokunmatikKlavye::bas(int tus, const QString& metin)
{
    // The press may close the window the keyboard sits in, taking the target or us with it.
    QPointer<TdokunmatikKlavye> ben(this);
    if (QPointer<QWidget> hedef = QApplication::focusWidget()) {
        QKeyEvent basma(QEvent::KeyPress, tus, Qt::NoModifier, metin);
        QCoreApplication::sendEvent(hedef, &basma);
        if (hedef) {
            QKeyEvent birakma(QEvent::KeyRelease, tus, Qt::NoModifier, metin);
            QCoreApplication::sendEvent(hedef, &birakma);
        }
    }
    if (ben)
        emit tusaBasildi(tus, metin);
}
