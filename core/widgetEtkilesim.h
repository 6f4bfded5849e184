#pragma once

#include "core/etkilesim.h"

// The interaction port of the running program: real dialogs.
class WidgetEtkilesim : public Etkilesim
{
public:
    bool mesaj(const QString& metin, TMesajTipi tip) override;
    void duzMesaj(const QString& metin) override;
};
