#pragma once

#include <QString>
#include <QStringList>

// The kinds of the program's own message dialog.
enum TMesajTipi { mtBilgi = 0, mtSoru = 1, mtHata = 2, mtUyari = 3 };

// The one way the rules reach the person at the till. The program installs the
// widget implementation; tests install a scripted one that answers from a queue.
class Etkilesim
{
public:
    virtual ~Etkilesim() = default;

    // The program's own modal dialog; true when "EVET" was pressed.
    virtual bool mesaj(const QString& metin, TMesajTipi tip) = 0;
    // The platform's plain message box, used where a routine bypasses the own dialog.
    virtual void duzMesaj(const QString& metin) = 0;
    // The numeric dialog with this caption and the box prefilled with onMetin: returns the
    // accepted number, 0 when cancelled.
    virtual double sayiGir(const QString& baslik, const QString& onMetin) = 0;
    // The till's return-price choice for a product: typed or picked from its past sale prices.
    // Returns the chosen price, 0 when none was chosen.
    virtual double iadeFiyatiSec(int stokId, const QString& stokAdi) = 0;
    // A short tone. Tones never hold up the till; those of long warnings play meanwhile.
    virtual void ton(int frekans, int sureMs) = 0;

    static Etkilesim* aktif();
    // Installs the port; returns the one it replaces. Does not take ownership.
    static Etkilesim* kur(Etkilesim* yeni);
};

void bilgiMesaji(const QString& metin);
bool onayAl(const QString& metin);
void duzMesaj(const QString& metin);
double sayiGir(const QString& baslik, const QString& onMetin = QString());
double iadeFiyatiSec(int stokId, const QString& stokAdi);
void ton(int frekans, int sureMs);
