#include "core/ayarlar.h"

#include "core/veritabani.h"

#include <QVariant>

QString skinAdiOku()
{
    auto q = sorguOlustur(QStringLiteral("select skin from ayarlar where id=1"), true);
    const QString skin = q && q->next() ? q->value(0).toString().trimmed() : QString();
    return skin.isEmpty() ? QString::fromLatin1(varsayilanSkin) : skin;
}
