#pragma once

#include "core/etkilesim.h"

// The interaction port of the running program: real dialogs.
class WidgetEtkilesim : public Etkilesim
{
public:
    bool mesaj(const QString& metin, TMesajTipi tip) override;
    void duzMesaj(const QString& metin) override;
    double sayiGir(const QString& baslik, const QString& onMetin) override;
    double iadeFiyatiSec(int stokId, const QString& stokAdi) override;
    void ton(int frekans, int sureMs) override;
};
