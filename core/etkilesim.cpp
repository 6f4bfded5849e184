#include "core/etkilesim.h"

#include <QDebug>

namespace
{
// Used before anything is installed (tools, early start-up): nothing is asked, all is logged.
class SessizEtkilesim : public Etkilesim
{
public:
    bool mesaj(const QString& metin, TMesajTipi) override
    {
        qWarning().noquote() << metin;
        return false;
    }
    void duzMesaj(const QString& metin) override { qWarning().noquote() << metin; }
    double sayiGir(const QString& baslik, const QString&) override
    {
        qWarning().noquote() << baslik;
        return 0.0;
    }
    double iadeFiyatiSec(int, const QString&) override { return 0.0; }
    void ton(int, int) override {}
};

SessizEtkilesim sessiz;
Etkilesim* kurulu = &sessiz;
} // namespace

Etkilesim* Etkilesim::aktif()
{
    return kurulu;
}

Etkilesim* Etkilesim::kur(Etkilesim* yeni)
{
    Etkilesim* eski = kurulu;
    kurulu = yeni ? yeni : &sessiz;
    return eski;
}

void bilgiMesaji(const QString& metin)
{
    Etkilesim::aktif()->mesaj(metin, mtBilgi);
}

bool onayAl(const QString& metin)
{
    return Etkilesim::aktif()->mesaj(metin, mtSoru);
}

void duzMesaj(const QString& metin)
{
    Etkilesim::aktif()->duzMesaj(metin);
}

double sayiGir(const QString& baslik, const QString& onMetin)
{
    return Etkilesim::aktif()->sayiGir(baslik, onMetin);
}

double iadeFiyatiSec(int stokId, const QString& stokAdi)
{
    return Etkilesim::aktif()->iadeFiyatiSec(stokId, stokAdi);
}

void ton(int frekans, int sureMs)
{
    Etkilesim::aktif()->ton(frekans, sureMs);
}
