#include "core/skin.h"

#include "core/ayarlar.h"

#include <QApplication>
#include <QColor>
#include <QComboBox>
#include <QFont>
#include <QHash>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>

namespace
{

// The colours of one skin. Everything else in the sheet is shared, so that all skins keep
// the same touch sizes and only the colours change.
struct SkinRenkleri {
    const char* ad;
    const char* pencere;    // window background
    const char* panel;      // group boxes, tab pages, read-only boxes
    const char* kenar;      // borders
    const char* vurgu;      // focus, current tab, scroll handle under the finger
    const char* metin;      // text on the window background
    const char* dugmeUst;   // button gradient, top
    const char* dugmeAlt;   // button gradient, bottom
    const char* dugmeMetin; // text on buttons
    const char* giris;      // edit boxes, lists, grids
    const char* girisMetin; // text in them
    const char* secim;      // selected rows and menu items
    const char* secimMetin; // text on the selection
    const char* cubuk;      // menu bar and status bar
    const char* cubukMetin; // text on them
};

// clang-format off
const SkinRenkleri skinler[] = {
    {"Office2010Blue",   "#DCE6F2", "#EAF1FA", "#A3B9D6", "#1E6FC4", "#1C2E45",
     "#FFFFFF", "#D8E5F5", "#1C2E45", "#FFFFFF", "#1A1A1A", "#3B7DD8", "#FFFFFF",
     "#C9DAEE", "#1C2E45"},
    {"Office2010Black",  "#3E4247", "#4B5056", "#2A2D31", "#F0A431", "#F2F2F2",
     "#F7F7F7", "#CFD2D6", "#1E1E1E", "#FFFFFF", "#1A1A1A", "#F0A431", "#1E1E1E",
     "#2B2E32", "#F2F2F2"},
    {"Office2010Silver", "#E6E9ED", "#F3F4F6", "#B3B9C2", "#4F6B8F", "#262C33",
     "#FFFFFF", "#DEE2E7", "#262C33", "#FFFFFF", "#1A1A1A", "#5C7DA6", "#FFFFFF",
     "#D5DAE0", "#262C33"},
    {"Caramel",          "#EFE3CF", "#F7EEE1", "#C6A983", "#A0612B", "#3E2B1A",
     "#FFF9F0", "#E8D3B3", "#3E2B1A", "#FFFDF9", "#2E2114", "#B8743A", "#FFFFFF",
     "#DCC4A0", "#3E2B1A"},
    {"DevExpressStyle",  "#EFEFEF", "#F8F8F8", "#C6C6C6", "#4C7DC1", "#202020",
     "#FFFFFF", "#E6E6E6", "#202020", "#FFFFFF", "#1A1A1A", "#5A8AD0", "#FFFFFF",
     "#E2E2E2", "#202020"},
    {"iMaginary",        "#F2F5F9", "#FFFFFF", "#B9C7D8", "#2F8ADB", "#22324A",
     "#FFFFFF", "#E3EBF5", "#22324A", "#FFFFFF", "#1A1A1A", "#A9D0F5", "#0E2742",
     "#E1E9F3", "#22324A"},
    {"McSkin",           "#E7E7E7", "#F3F3F3", "#A8A8A8", "#3478D6", "#1F1F1F",
     "#FFFFFF", "#DADADA", "#1F1F1F", "#FFFFFF", "#1A1A1A", "#3875D7", "#FFFFFF",
     "#D4D4D4", "#1F1F1F"},
    {"MoneyTwins",       "#D7E5EE", "#E9F2F7", "#8FACC1", "#2A6C97", "#16324A",
     "#F8FCFE", "#CBDDEA", "#16324A", "#FFFFFF", "#1A1A1A", "#3C85B4", "#FFFFFF",
     "#BCD3E3", "#16324A"},
    {"Valentine",        "#F7E0E7", "#FCEFF3", "#D8A1B2", "#C2185B", "#4A1E2C",
     "#FFFFFF", "#F3CAD7", "#4A1E2C", "#FFFFFF", "#2A1219", "#D84879", "#FFFFFF",
     "#EDC3D0", "#4A1E2C"},
};
// clang-format on

// One sheet for all skins; {name} is replaced by the skin's colour of that name. Sizes are
// for fingers: 40 px tall buttons and boxes, wide scroll bars without arrow buttons.
const char* const sablon = R"(
QToolTip { color: {girisMetin}; background-color: {giris}; border: 1px solid {kenar};
    padding: 5px; }

QPushButton { color: {dugmeMetin}; border: 1px solid {kenar}; border-radius: 5px;
    background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 {dugmeUst}, stop:1 {dugmeAlt});
    padding: 6px 16px; min-height: 26px; }
QPushButton:hover { border-color: {vurgu};
    background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 {dugmeUst}, stop:1 {dugmeSicak}); }
QPushButton:pressed, QPushButton:checked { background-color: {dugmeBasili}; border-color: {vurgu}; }
QPushButton:default { border: 2px solid {vurgu}; padding: 5px 15px; }
QPushButton:disabled { color: {soluk}; background-color: {panel}; border-color: {kenar}; }
QPushButton::menu-indicator { subcontrol-origin: padding; subcontrol-position: right center;
    right: 4px; }

QToolButton { color: {dugmeMetin}; border: 1px solid transparent; border-radius: 5px;
    padding: 4px; background-color: transparent; }
QToolButton:hover { border-color: {kenar};
    background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 {dugmeUst}, stop:1 {dugmeAlt}); }
QToolButton:pressed, QToolButton:checked { background-color: {dugmeBasili}; border-color: {vurgu}; }

QLineEdit, QComboBox, QAbstractSpinBox, QDateTimeEdit {
    color: {girisMetin}; background-color: {giris}; border: 1px solid {kenar}; border-radius: 4px;
    padding: 5px 9px; min-height: 28px;
    selection-background-color: {secim}; selection-color: {secimMetin}; }
QLineEdit:focus, QComboBox:focus, QAbstractSpinBox:focus, QDateTimeEdit:focus {
    border: 2px solid {vurgu}; padding: 4px 8px; }
QLineEdit:disabled, QComboBox:disabled, QAbstractSpinBox:disabled, QDateTimeEdit:disabled {
    color: {girisSoluk}; background-color: {salt}; }
QLineEdit[readOnly="true"] { background-color: {salt}; }

QComboBox { padding-right: 40px; }
QComboBox:focus { padding-right: 39px; }
QComboBox::drop-down { subcontrol-origin: border; subcontrol-position: top right; width: 36px;
    border: none; border-left: 1px solid {kenar}; border-top-right-radius: 4px;
    border-bottom-right-radius: 4px;
    background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 {dugmeUst}, stop:1 {dugmeAlt}); }
QComboBox::down-arrow { image: url(:/resim/ok_asagi.svg); width: 14px; height: 14px; }
QComboBox::down-arrow:disabled { image: none; }
QComboBox QAbstractItemView { color: {girisMetin}; background-color: {giris};
    border: 1px solid {kenar}; outline: 0; padding: 2px;
    selection-background-color: {secim}; selection-color: {secimMetin}; }

QAbstractSpinBox, QDateTimeEdit { padding-right: 40px; }
QAbstractSpinBox:focus, QDateTimeEdit:focus { padding-right: 39px; }
QAbstractSpinBox::up-button, QDateTimeEdit::up-button { subcontrol-origin: border;
    subcontrol-position: top right; width: 36px; border: none; border-left: 1px solid {kenar};
    border-bottom: 1px solid {kenar}; border-top-right-radius: 4px;
    background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 {dugmeUst}, stop:1 {dugmeAlt}); }
QAbstractSpinBox::down-button, QDateTimeEdit::down-button { subcontrol-origin: border;
    subcontrol-position: bottom right; width: 36px; border: none; border-left: 1px solid {kenar};
    border-bottom-right-radius: 4px;
    background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 {dugmeUst}, stop:1 {dugmeAlt}); }
QAbstractSpinBox::up-button:pressed, QAbstractSpinBox::down-button:pressed,
QDateTimeEdit::up-button:pressed, QDateTimeEdit::down-button:pressed {
    background-color: {dugmeBasili}; }
QAbstractSpinBox::up-arrow, QDateTimeEdit::up-arrow { image: url(:/resim/ok_yukari.svg);
    width: 12px; height: 12px; }
QAbstractSpinBox::down-arrow, QDateTimeEdit::down-arrow { image: url(:/resim/ok_asagi.svg);
    width: 12px; height: 12px; }
QDateTimeEdit[calendarPopup="true"] { padding-right: 40px; }
QDateTimeEdit[calendarPopup="true"]::drop-down { subcontrol-origin: border;
    subcontrol-position: top right; width: 36px; border: none; border-left: 1px solid {kenar};
    background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 {dugmeUst}, stop:1 {dugmeAlt}); }
QDateTimeEdit[calendarPopup="true"]::down-arrow { image: url(:/resim/ok_asagi.svg);
    width: 14px; height: 14px; }

QTextEdit, QPlainTextEdit { color: {girisMetin}; background-color: {giris};
    border: 1px solid {kenar}; border-radius: 4px;
    selection-background-color: {secim}; selection-color: {secimMetin}; }
QTextEdit:focus, QPlainTextEdit:focus { border-color: {vurgu}; }

QCheckBox, QRadioButton { spacing: 10px; min-height: 30px; }
QCheckBox::indicator, QRadioButton::indicator { width: 24px; height: 24px; }
QCheckBox::indicator { image: url(:/resim/kutu_bos.svg); }
QCheckBox::indicator:checked { image: url(:/resim/kutu_dolu.svg); }
QCheckBox::indicator:disabled { image: url(:/resim/kutu_pasif.svg); }
QRadioButton::indicator { image: url(:/resim/secenek_bos.svg); }
QRadioButton::indicator:checked { image: url(:/resim/secenek_dolu.svg); }

QGroupBox { color: {metin}; background-color: {panel}; border: 1px solid {kenar};
    border-radius: 6px; margin-top: 16px; padding: 10px 6px 6px 6px; }
QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 12px;
    padding: 0px 6px; color: {vurgu}; }

QTabWidget::pane { border: 1px solid {kenar}; background-color: {panel}; border-radius: 4px;
    top: -1px; }
QTabBar::tab { color: {dugmeMetin}; border: 1px solid {kenar}; border-bottom: none;
    border-top-left-radius: 5px; border-top-right-radius: 5px; padding: 9px 20px;
    min-height: 22px; margin-right: 2px;
    background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 {dugmeUst}, stop:1 {dugmeAlt}); }
QTabBar::tab:selected { color: {metinPanel}; background-color: {panel};
    border-top: 3px solid {vurgu}; padding-top: 7px; }
QTabBar::tab:!selected { margin-top: 3px; }
QTabBar::tab:!selected:hover { background-color: {dugmeSicak}; }

QHeaderView { background-color: {dugmeAlt}; }
QHeaderView::section { color: {dugmeMetin}; padding: 6px 8px; min-height: 24px; border: none;
    border-right: 1px solid {kenar}; border-bottom: 1px solid {kenar};
    background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 {dugmeUst}, stop:1 {dugmeAlt}); }
QHeaderView::section:checked { background-color: {dugmeSicak}; }
QTableCornerButton::section { border: none; border-right: 1px solid {kenar};
    border-bottom: 1px solid {kenar}; background-color: {dugmeAlt}; }

QTableView, QTreeView, QListView { color: {girisMetin}; background-color: {giris};
    alternate-background-color: {alternatif}; gridline-color: {izgara};
    border: 1px solid {kenar}; selection-background-color: {secim};
    selection-color: {secimMetin}; }
QTableView:focus, QTreeView:focus, QListView:focus { border-color: {vurgu}; }

QMenuBar { color: {cubukMetin}; background-color: {cubuk}; border-bottom: 1px solid {kenar};
    padding: 2px; }
QMenuBar::item { padding: 8px 14px; background: transparent; border-radius: 4px; }
QMenuBar::item:selected, QMenuBar::item:pressed { color: {secimMetin};
    background-color: {secim}; }
QMenu { color: {girisMetin}; background-color: {giris}; border: 1px solid {kenar};
    padding: 4px; }
QMenu::item { padding: 9px 32px 9px 36px; border-radius: 4px; background: transparent; }
QMenu::item:selected { color: {secimMetin}; background-color: {secim}; }
QMenu::item:disabled { color: {soluk}; }
QMenu::icon { padding-left: 10px; }
QMenu::separator { height: 1px; background-color: {kenar}; margin: 5px 8px; }

QStatusBar { color: {cubukMetin}; background-color: {cubuk}; border-top: 1px solid {kenar};
    min-height: 30px; }
QStatusBar QLabel { color: {cubukMetin}; padding: 0px 8px; }
QStatusBar::item { border: none; }

QScrollBar:vertical { background-color: {kanal}; width: 22px; margin: 0px; border: none; }
QScrollBar:horizontal { background-color: {kanal}; height: 22px; margin: 0px; border: none; }
QScrollBar::handle:vertical { background-color: {tutamak}; min-height: 48px; margin: 3px;
    border-radius: 8px; }
QScrollBar::handle:horizontal { background-color: {tutamak}; min-width: 48px; margin: 3px;
    border-radius: 8px; }
QScrollBar::handle:hover, QScrollBar::handle:pressed { background-color: {vurgu}; }
QScrollBar::add-line, QScrollBar::sub-line { width: 0px; height: 0px; border: none;
    background: none; }
QScrollBar::add-page, QScrollBar::sub-page { background: none; }

QProgressBar { color: {girisMetin}; background-color: {giris}; border: 1px solid {kenar};
    border-radius: 4px; text-align: center; min-height: 22px; }
QProgressBar::chunk { background-color: {vurgu}; border-radius: 3px; }

QSplitter::handle { background-color: {kenar}; }
QSplitter::handle:horizontal { width: 6px; }
QSplitter::handle:vertical { height: 6px; }
)";

const SkinRenkleri* bul(const QString& ad)
{
    for (const SkinRenkleri& s : skinler)
        if (ad == QLatin1String(s.ad))
            return &s;
    return nullptr;
}

QColor karisim(const QColor& a, const QColor& b, qreal oran)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * oran,
                            a.greenF() + (b.greenF() - a.greenF()) * oran,
                            a.blueF() + (b.blueF() - a.blueF()) * oran);
}

// The named colours of a skin, the derived ones included.
QHash<QString, QColor> renkler(const SkinRenkleri& s)
{
    QHash<QString, QColor> r;
    auto koy = [&r](const char* ad, const char* renk) {
        r.insert(QLatin1String(ad), QColor(QLatin1String(renk)));
    };
    koy("pencere", s.pencere);
    koy("panel", s.panel);
    koy("kenar", s.kenar);
    koy("vurgu", s.vurgu);
    koy("metin", s.metin);
    koy("dugmeUst", s.dugmeUst);
    koy("dugmeAlt", s.dugmeAlt);
    koy("dugmeMetin", s.dugmeMetin);
    koy("giris", s.giris);
    koy("girisMetin", s.girisMetin);
    koy("secim", s.secim);
    koy("secimMetin", s.secimMetin);
    koy("cubuk", s.cubuk);
    koy("cubukMetin", s.cubukMetin);

    const QColor vurgu = r.value(QStringLiteral("vurgu"));
    const QColor dugmeAlt = r.value(QStringLiteral("dugmeAlt"));
    const QColor giris = r.value(QStringLiteral("giris"));
    const QColor pencere = r.value(QStringLiteral("pencere"));
    const QColor panel = r.value(QStringLiteral("panel"));
    r.insert(QStringLiteral("dugmeSicak"), karisim(dugmeAlt, vurgu, 0.18));
    r.insert(QStringLiteral("dugmeBasili"), karisim(dugmeAlt, vurgu, 0.38));
    // Derived from the button colour, which is light in every skin, so that alternate rows
    // and read-only boxes stay light behind dark text in the dark skins too.
    r.insert(QStringLiteral("alternatif"), karisim(giris, dugmeAlt, 0.35));
    r.insert(QStringLiteral("salt"), karisim(giris, dugmeAlt, 0.6));
    r.insert(QStringLiteral("izgara"), karisim(giris, r.value(QStringLiteral("kenar")), 0.55));
    r.insert(QStringLiteral("kanal"), karisim(giris, pencere, 0.7));
    r.insert(QStringLiteral("tutamak"), karisim(r.value(QStringLiteral("kenar")), pencere, 0.15));
    // Text on a panel: the window text, unless the panel is too light for it (dark skins).
    const QColor metin = r.value(QStringLiteral("metin"));
    r.insert(QStringLiteral("metinPanel"), panel.lightness() > 160 && metin.lightness() > 160
                                               ? r.value(QStringLiteral("girisMetin"))
                                               : metin);
    r.insert(QStringLiteral("soluk"), karisim(metin, pencere, 0.55));
    r.insert(QStringLiteral("girisSoluk"),
             karisim(r.value(QStringLiteral("girisMetin")), r.value(QStringLiteral("salt")), 0.5));
    return r;
}

QString doldur(const QHash<QString, QColor>& r)
{
    QString stil = QString::fromUtf8(sablon);
    for (auto it = r.cbegin(); it != r.cend(); ++it)
        stil.replace(QLatin1Char('{') + it.key() + QLatin1Char('}'), it.value().name());
    return stil;
}

QPalette palet(const QHash<QString, QColor>& r)
{
    auto c = [&r](const char* ad) { return r.value(QLatin1String(ad)); };
    QPalette p;
    p.setColor(QPalette::Window, c("pencere"));
    p.setColor(QPalette::WindowText, c("metin"));
    p.setColor(QPalette::Base, c("giris"));
    p.setColor(QPalette::AlternateBase, c("alternatif"));
    p.setColor(QPalette::Text, c("girisMetin"));
    p.setColor(QPalette::PlaceholderText, karisim(c("girisMetin"), c("giris"), 0.5));
    p.setColor(QPalette::Button, c("dugmeAlt"));
    p.setColor(QPalette::ButtonText, c("dugmeMetin"));
    p.setColor(QPalette::Highlight, c("secim"));
    p.setColor(QPalette::HighlightedText, c("secimMetin"));
    p.setColor(QPalette::ToolTipBase, c("giris"));
    p.setColor(QPalette::ToolTipText, c("girisMetin"));
    p.setColor(QPalette::Link, c("vurgu"));
    p.setColor(QPalette::Light, c("dugmeUst"));
    p.setColor(QPalette::Midlight, karisim(c("dugmeUst"), c("dugmeAlt"), 0.5));
    p.setColor(QPalette::Mid, c("kenar"));
    p.setColor(QPalette::Dark, c("kenar").darker(130));
    p.setColor(QPalette::Shadow, c("kenar").darker(180));
    p.setColor(QPalette::BrightText, Qt::white);
    for (auto rol : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, rol, c("soluk"));
    return p;
}

// What a style sheet cannot say: labels of a form centred on their touch-sized boxes and
// finger-sized rows in the list of a combo box.
class TorvelStili : public QProxyStyle
{
public:
    TorvelStili() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    int styleHint(StyleHint hint, const QStyleOption* secenek, const QWidget* widget,
                  QStyleHintReturn* donus) const override
    {
        if (hint == SH_FormLayoutLabelAlignment)
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        return QProxyStyle::styleHint(hint, secenek, widget, donus);
    }

    QSize sizeFromContents(ContentsType tur, const QStyleOption* secenek, const QSize& boyut,
                           const QWidget* widget) const override
    {
        QSize s = QProxyStyle::sizeFromContents(tur, secenek, boyut, widget);
        if (tur == CT_MenuItem && qobject_cast<const QComboBox*>(widget))
            s.setHeight(qMax(s.height(), 40));
        return s;
    }
};

QString aktif;

QApplication* uygulama()
{
    return qobject_cast<QApplication*>(QCoreApplication::instance());
}

void fusionYap(QApplication* app)
{
    // Skins are drawn over Fusion on every platform, so they look the same at every till.
    static bool yapildi = false;
    if (yapildi)
        return;
    app->setStyle(new TorvelStili);
    QFont yazi(QStringLiteral("DejaVu Sans"), 11);
    app->setFont(yazi);
    yapildi = true;
}

} // namespace

void resimleriYukle()
{
    static const bool yuklendi = [] {
        Q_INIT_RESOURCE(core);
        return true;
    }();
    Q_UNUSED(yuklendi);
}

namespace
{
// Runs before main() whenever this unit is linked, so that even windows built before the
// first skin is applied find their pictures.
const bool resimlerHazir = (resimleriYukle(), true);
} // namespace

QStringList skinAdlari()
{
    QStringList adlar;
    for (const SkinRenkleri& s : skinler)
        adlar << QLatin1String(s.ad);
    return adlar;
}

QString skinStili(const QString& ad)
{
    const SkinRenkleri* s = bul(ad);
    return s ? doldur(renkler(*s)) : QString();
}

QString skinUygula(const QString& ad)
{
    const SkinRenkleri* s = bul(ad);
    if (!s)
        s = bul(QLatin1String(varsayilanSkin));
    const QString secilen = QLatin1String(s->ad);
    if (QApplication* app = uygulama()) {
        fusionYap(app);
        const QHash<QString, QColor> r = renkler(*s);
        QApplication::setPalette(palet(r));
        app->setStyleSheet(doldur(r));
    }
    aktif = secilen;
    return secilen;
}

void skinKaldir()
{
    if (QApplication* app = uygulama()) {
        fusionYap(app);
        app->setStyleSheet(QString());
        QApplication::setPalette(QApplication::style()->standardPalette());
    }
    aktif.clear();
}

QString aktifSkin()
{
    return aktif;
}
