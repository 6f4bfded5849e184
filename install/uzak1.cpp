// Remote support: shows how the support desk reaches this till and, when a VNC server is
// installed, shares the screen with a one-time password until the window is closed.
#include <QApplication>
#include <QHostInfo>
#include <QLabel>
#include <QNetworkInterface>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget w;
    w.setWindowTitle(QStringLiteral("Torvel Uzak Destek"));
    auto* l = new QVBoxLayout(&w);
    l->setContentsMargins(24, 20, 24, 20);

    QStringList adresler;
    for (const QHostAddress& a : QNetworkInterface::allAddresses())
        if (a.protocol() == QAbstractSocket::IPv4Protocol && !a.isLoopback())
            adresler << a.toString();

    QProcess vnc;
    QString durum;
    const QString sunucu = QStandardPaths::findExecutable(QStringLiteral("x11vnc"));
    const QString sifre =
        QString::number(100000 + QRandomGenerator::system()->bounded(900000));
    if (sunucu.isEmpty()) {
        durum = QStringLiteral("Ekran paylaşımı için x11vnc kurulu değil.\nDestek için "
                               "bilgisayar adını ve adreslerini telefonda iletiniz.");
    } else {
        vnc.start(sunucu, {QStringLiteral("-forever"), QStringLiteral("-shared"),
                           QStringLiteral("-passwd"), sifre, QStringLiteral("-quiet")});
        durum = vnc.waitForStarted(3000)
                    ? QStringLiteral("Ekran paylaşımı açık. Şifre: ") + sifre
                    : QStringLiteral("Ekran paylaşımı başlatılamadı: ") + vnc.errorString();
    }

    auto* baslik = new QLabel(QStringLiteral("<h2>Uzak Destek</h2>"), &w);
    auto* bilgi = new QLabel(QStringLiteral("Bilgisayar: <b>") + QHostInfo::localHostName() +
                                 QStringLiteral("</b><br>Adres: <b>") +
                                 (adresler.isEmpty() ? QStringLiteral("ağ bağlantısı yok")
                                                     : adresler.join(QStringLiteral(", "))) +
                                 QStringLiteral("</b>"),
                             &w);
    auto* d = new QLabel(durum, &w);
    d->setWordWrap(true);
    auto* kapat = new QPushButton(QStringLiteral("Bağlantıyı Kapat"), &w);
    kapat->setMinimumHeight(48);
    QObject::connect(kapat, &QPushButton::clicked, &w, &QWidget::close);
    l->addWidget(baslik);
    l->addWidget(bilgi);
    l->addWidget(d);
    l->addWidget(kapat);
    w.resize(440, 260);
    w.show();
    const int sonuc = app.exec();
    if (vnc.state() != QProcess::NotRunning) {
        vnc.terminate();
        vnc.waitForFinished(2000);
    }
    return sonuc;
}
