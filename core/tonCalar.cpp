#include "core/tonCalar.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QThread>
#include <QtMath>

namespace
{
class TonIscisi : public QObject
{
public:
    void cal(int frekans, int sureMs)
    {
        const QAudioDevice aygit = QMediaDevices::defaultAudioOutput();
        if (aygit.isNull())
            return;
        QAudioFormat bicim;
        bicim.setSampleRate(22050);
        bicim.setChannelCount(1);
        bicim.setSampleFormat(QAudioFormat::Int16);
        if (!aygit.isFormatSupported(bicim))
            return;
        const int ornek = bicim.sampleRate() * sureMs / 1000;
        QByteArray veri(ornek * 2, Qt::Uninitialized);
        auto* p = reinterpret_cast<qint16*>(veri.data());
        for (int i = 0; i < ornek; ++i) {
            // A few milliseconds of fade at both ends avoid clicks.
            const double zarf = qMin(1.0, qMin(i, ornek - i) / 110.0);
            p[i] = qint16(9000 * zarf * qSin(2 * M_PI * frekans * i / bicim.sampleRate()));
        }
        delete cikis;
        delete tampon;
        tampon = new QBuffer(this);
        tampon->setData(veri);
        tampon->open(QIODevice::ReadOnly);
        cikis = new QAudioSink(aygit, bicim, this);
        cikis->start(tampon);
    }

private:
    QAudioSink* cikis = nullptr;
    QBuffer* tampon = nullptr;
};

TonIscisi* isci()
{
    static QThread* is = [] {
        auto* t = new QThread;
        t->setObjectName(QStringLiteral("ton"));
        t->start();
        return t;
    }();
    static TonIscisi* i = [] {
        auto* n = new TonIscisi;
        n->moveToThread(is);
        return n;
    }();
    return i;
}
} // namespace

void tonCal(int frekans, int sureMs)
{
    TonIscisi* i = isci();
    QMetaObject::invokeMethod(
        i, [i, frekans, sureMs] { i->cal(frekans, sureMs); }, Qt::QueuedConnection);
}
