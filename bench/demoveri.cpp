// Demo-data generator: fills a database made from install/script.sql with a shop's worth of
// products, accounts, users, stock entries and till sales, or with millions of rows for the
// benchmarks. The rows have the shape the program itself writes, so every screen and report
// reads them as its own.
//
//   demoveri <db-file> [--products N] [--sales-days D] [--sales-per-day S] [--pictures]
//
// Without counts it builds the demo shop (its product list, pictures, four weeks of sales).
// Everything random comes from one fixed seed: the same arguments give the same rows, apart
// from the dates, which end today.

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QDate>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QTime>

#include <sqlite3.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace
{

// ---------------------------------------------------------------------------------------------
// Thin RAII layer over the sqlite3 C API: Qt SQL would cost several times more per row here.

struct VtHatasi : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Vt
{
public:
    explicit Vt(const std::string& yol)
    {
        // Never create a file: the generator only fills a database made from the script.
        if (sqlite3_open_v2(yol.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
            std::string hata = db_ ? sqlite3_errmsg(db_) : "bellek yok";
            sqlite3_close(db_);
            db_ = nullptr;
            throw VtHatasi(yol + " açılamadı: " + hata);
        }
    }
    ~Vt() { sqlite3_close(db_); }
    Vt(const Vt&) = delete;
    Vt& operator=(const Vt&) = delete;

    sqlite3* ham() const { return db_; }

    void calistir(const char* sql)
    {
        char* hata = nullptr;
        if (sqlite3_exec(db_, sql, nullptr, nullptr, &hata) != SQLITE_OK) {
            std::string metin = std::string(sql) + ": " + (hata ? hata : "?");
            sqlite3_free(hata);
            throw VtHatasi(metin);
        }
    }

    long long sonId() const { return sqlite3_last_insert_rowid(db_); }

private:
    sqlite3* db_ = nullptr;
};

class Komut
{
public:
    Komut(Vt& vt, const char* sql) : vt_(vt)
    {
        if (sqlite3_prepare_v3(vt.ham(), sql, -1, SQLITE_PREPARE_PERSISTENT, &st_, nullptr) !=
            SQLITE_OK)
            throw VtHatasi(std::string(sql) + ": " + sqlite3_errmsg(vt.ham()));
    }
    ~Komut() { sqlite3_finalize(st_); }
    Komut(const Komut&) = delete;
    Komut& operator=(const Komut&) = delete;

    Komut& bag(int i, long long v)
    {
        sqlite3_bind_int64(st_, i, v);
        return *this;
    }
    Komut& bag(int i, int v) { return bag(i, static_cast<long long>(v)); }
    Komut& bag(int i, double v)
    {
        sqlite3_bind_double(st_, i, v);
        return *this;
    }
    Komut& bag(int i, std::string_view v)
    {
        sqlite3_bind_text(st_, i, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
        return *this;
    }
    Komut& bag(int i, const char* v) { return bag(i, std::string_view(v)); }
    Komut& bag(int i, const std::string& v) { return bag(i, std::string_view(v)); }
    Komut& bag(int i, const QByteArray& v)
    {
        sqlite3_bind_blob(st_, i, v.constData(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
        return *this;
    }
    Komut& bos(int i)
    {
        sqlite3_bind_null(st_, i);
        return *this;
    }

    // Runs an insert or update and makes the statement ready for the next row.
    void yap()
    {
        const int rc = sqlite3_step(st_);
        sqlite3_reset(st_);
        sqlite3_clear_bindings(st_);
        if (rc != SQLITE_DONE)
            throw VtHatasi(std::string(sqlite3_sql(st_)) + ": " + sqlite3_errmsg(vt_.ham()));
    }

    // First column of the first row as a number; 0 when there is no row.
    long long tekSayi()
    {
        long long sonuc = 0;
        const int rc = sqlite3_step(st_);
        if (rc == SQLITE_ROW)
            sonuc = sqlite3_column_int64(st_, 0);
        sqlite3_reset(st_);
        sqlite3_clear_bindings(st_);
        if (rc != SQLITE_ROW && rc != SQLITE_DONE)
            throw VtHatasi(std::string(sqlite3_sql(st_)) + ": " + sqlite3_errmsg(vt_.ham()));
        return sonuc;
    }

private:
    Vt& vt_;
    sqlite3_stmt* st_ = nullptr;
};

long long sayi(Vt& vt, const char* sql)
{
    return Komut(vt, sql).tekSayi();
}

// The fixed rows of the script; without them the rows written here would point nowhere.
int odemeTipi(Vt& vt, const char* ad)
{
    Komut k(vt, "SELECT id FROM odemetipi WHERE adi = ?");
    k.bag(1, ad);
    const long long id = k.tekSayi();
    if (id == 0)
        throw VtHatasi(std::string("odemetipi satırı yok: ") + ad);
    return static_cast<int>(id);
}

// ---------------------------------------------------------------------------------------------
// Randomness, barcodes, dates

class Zar
{
public:
    explicit Zar(unsigned long long tohum) : m_(tohum) {}
    int aralik(int alt, int ust) { return std::uniform_int_distribution<int>(alt, ust)(m_); }
    double kesir() { return std::uniform_real_distribution<double>(0.0, 1.0)(m_); }
    bool olasilik(double p) { return kesir() < p; }
    // Index in [0, n) leaning to the front: the first entries of a list sell most.
    int egik(int n)
    {
        const double u = kesir();
        return std::min(n - 1, static_cast<int>(n * u * u));
    }

private:
    std::mt19937_64 m_;
};

double kurus(double v)
{
    return std::round(v * 100.0) / 100.0;
}

std::string ean13(const std::string& govde12)
{
    int toplam = 0;
    for (int i = 0; i < 12; ++i)
        toplam += (govde12[i] - '0') * (i % 2 ? 3 : 1);
    return govde12 + static_cast<char>('0' + (10 - toplam % 10) % 10);
}

// Hands out distinct Turkish EAN-13 barcodes. Multiplying by a number coprime to 10^9 is a
// bijection on nine digits, so every counter value gives another barcode without a lookup,
// and the codes are scattered like real ones instead of counting up.
class BarkodDagitici
{
public:
    std::string sonraki()
    {
        const unsigned long long govde = (sayac_++ * 387420489ULL + 104729ULL) % 1000000000ULL;
        char tampon[16];
        std::snprintf(tampon, sizeof tampon, "869%09llu", govde);
        return ean13(tampon);
    }

private:
    unsigned long long sayac_ = 1;
};

// Date-times are stored as 'yyyy-MM-dd HH:mm:ss.zzz' text, as the program writes them.
std::string tarihMetni(const QDate& gun, int saniye, int ms)
{
    char tampon[32];
    std::snprintf(tampon, sizeof tampon, "%04d-%02d-%02d %02d:%02d:%02d.%03d", gun.year(),
                  gun.month(), gun.day(), saniye / 3600, saniye / 60 % 60, saniye % 60, ms);
    return tampon;
}

std::string binlik(long long n)
{
    const std::string rakamlar = std::to_string(n);
    std::string s;
    for (size_t i = 0; i < rakamlar.size(); ++i) {
        if (i > 0 && (rakamlar.size() - i) % 3 == 0)
            s += '.';
        s += rakamlar[i];
    }
    return s;
}

// ---------------------------------------------------------------------------------------------
// The demo shop's goods

enum Tur { Normal, Tartili, TeraziEtiketli, Serbest, Giyim };

enum Birim { Adet = 1, Kg = 2, Lt = 3, Paket = 4 };

struct KatalogSatiri {
    const char* ad;
    int grup; // index into gruplar
    int birim;
    int kdv;
    double fiyat;
    Tur tur = Normal;
};

const char* const gruplar[] = {"GIDA",         "İÇECEK",        "TEMİZLİK", "MANAV",
                               "FIRIN",        "ŞARKÜTERİ",     "KASAP",    "SÜT ÜRÜNLERİ",
                               "ATIŞTIRMALIK", "KİŞİSEL BAKIM", "ÇEŞİTLİ"};
enum { GIDA, ICECEK, TEMIZLIK, MANAV, FIRIN, SARKUTERI, KASAP, SUT, ATISTIRMALIK, BAKIM, CESITLI };
constexpr int grupSayisi = sizeof gruplar / sizeof gruplar[0];

const char* const markalar[] = {"Bereket Çiftliği", "Gökçe Gıda",  "Dereboyu",  "Altınbaşak",
                                "Yeşilvadi",        "Kırlangıç",   "Çınaraltı", "Parlak Ev",
                                "Sedefköy",         "Toros Pınarı"};
constexpr int markaSayisi = sizeof markalar / sizeof markalar[0];

// Staples first within the list: sales pick from the front more often.
const KatalogSatiri katalog[] = {
    {"Ekmek", FIRIN, Adet, 1, 10.00},
    {"Süt 1 L", SUT, Adet, 1, 35.00},
    {"Yumurta 10'lu", SARKUTERI, Paket, 1, 60.00},
    {"Domates", MANAV, Kg, 1, 30.00, Tartili},
    {"Su 0,5 L", ICECEK, Adet, 10, 5.00},
    {"Simit", FIRIN, Adet, 10, 10.00},
    {"Ayran 200 ml", SUT, Adet, 1, 10.00},
    {"Salatalık", MANAV, Kg, 1, 25.00, Tartili},
    {"Patates", MANAV, Kg, 1, 20.00, Tartili},
    {"Kuru Soğan", MANAV, Kg, 1, 18.00, Tartili},
    {"Beyaz Peynir 500 g", SUT, Adet, 1, 120.00},
    {"Çay 1 kg", GIDA, Paket, 10, 250.00},
    {"Şeker 1 kg", GIDA, Paket, 1, 40.00},
    {"Su 1,5 L", ICECEK, Adet, 10, 10.00},
    {"Kola 1 L", ICECEK, Adet, 20, 35.00},
    {"Poğaça", FIRIN, Adet, 10, 12.50},
    {"Yoğurt 1 kg", SUT, Adet, 1, 60.00},
    {"Muz", MANAV, Kg, 1, 70.00, Tartili},
    {"Elma", MANAV, Kg, 1, 35.00, Tartili},
    {"Makarna 500 g", GIDA, Paket, 1, 20.00},
    {"Ayçiçek Yağı 1 L", GIDA, Adet, 10, 75.00},
    {"Sucuk 250 g", SARKUTERI, Paket, 10, 140.00},
    {"Çikolata 80 g", ATISTIRMALIK, Adet, 10, 30.00},
    {"Gofret 40 g", ATISTIRMALIK, Adet, 10, 10.00},
    {"Dana Kıyma", KASAP, Kg, 1, 550.00, TeraziEtiketli},
    {"Tavuk Göğüs", KASAP, Kg, 1, 220.00, TeraziEtiketli},
    {"Tam Buğday Ekmeği", FIRIN, Adet, 1, 17.50},
    {"Çavdar Ekmeği", FIRIN, Adet, 1, 20.00},
    {"Köy Ekmeği", FIRIN, Adet, 1, 25.00},
    {"Açma", FIRIN, Adet, 10, 12.50},
    {"Pide", FIRIN, Adet, 1, 20.00},
    {"Lavaş 10'lu", FIRIN, Paket, 10, 30.00},
    {"Bazlama", FIRIN, Adet, 10, 15.00},
    {"Kepekli Ekmek", FIRIN, Adet, 1, 17.50},
    {"Galeta 200 g", FIRIN, Paket, 10, 25.00},
    {"Süt 500 ml", SUT, Adet, 1, 20.00},
    {"Yarım Yağlı Süt 1 L", SUT, Adet, 1, 34.00},
    {"Ayran 1 L", SUT, Adet, 1, 30.00},
    {"Süzme Yoğurt 500 g", SUT, Adet, 1, 55.00},
    {"Kaşar Peyniri 400 g", SUT, Adet, 1, 150.00},
    {"Tulum Peyniri 250 g", SUT, Adet, 1, 110.00},
    {"Lor Peyniri 500 g", SUT, Adet, 1, 45.00},
    {"Tereyağı 250 g", SUT, Adet, 10, 130.00},
    {"Kaymak 200 g", SUT, Adet, 10, 90.00},
    {"Krem Peynir 180 g", SUT, Adet, 10, 50.00},
    {"Labne 200 g", SUT, Adet, 10, 45.00},
    {"Kefir 1 L", SUT, Adet, 10, 55.00},
    {"Salam 200 g", SARKUTERI, Paket, 10, 70.00},
    {"Sosis 500 g", SARKUTERI, Paket, 10, 95.00},
    {"Pastırma 100 g", SARKUTERI, Paket, 10, 180.00},
    {"Hindi Füme 150 g", SARKUTERI, Paket, 10, 80.00},
    {"Kavurma 200 g", SARKUTERI, Paket, 10, 250.00},
    {"Yumurta 30'lu", SARKUTERI, Paket, 1, 170.00},
    {"Siyah Zeytin 500 g", SARKUTERI, Paket, 10, 90.00},
    {"Yeşil Zeytin 500 g", SARKUTERI, Paket, 10, 85.00},
    {"Dana Kuşbaşı", KASAP, Kg, 1, 650.00, TeraziEtiketli},
    {"Kuzu Pirzola", KASAP, Kg, 1, 850.00, TeraziEtiketli},
    {"Tavuk But", KASAP, Kg, 1, 150.00, Tartili},
    {"Sivri Biber", MANAV, Kg, 1, 45.00, Tartili},
    {"Kapya Biber", MANAV, Kg, 1, 50.00, Tartili},
    {"Patlıcan", MANAV, Kg, 1, 35.00, Tartili},
    {"Havuç", MANAV, Kg, 1, 22.00, Tartili},
    {"Limon", MANAV, Kg, 1, 40.00, Tartili},
    {"Armut", MANAV, Kg, 1, 45.00, Tartili},
    {"Portakal", MANAV, Kg, 1, 30.00, Tartili},
    {"Mandalina", MANAV, Kg, 1, 32.00, Tartili},
    {"Üzüm", MANAV, Kg, 1, 50.00, Tartili},
    {"Çilek", MANAV, Kg, 1, 90.00, Tartili},
    {"Karpuz", MANAV, Kg, 1, 12.00, Tartili},
    {"Maydanoz Demet", MANAV, Adet, 1, 10.00},
    {"Dereotu Demet", MANAV, Adet, 1, 10.00},
    {"Marul", MANAV, Adet, 1, 20.00},
    {"Sarımsak 100 g", MANAV, Paket, 1, 25.00},
    {"Çay 500 g", GIDA, Paket, 10, 135.00},
    {"Türk Kahvesi 100 g", GIDA, Paket, 10, 60.00},
    {"Hazır Kahve 200 g", GIDA, Adet, 10, 190.00},
    {"Küp Şeker 500 g", GIDA, Paket, 1, 35.00},
    {"Un 1 kg", GIDA, Paket, 1, 30.00},
    {"Un 5 kg", GIDA, Paket, 1, 130.00},
    {"Pirinç 1 kg", GIDA, Paket, 1, 65.00},
    {"Baldo Pirinç 2 kg", GIDA, Paket, 1, 140.00},
    {"Bulgur 1 kg", GIDA, Paket, 1, 40.00},
    {"Kırmızı Mercimek 1 kg", GIDA, Paket, 1, 55.00},
    {"Yeşil Mercimek 1 kg", GIDA, Paket, 1, 60.00},
    {"Nohut 1 kg", GIDA, Paket, 1, 60.00},
    {"Kuru Fasulye 1 kg", GIDA, Paket, 1, 80.00},
    {"Spagetti 500 g", GIDA, Paket, 1, 20.00},
    {"Erişte 500 g", GIDA, Paket, 10, 40.00},
    {"Şehriye 500 g", GIDA, Paket, 1, 20.00},
    {"Ayçiçek Yağı 5 L", GIDA, Adet, 10, 350.00},
    {"Zeytinyağı 1 L", GIDA, Adet, 10, 350.00},
    {"Tuz 750 g", GIDA, Paket, 10, 12.00},
    {"Domates Salçası 830 g", GIDA, Adet, 10, 80.00},
    {"Biber Salçası 650 g", GIDA, Adet, 10, 95.00},
    {"Domates Konservesi 400 g", GIDA, Adet, 10, 35.00},
    {"Ton Balığı 160 g", GIDA, Adet, 10, 75.00},
    {"Çiçek Balı 450 g", GIDA, Adet, 10, 180.00},
    {"Vişne Reçeli 380 g", GIDA, Adet, 10, 60.00},
    {"Tahin 300 g", GIDA, Adet, 10, 90.00},
    {"Üzüm Pekmezi 400 g", GIDA, Adet, 10, 70.00},
    {"Fındık Ezmesi 350 g", GIDA, Adet, 10, 110.00},
    {"Tahin Helvası 500 g", GIDA, Adet, 10, 110.00},
    {"Mısır Gevreği 400 g", GIDA, Paket, 10, 85.00},
    {"Yulaf Ezmesi 500 g", GIDA, Paket, 10, 55.00},
    {"Kabartma Tozu 10'lu", GIDA, Paket, 10, 20.00},
    {"Kuru Maya 10 g", GIDA, Paket, 10, 5.00},
    {"Su 5 L", ICECEK, Adet, 10, 25.00},
    {"Damacana Su 19 L", ICECEK, Adet, 10, 90.00},
    {"Maden Suyu 200 ml", ICECEK, Adet, 10, 8.00},
    {"Kola 2,5 L", ICECEK, Adet, 20, 60.00},
    {"Gazoz 1 L", ICECEK, Adet, 20, 25.00},
    {"Portakallı Gazoz 1 L", ICECEK, Adet, 20, 28.00},
    {"Şeftali Suyu 1 L", ICECEK, Adet, 10, 45.00},
    {"Vişne Suyu 1 L", ICECEK, Adet, 10, 45.00},
    {"Buzlu Çay 1,5 L", ICECEK, Adet, 20, 40.00},
    {"Şalgam Suyu 1 L", ICECEK, Adet, 10, 30.00},
    {"Limonata 1 L", ICECEK, Adet, 10, 35.00},
    {"Soğuk Kahve 250 ml", ICECEK, Adet, 20, 35.00},
    {"Enerji İçeceği 250 ml", ICECEK, Adet, 20, 45.00},
    {"Sütlü Çikolata 150 g", ATISTIRMALIK, Adet, 10, 55.00},
    {"Bitter Çikolata 80 g", ATISTIRMALIK, Adet, 10, 35.00},
    {"Bisküvi 150 g", ATISTIRMALIK, Paket, 10, 20.00},
    {"Kraker 150 g", ATISTIRMALIK, Paket, 10, 18.00},
    {"Patates Cipsi 150 g", ATISTIRMALIK, Paket, 10, 45.00},
    {"Mısır Cipsi 150 g", ATISTIRMALIK, Paket, 10, 45.00},
    {"Karışık Kuruyemiş 200 g", ATISTIRMALIK, Paket, 10, 90.00},
    {"Leblebi 250 g", ATISTIRMALIK, Paket, 10, 50.00},
    {"Ay Çekirdeği 200 g", ATISTIRMALIK, Paket, 10, 35.00},
    {"Yer Fıstığı 200 g", ATISTIRMALIK, Paket, 10, 70.00},
    {"Sakız 5'li", ATISTIRMALIK, Paket, 10, 12.00},
    {"Lokum 400 g", ATISTIRMALIK, Paket, 10, 75.00},
    {"Kek 200 g", ATISTIRMALIK, Paket, 10, 30.00},
    {"Külah Dondurma", ATISTIRMALIK, Adet, 10, 20.00},
    {"Deterjan 3 kg", TEMIZLIK, Adet, 20, 250.00},
    {"Deterjan 6 kg", TEMIZLIK, Adet, 20, 450.00},
    {"Sıvı Deterjan 2,5 L", TEMIZLIK, Adet, 20, 220.00},
    {"Bulaşık Deterjanı 1 L", TEMIZLIK, Adet, 20, 70.00},
    {"Bulaşık Makinesi Tableti 40'lı", TEMIZLIK, Paket, 20, 300.00},
    {"Yumuşatıcı 3 L", TEMIZLIK, Adet, 20, 130.00},
    {"Çamaşır Suyu 3,5 L", TEMIZLIK, Adet, 20, 65.00},
    {"Yüzey Temizleyici 2,5 L", TEMIZLIK, Adet, 20, 80.00},
    {"Cam Temizleyici 500 ml", TEMIZLIK, Adet, 20, 50.00},
    {"Tuvalet Kağıdı 16'lı", TEMIZLIK, Paket, 20, 180.00},
    {"Kağıt Havlu 6'lı", TEMIZLIK, Paket, 20, 120.00},
    {"Peçete 100'lü", TEMIZLIK, Paket, 20, 30.00},
    {"Çöp Torbası Büyük 10'lu", TEMIZLIK, Paket, 20, 35.00},
    {"Bulaşık Süngeri 3'lü", TEMIZLIK, Paket, 20, 25.00},
    {"Kireç Çözücü 750 ml", TEMIZLIK, Adet, 20, 75.00},
    {"Sıvı Sabun 1,5 L", TEMIZLIK, Adet, 20, 70.00},
    {"Islak Mendil 90'lı", TEMIZLIK, Paket, 20, 45.00},
    {"Alüminyum Folyo 8 m", TEMIZLIK, Adet, 20, 45.00},
    {"Streç Film 30 m", TEMIZLIK, Adet, 20, 40.00},
    {"Şampuan 500 ml", BAKIM, Adet, 20, 110.00},
    {"Saç Kremi 350 ml", BAKIM, Adet, 20, 100.00},
    {"Diş Macunu 75 ml", BAKIM, Adet, 20, 65.00},
    {"Diş Fırçası", BAKIM, Adet, 20, 35.00},
    {"Duş Jeli 500 ml", BAKIM, Adet, 20, 90.00},
    {"Kalıp Sabun 4'lü", BAKIM, Paket, 20, 60.00},
    {"Deodorant 150 ml", BAKIM, Adet, 20, 95.00},
    {"Tıraş Köpüğü 200 ml", BAKIM, Adet, 20, 80.00},
    {"Tıraş Bıçağı 3'lü", BAKIM, Paket, 20, 70.00},
    {"Pamuk 100 g", BAKIM, Paket, 20, 30.00},
    {"Bebek Bezi 30'lu", BAKIM, Paket, 10, 350.00},
    {"Limon Kolonyası 400 ml", BAKIM, Adet, 20, 90.00},
    {"El Kremi 75 ml", BAKIM, Adet, 20, 60.00},
    {"Pil AA 4'lü", CESITLI, Paket, 20, 80.00},
    {"Çakmak", CESITLI, Adet, 20, 10.00},
    {"Kibrit 10'lu", CESITLI, Paket, 20, 15.00},
    {"LED Ampul 9 W", CESITLI, Adet, 20, 60.00},
    {"Mum 5'li", CESITLI, Paket, 20, 40.00},
    {"Yapışkan Bant", CESITLI, Adet, 20, 20.00},
    {"Tükenmez Kalem", CESITLI, Adet, 20, 10.00},
    {"Alışveriş Poşeti", CESITLI, Adet, 20, 0.50},
    {"Pamuklu Çorap", CESITLI, Adet, 10, 40.00, Giyim},
    {"Muhtelif Ürün", CESITLI, Adet, 20, 0.00, Serbest},
};
constexpr int katalogBoyu = sizeof katalog / sizeof katalog[0];

// Barcodes the shop does not stock yet: the master list answers for them at the till.
const struct {
    const char* ad;
    int kdv;
} masterListesi[] = {
    {"Kırmızı Mercimek 2 kg", 1},
    {"Pirinç 2,5 kg", 1},
    {"Çay 2 kg", 10},
    {"Süt 200 ml", 1},
    {"Beyaz Peynir 1 kg", 1},
    {"Kaşar Peyniri 1 kg", 1},
    {"Ayran 2 L", 1},
    {"Yoğurt 2 kg", 1},
    {"Makarna 1 kg", 1},
    {"Un 10 kg", 1},
    {"Şeker 3 kg", 1},
    {"Zeytinyağı 2 L", 10},
    {"Su 10 L", 10},
    {"Kola 330 ml", 20},
    {"Gazoz 250 ml", 20},
    {"Deterjan 9 kg", 20},
    {"Bulaşık Deterjanı 2 L", 20},
    {"Şampuan 700 ml", 20},
    {"Diş Macunu 125 ml", 20},
    {"Tuvalet Kağıdı 32'li", 20},
};

// Parts for the generated names of the large catalogue.
const char* const adKokleri[] = {
    "Süt",   "Peynir",   "Yoğurt",     "Makarna",    "Pirinç", "Bulgur", "Mercimek", "Nohut",
    "Çay",   "Kahve",    "Şeker",      "Un",         "Yağ",    "Zeytin", "Reçel",    "Bal",
    "Salça", "Konserve", "Bisküvi",    "Çikolata",   "Gofret", "Kraker", "Cips",     "Kuruyemiş",
    "Su",    "Kola",     "Gazoz",      "Meyve Suyu", "Ayran",  "Kefir",  "Deterjan", "Yumuşatıcı",
    "Sabun", "Şampuan",  "Diş Macunu", "Peçete",     "Havlu",  "Sünger", "Lokum",    "Helva",
};
const char* const adTurleri[] = {"",          "Klasik ",  "Light ", "Organik ",   "Tam Yağlı ",
                                 "Ekonomik ", "Ev Tipi ", "Doğal ", "Aile Boyu ", "Mini "};
const char* const adBoylari[] = {"100 g",  "250 g",  "500 g", "1 kg",  "2 kg",
                                 "250 ml", "500 ml", "1 L",   "1,5 L", "5'li"};

// ---------------------------------------------------------------------------------------------
// Pictures

QColor grupRengi(int grup, int sira)
{
    const int ton = (grup * 360 / grupSayisi + (sira % 5) * 7) % 360;
    return QColor::fromHsv(ton, 140, 200);
}

QString basHarfler(const QString& ad)
{
    const QLocale tr(QLocale::Turkish);
    QString sonuc;
    for (const QString& kelime : ad.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!kelime.at(0).isLetter())
            break; // sizes and counts say nothing about the product
        sonuc += kelime.at(0);
        if (sonuc.size() == 2)
            break;
    }
    if (sonuc.size() < 2 && ad.size() > 1 && ad.at(1).isLetter())
        sonuc = ad.left(2);
    return tr.toUpper(sonuc);
}

QByteArray resimCiz(const QString& ad, const QColor& renk)
{
    constexpr int boy = 128;
    QImage resim(boy, boy, QImage::Format_ARGB32_Premultiplied);
    resim.fill(Qt::transparent);
    {
        QPainter p(&resim);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(renk);
        p.drawRoundedRect(QRectF(4, 4, boy - 8, boy - 8), 18, 18);
        QFont yazi(QStringLiteral("DejaVu Sans"));
        yazi.setBold(true);
        yazi.setPixelSize(52);
        p.setFont(yazi);
        p.setPen(Qt::white);
        p.drawText(QRect(0, 0, boy, boy), Qt::AlignCenter, basHarfler(ad));
    }
    QByteArray png;
    QBuffer tampon(&png);
    tampon.open(QIODevice::WriteOnly);
    resim.save(&tampon, "PNG");
    return png;
}

// ---------------------------------------------------------------------------------------------
// Generation

struct Secenekler {
    std::string yol;
    long long urunSayisi = -1; // -1: the demo catalogue
    int satisGunu = -1;        // -1: demo sales; 0: none
    int gunlukSatis = -1;      // -1: varies by day
    bool resimler = false;
    bool resimSecildi = false;
};

struct Urun {
    long long id;
    int birim;
    int kdv;
    double fiyat;
    double alis;
    Tur tur;
    int grup;
};

struct Sayac {
    long long urun = 0, satis = 0, satir = 0, iade = 0, veresiye = 0, cari = 0, giris = 0;
};

class Uretici
{
public:
    Uretici(Vt& vt, const Secenekler& a) : vt_(vt), a_(a), zar_(20240611) {}

    Sayac calis()
    {
        gruplariEkle();
        markalariEkle();
        if (a_.urunSayisi < 0)
            katalogEkle();
        else
            urunUret(a_.urunSayisi);
        carileriEkle();
        kullanicilariEkle();
        masterEkle();
        butonlariEkle();
        const int gun = a_.satisGunu < 0 ? 28 : a_.satisGunu;
        stokGirisleri(gun);
        if (gun > 0)
            satislar(gun);
        return s_;
    }

private:
    void gruplariEkle()
    {
        Komut k(vt_, "INSERT INTO grup (adi) VALUES (?)");
        for (const char* ad : gruplar) {
            k.bag(1, ad).yap();
            grupId_.push_back(vt_.sonId());
        }
    }

    void markalariEkle()
    {
        Komut k(vt_, "INSERT INTO marka (adi) VALUES (?)");
        for (const char* ad : markalar) {
            k.bag(1, ad).yap();
            markaId_.push_back(vt_.sonId());
        }
    }

    static constexpr const char* stokEkleSql =
        "INSERT INTO stok (barkod, stokkodu, stokadi, satisfiyat1, satisfiyat2, satisfiyat3, "
        "alisfiyat, kdv, birim, grup, marka, sinirsayi, resim, aciklama, pasif, tartiliUrun, "
        "tartiCarpan, teraziBarkodu, barkod2, barkod3, barkod4, barkod5, barkod6, barkod7, "
        "barkod8, serbestsatis, giyim) "
        "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,0,?,?,?,?,?,?,?,?,?,?,?,?)";

    void katalogEkle()
    {
        Komut k(vt_, stokEkleSql);
        Komut renk(vt_, "INSERT INTO stok_renk (stokid, renk_adi, sira) VALUES (?,?,?)");
        Komut beden(vt_, "INSERT INTO stok_beden (stokid, beden_adi, sira) VALUES (?,?,?)");
        const bool resim = a_.resimler;
        int teraziNo = 0;
        for (int i = 0; i < katalogBoyu; ++i) {
            const KatalogSatiri& u = katalog[i];
            char kod[16];
            std::snprintf(kod, sizeof kod, "STK%05d", i + 1);
            std::string barkod;
            if (u.tur == TeraziEtiketli) {
                // A label scale prints these seven digits, then the weight in grams.
                char onek[16];
                std::snprintf(onek, sizeof onek, "27%05d", ++teraziNo);
                barkod = onek;
            } else {
                barkod = barkodlar_.sonraki();
            }
            const double alis = kurus(u.fiyat * (0.62 + 0.16 * zar_.kesir()));
            k.bag(1, barkod).bag(2, kod).bag(3, u.ad).bag(4, u.fiyat);
            k.bag(5, kurus(u.fiyat * 0.95)).bag(6, u.fiyat).bag(7, alis).bag(8, u.kdv);
            k.bag(9, u.birim).bag(10, grupId_[u.grup]);
            if (u.grup != MANAV && u.grup != KASAP && u.grup != FIRIN)
                k.bag(11, markaId_[static_cast<size_t>(i % markaSayisi)]);
            const bool uyari = i % 3 == 0 && u.tur != Serbest;
            k.bag(12, uyari ? static_cast<double>(5 * (1 + i % 4)) : 0.0);
            if (resim)
                k.bag(13, resimCiz(QString::fromUtf8(u.ad), grupRengi(u.grup, i)));
            if (u.tur == Serbest)
                k.bag(14, "Fiyatı kasada sorulur");
            k.bag(15, u.tur == Tartili ? 1 : 0).bag(16, 1).bag(17, u.tur == TeraziEtiketli ? 1 : 0);
            // Multipacks and imports often carry a second or third barcode.
            if (i % 9 == 4)
                k.bag(18, barkodlar_.sonraki());
            if (i % 27 == 4)
                k.bag(19, barkodlar_.sonraki());
            k.bag(25, u.tur == Serbest ? 1 : 0).bag(26, u.tur == Giyim ? 1 : 0);
            k.yap();
            const long long id = vt_.sonId();
            urunler_.push_back({id, u.birim, u.kdv, u.fiyat, alis, u.tur, u.grup});
            if (u.tur == Giyim) {
                const char* renkler[] = {"Siyah", "Beyaz", "Lacivert", "Gri"};
                const char* bedenler[] = {"36-39", "40-43", "44-46"};
                for (int r = 0; r < 4; ++r)
                    renk.bag(1, id).bag(2, renkler[r]).bag(3, r + 1).yap();
                for (int b = 0; b < 3; ++b)
                    beden.bag(1, id).bag(2, bedenler[b]).bag(3, b + 1).yap();
            }
            ++s_.urun;
        }
    }

    void urunUret(long long n)
    {
        Komut k(vt_, stokEkleSql);
        constexpr int kokSayisi = sizeof adKokleri / sizeof adKokleri[0];
        constexpr int turSayisi = sizeof adTurleri / sizeof adTurleri[0];
        constexpr int boySayisi = sizeof adBoylari / sizeof adBoylari[0];
        constexpr long long cesit = static_cast<long long>(kokSayisi) * turSayisi * boySayisi;
        urunler_.reserve(static_cast<size_t>(n));
        std::string ad, kod;
        for (long long i = 0; i < n; ++i) {
            const int kok = static_cast<int>(i % kokSayisi);
            const int tur = static_cast<int>(i / kokSayisi % turSayisi);
            const int boy = static_cast<int>(i / (kokSayisi * turSayisi) % boySayisi);
            const int marka = static_cast<int>(i / cesit % markaSayisi);
            ad.assign(markalar[marka]).append(" ").append(adTurleri[tur]).append(adKokleri[kok]);
            ad.append(" ").append(adBoylari[boy]);
            if (i >= cesit * markaSayisi)
                ad.append(" S").append(std::to_string(i / (cesit * markaSayisi) + 1));
            char tampon[24];
            std::snprintf(tampon, sizeof tampon, "S%08lld", i + 1);
            kod = tampon;

            const bool tartili = i % 50 == 7;
            const int birim = tartili ? Kg : (i % 4 == 1 ? Paket : Adet);
            const int kdv = i % 5 == 0 ? 1 : (i % 5 < 3 ? 10 : 20);
            const int grup = static_cast<int>(i % grupSayisi);
            const double fiyat = kurus(2.5 + zar_.kesir() * zar_.kesir() * 600.0);
            const double alis = kurus(fiyat * (0.62 + 0.16 * zar_.kesir()));
            k.bag(1, barkodlar_.sonraki()).bag(2, kod).bag(3, ad).bag(4, fiyat);
            k.bag(5, kurus(fiyat * 0.95)).bag(6, fiyat).bag(7, alis).bag(8, kdv);
            k.bag(9, birim).bag(10, grupId_[static_cast<size_t>(grup)]);
            k.bag(11, markaId_[static_cast<size_t>(marka)]);
            k.bag(12, i % 7 == 0 ? 10.0 : 0.0);
            if (a_.resimler)
                k.bag(13, resimCiz(QString::fromUtf8(ad.c_str()),
                                   grupRengi(grup, static_cast<int>(i))));
            k.bag(15, tartili ? 1 : 0).bag(16, 1).bag(17, 0);
            // Some products answer to several barcodes: every tenth to two, a few to all eight.
            const int ekBarkod = i % 500 == 3 ? 7 : (i % 50 == 3 ? 3 : (i % 10 == 3 ? 1 : 0));
            for (int b = 0; b < ekBarkod; ++b)
                k.bag(18 + b, barkodlar_.sonraki());
            k.bag(25, 0).bag(26, 0);
            k.yap();
            urunler_.push_back(
                {vt_.sonId(), birim, kdv, fiyat, alis, tartili ? Tartili : Normal, grup});
            ++s_.urun;
        }
    }

    void carileriEkle()
    {
        struct Kisi {
            const char* ad;
            const char* gsm;
            const char* ilce;
            const char* adres;
        };
        static const Kisi musteriler[] = {
            {"Ahmet Yılmaz", "0532 418 27 63", "Çankaya", "Kızılay Mah. Menekşe Sok. No: 4/2"},
            {"Ayşe Kaya", "0533 291 54 80", "Keçiören", "Etlik Mah. Gül Sok. No: 17/5"},
            {"Mehmet Demir", "0542 730 16 94", "Yenimahalle", "Demetevler Mah. 402. Cad. No: 9"},
            {"Fatma Çelik", "0505 612 38 45", "Çankaya", "Bahçelievler Mah. 7. Sok. No: 21/3"},
            {"Mustafa Şahin", "0544 157 92 06", "Mamak", "Kutlu Mah. Şehit Er Sok. No: 3"},
            {"Zeynep Arslan", "0535 884 21 70", "Etimesgut", "Elvan Mah. Lale Cad. No: 45/8"},
            {"Hüseyin Koç", "0507 346 59 12", "Çankaya", "Ayrancı Mah. Portakal Sok. No: 6/1"},
            {"Elif Aydın", "0553 920 47 38", "Keçiören", "Aktepe Mah. Çınar Sok. No: 12"},
        };
        static const Kisi saticilar[] = {
            {"Bereket Gıda Toptan Ltd. Şti.", "0532 700 11 22", "Altındağ",
             "Siteler Mah. Ticaret Cad. No: 88"},
            {"Anadolu Süt Ürünleri A.Ş.", "0533 811 42 90", "Sincan",
             "Organize Sanayi Bölgesi 12. Cad. No: 5"},
            {"Ege Temizlik Malzemeleri", "0542 655 73 14", "Yenimahalle",
             "Ostim Mah. 1234. Sok. No: 19"},
            {"Yeşilvadi Sebze Meyve Hali", "0505 944 30 57", "Altındağ",
             "Hal Kompleksi B Blok No: 41"},
            {"Çınaraltı İçecek Dağıtım", "0544 320 86 61", "Etimesgut",
             "Bağlıca Mah. Depo Sok. No: 2"},
        };
        Komut k(vt_, "INSERT INTO cari (CARIKODU, CARIADI, tip, gsm, tel, ePosta, ulke, il, ilce, "
                     "adres, vergidairesi, vergino, iban, pasif) "
                     "VALUES (?,?,?,?,?,?,'Türkiye','ANKARA',?,?,?,?,?,0)");
        int no = 0;
        for (const Kisi& m : musteriler) {
            char kod[16];
            std::snprintf(kod, sizeof kod, "120.%03d", ++no);
            k.bag(1, kod).bag(2, m.ad).bag(3, 1).bag(4, m.gsm).bag(7, m.ilce).bag(8, m.adres);
            k.yap();
            musteriId_.push_back(vt_.sonId());
            ++s_.cari;
        }
        no = 0;
        for (const Kisi& t : saticilar) {
            char kod[16], tel[20], vergi[16], eposta[32], iban[40];
            ++no;
            std::snprintf(kod, sizeof kod, "320.%03d", no);
            std::snprintf(tel, sizeof tel, "0312 %03d %02d %02d", 350 + no * 17, 10 + no * 7,
                          20 + no * 11);
            std::snprintf(vergi, sizeof vergi, "%010d", 1234567890 - no * 1111111);
            std::snprintf(eposta, sizeof eposta, "siparis%d@ornek.com.tr", no);
            std::snprintf(iban, sizeof iban, "TR%02d 0001 %04d %04d %04d %04d %02d", 10 + no,
                          1000 + no, 2000 + no * 3, 3000 + no * 7, 4000 + no * 11, no);
            k.bag(1, kod).bag(2, t.ad).bag(3, 2).bag(4, t.gsm).bag(5, tel).bag(6, eposta);
            k.bag(7, t.ilce).bag(8, t.adres).bag(9, "Ulus Vergi Dairesi").bag(10, vergi);
            k.bag(11, iban);
            k.yap();
            ++s_.cari;
        }
    }

    void kullanicilariEkle()
    {
        struct Kullanici {
            const char* ad;
            const char* soyad;
            const char* unvan;
            const char* giris;
            const char* sifre;
            std::vector<const char*> yetkiler;
        };
        const Kullanici liste[] = {
            {"Selin",
             "Öztürk",
             "Kasiyer",
             "kasiyer",
             "1111",
             {"HSRAPOR", "HSSATIRDUZENLE", "CARILISTE", "TAHSILATGIR", "KASALİSTE"}},
            {"Burak",
             "Yıldız",
             "Mağaza Sorumlusu",
             "sorumlu",
             "2222",
             {"STOKLISTE", "STOKEKLE", "STOKGUNCELLE", "HSRAPOR", "HSSIL", "HSSATIRDUZENLE",
              "CARILISTE", "CARIEKLE", "TAHSILATGIR", "BORCEKLE", "ODEMEGIR", "KASALİSTE",
              "KASAGIRIS", "KASACIKIS", "AFDUZ", "SFDUZ"}},
        };
        Komut k(vt_, "INSERT INTO user (ad, soyad, unvan, user, pass, admin) "
                     "VALUES (?,?,?,?,?,0)");
        Komut yetki(vt_, "INSERT INTO useryetki (userid, yetkiid) "
                         "SELECT ?, id FROM yetkiler WHERE YETKIKISAAD = ?");
        for (const Kullanici& u : liste) {
            k.bag(1, u.ad).bag(2, u.soyad).bag(3, u.unvan).bag(4, u.giris).bag(5, u.sifre).yap();
            const long long id = vt_.sonId();
            for (const char* kod : u.yetkiler)
                yetki.bag(1, id).bag(2, kod).yap();
        }
    }

    void masterEkle()
    {
        Komut k(vt_, "INSERT INTO StokMaster (barkod, urunAdi, stokkodu, kdv, birim) "
                     "VALUES (?,?,?,?,?)");
        int no = 0;
        for (const auto& m : masterListesi) {
            char kod[16];
            std::snprintf(kod, sizeof kod, "M%05d", ++no);
            k.bag(1, barkodlar_.sonraki()).bag(2, m.ad).bag(3, kod);
            k.bag(4, m.kdv).bag(5, Adet).yap();
        }
    }

    void butonlariEkle()
    {
        Komut grup(vt_, "INSERT INTO hsgrup (adi, sira) VALUES (?,?)");
        Komut buton(vt_, "INSERT INTO hssira (hsgrupid, stokid, sira) VALUES (?,?,?)");
        // The goods sold without a barcode get a page each; big catalogues just get a sample.
        const int sayfalar[] = {FIRIN, MANAV, KASAP, SARKUTERI};
        for (int s = 0; s < 4; ++s) {
            grup.bag(1, gruplar[sayfalar[s]]).bag(2, s + 1).yap();
            const long long grupId = vt_.sonId();
            int sira = 0;
            for (const Urun& u : urunler_) {
                if (u.grup != sayfalar[s])
                    continue;
                buton.bag(1, grupId).bag(2, u.id).bag(3, ++sira).yap();
                if (sira == 16)
                    break;
            }
        }
    }

    // Opening stock: one entry document per product, written the way the stock movement
    // screen writes it, dated the evening before the first day of sales.
    void stokGirisleri(int satisGunu)
    {
        const int cariTipi = odemeTipi(vt_, "CARİ");
        Komut odeme(vt_, "INSERT INTO odeme (odemetipid, tutar) VALUES (?,?)");
        Komut fatura(vt_, "INSERT INTO fatura (faturano, cariid, tarih, vadetarihi, tipi, odemeid, "
                          "personelid, aciklama) VALUES (?,-98,?,?,'SG',?,1,'Açılış stoku')");
        Komut har(vt_, "INSERT INTO stokhar (stokid, faturaid, tipi, gckodu, miktar, kdv, fiyat, "
                       "alisFiyat, iskonto, tarih, aciklama) "
                       "VALUES (?,?,'SG','G',?,?,?,?,0,?,'Açılış stoku')");
        const QDate gun = sonGun_.addDays(-std::max(satisGunu, 1));
        long long sonrakiNo = sayi(vt_, "SELECT IFNULL(MAX(id),0)+1 FROM fatura");
        const double satirlar = beklenenSatir(satisGunu);
        const int n = static_cast<int>(urunler_.size());
        for (int i = 0; i < n; ++i) {
            const Urun& u = urunler_[static_cast<size_t>(i)];
            if (u.tur == Serbest)
                continue;
            // Enough for the sales to come, with a margin, so that few products run out.
            const double pay = std::sqrt((i + 1.0) / n) - std::sqrt(static_cast<double>(i) / n);
            double miktar = std::ceil(satirlar * pay * 2.6) + zar_.aralik(5, 40);
            if (u.birim == Kg)
                miktar = std::ceil(miktar * 0.8);
            const std::string tarih = tarihMetni(gun, 19 * 3600 + i % 7200, i % 1000);
            odeme.bag(1, cariTipi).bag(2, u.alis).yap();
            const long long odemeId = vt_.sonId();
            fatura.bag(1, "SG" + std::to_string(sonrakiNo)).bag(2, tarih).bag(3, tarih);
            fatura.bag(4, odemeId).yap();
            const long long faturaId = vt_.sonId();
            sonrakiNo = faturaId + 1;
            har.bag(1, u.id).bag(2, faturaId).bag(3, miktar).bag(4, u.kdv).bag(5, u.fiyat);
            har.bag(6, u.alis).bag(7, tarih).yap();
            ++s_.giris;
        }
    }

    int gunlukSatis(const QDate& gun)
    {
        if (a_.gunlukSatis >= 0)
            return a_.gunlukSatis;
        const bool haftaSonu = gun.dayOfWeek() >= 6;
        return haftaSonu ? zar_.aralik(55, 80) : zar_.aralik(35, 60);
    }

    double beklenenSatir(int gun) const
    {
        const double gunluk = a_.gunlukSatis >= 0 ? a_.gunlukSatis : 53.0;
        return gun * gunluk * 3.0;
    }

    // Till sales in the shape of a completed basket: one payment, one document, a stock line
    // per basket line and one account row. A few are returns and a few go on account.
    void satislar(int gunSayisi)
    {
        const int nakit = odemeTipi(vt_, "NAKİT");
        const int kart = odemeTipi(vt_, "KREDİ KARTI");
        const int cari = odemeTipi(vt_, "CARİ");
        Komut odeme(vt_, "INSERT INTO odeme (odemetipid, tutar) VALUES (?,?)");
        Komut fatura(vt_, "INSERT INTO fatura (faturano, cariid, tarih, vadetarihi, tipi, odemeid, "
                          "personelid, aciklama) VALUES (?,?,?,?,?,?,1,?)");
        Komut har(vt_, "INSERT INTO stokhar (stokid, faturaid, tipi, gckodu, miktar, kdv, fiyat, "
                       "alisFiyat, iskonto, tarih, aciklama, tutar) "
                       "VALUES (?,?,?,?,?,?,?,?,0,?,?,?)");
        Komut cariHar(vt_, "INSERT INTO carihar (cariid, faturaid, gckodu, tipi, tutar, kasaid) "
                           "VALUES (?,?,?,?,?,999)");

        std::vector<const Urun*> satilik;
        for (const Urun& u : urunler_)
            if (u.tur != Serbest && u.tur != Giyim)
                satilik.push_back(&u);
        if (satilik.empty())
            return;
        const int urunSayisi = static_cast<int>(satilik.size());

        struct Satir {
            const Urun* urun;
            double miktar;
            double tutar;
        };
        std::vector<Satir> sepet;
        std::vector<int> saniyeler;
        long long sonrakiNo = sayi(vt_, "SELECT IFNULL(MAX(id),0)+1 FROM fatura");

        for (int g = gunSayisi - 1; g >= 0; --g) {
            const QDate gun = sonGun_.addDays(-g);
            const int kapanis = g == 0 ? sonKapanis_ : kapanisSaati;
            const int adet = gunlukSatis(gun);
            saniyeler.resize(static_cast<size_t>(adet));
            for (int& s : saniyeler)
                s = zar_.aralik(acilisSaati, kapanis - 1);
            std::sort(saniyeler.begin(), saniyeler.end());

            for (int s : saniyeler) {
                sepet.clear();
                double toplam = 0;
                const int satirSayisi = 1 + zar_.egik(6) + (zar_.olasilik(0.3) ? 1 : 0);
                for (int l = 0; l < satirSayisi; ++l) {
                    const Urun* u = satilik[static_cast<size_t>(zar_.egik(urunSayisi))];
                    double miktar;
                    if (u->birim == Kg)
                        miktar = zar_.aralik(150, 2500) / 1000.0;
                    else
                        miktar = zar_.olasilik(0.75) ? 1 : zar_.aralik(2, 4);
                    const double tutar = u->fiyat * miktar;
                    sepet.push_back({u, miktar, tutar});
                    toplam += tutar;
                }

                const bool iade = zar_.olasilik(0.01);
                const bool veresiye = !iade && zar_.olasilik(0.04);
                const int odemeTipi = veresiye ? cari : (zar_.olasilik(0.62) ? nakit : kart);
                const char* islem =
                    veresiye ? "CARİ" : (odemeTipi == nakit ? "NAKİT" : "KREDİ KARTI");
                const char* kod = veresiye ? "HSV" : "HS";
                const long long cariId =
                    veresiye ? musteriId_[static_cast<size_t>(
                                   zar_.aralik(0, static_cast<int>(musteriId_.size()) - 1))]
                             : -99;
                const std::string aciklama =
                    std::string(iade ? "PERAKENDE İADE - " : "PERAKENDE SATIŞ - ") + islem;
                const std::string tarih = tarihMetni(gun, s, zar_.aralik(0, 999));

                odeme.bag(1, odemeTipi).bag(2, iade ? -toplam : toplam).yap();
                const long long odemeId = vt_.sonId();
                fatura.bag(1, kod + std::to_string(sonrakiNo)).bag(2, cariId).bag(3, tarih);
                fatura.bag(4, tarih).bag(5, kod).bag(6, odemeId).bag(7, aciklama).yap();
                const long long faturaId = vt_.sonId();
                sonrakiNo = faturaId + 1;
                for (const Satir& l : sepet) {
                    har.bag(1, l.urun->id).bag(2, faturaId).bag(3, kod).bag(4, iade ? "G" : "C");
                    har.bag(5, l.miktar).bag(6, l.urun->kdv).bag(7, l.urun->fiyat);
                    har.bag(8, l.urun->alis).bag(9, tarih).bag(10, aciklama).bag(11, l.tutar);
                    har.yap();
                }
                cariHar.bag(1, cariId).bag(2, faturaId).bag(3, iade ? "C" : "G").bag(4, kod);
                cariHar.bag(5, toplam).yap();

                ++s_.satis;
                s_.satir += static_cast<long long>(sepet.size());
                s_.iade += iade;
                s_.veresiye += veresiye;
            }
        }
    }

    // The shop is open 08:00-22:00. Sales end now; before opening they end last night.
    static constexpr int acilisSaati = 8 * 3600, kapanisSaati = 22 * 3600;
    static QDate sonSatisGunu(int simdi)
    {
        const QDate bugun = QDate::currentDate();
        return simdi < acilisSaati + 600 ? bugun.addDays(-1) : bugun;
    }

    Vt& vt_;
    const Secenekler& a_;
    Zar zar_;
    const int simdi_ = QTime::currentTime().msecsSinceStartOfDay() / 1000;
    const QDate sonGun_ = sonSatisGunu(simdi_);
    const int sonKapanis_ =
        sonGun_ == QDate::currentDate() ? std::min(simdi_, kapanisSaati) : kapanisSaati;
    BarkodDagitici barkodlar_;
    Sayac s_;
    std::vector<long long> grupId_, markaId_, musteriId_;
    std::vector<Urun> urunler_;
};

// ---------------------------------------------------------------------------------------------

void kullanim()
{
    std::fprintf(stderr,
                 "Kullanım: demoveri <veritabanı> [--products N] [--sales-days D] "
                 "[--sales-per-day S] [--pictures | --no-pictures]\n"
                 "  Sayı verilmezse örnek market kurulur: ~180 ürün resimleriyle, cariler,\n"
                 "  kullanıcılar, açılış stoku ve son 4 haftanın kasa satışları.\n"
                 "  --products N      örnek ürünler yerine N üretilmiş ürün (resimsiz)\n"
                 "  --sales-days D    bugün biten D günlük satış (0: satış yok)\n"
                 "  --sales-per-day S günde S satış\n"
                 "Veritabanı install/script.sql ile kurulmuş ve ürünsüz olmalıdır.\n");
}

bool sayiOku(const char* metin, long long& sonuc)
{
    const char* son = metin + std::strlen(metin);
    const auto [p, hata] = std::from_chars(metin, son, sonuc);
    return hata == std::errc() && p == son && sonuc >= 0;
}

bool argumanlar(int argc, char** argv, Secenekler& a)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        long long deger = 0;
        auto sayiAl = [&]() { return i + 1 < argc && sayiOku(argv[++i], deger); };
        if (arg == "--products") {
            if (!sayiAl())
                return false;
            a.urunSayisi = deger;
        } else if (arg == "--sales-days") {
            if (!sayiAl() || deger > 36600)
                return false;
            a.satisGunu = static_cast<int>(deger);
        } else if (arg == "--sales-per-day") {
            if (!sayiAl() || deger > 10000000)
                return false;
            a.gunlukSatis = static_cast<int>(deger);
        } else if (arg == "--pictures" || arg == "--no-pictures") {
            a.resimler = arg == "--pictures";
            a.resimSecildi = true;
        } else if (arg == "-h" || arg == "--help" || !a.yol.empty() || arg.starts_with("-")) {
            return false;
        } else {
            a.yol = arg;
        }
    }
    if (a.yol.empty())
        return false;
    // A count of sales per day alone means the four demo weeks at that rate.
    if (a.gunlukSatis >= 0 && a.satisGunu < 0)
        a.satisGunu = 28;
    // Generated catalogues get sales only when asked for.
    if (a.urunSayisi >= 0 && a.satisGunu < 0)
        a.satisGunu = 0;
    if (a.satisGunu > 0 && a.gunlukSatis < 0 && a.urunSayisi >= 0)
        a.gunlukSatis = 100;
    // Pictures cost time; only the demo shop draws them unless told otherwise.
    if (!a.resimSecildi)
        a.resimler = a.urunSayisi < 0;
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    Secenekler a;
    if (!argumanlar(argc, argv, a)) {
        kullanim();
        return 2;
    }
    std::unique_ptr<QGuiApplication> uygulama;
    const auto bas = std::chrono::steady_clock::now();
    try {
        Vt vt(a.yol);
        if (sayi(vt, "SELECT COUNT(*) FROM sqlite_master WHERE type='table' AND name='stok'") ==
            0) {
            std::fprintf(stderr,
                         "demoveri: %s içinde stok tablosu yok. Önce şemayı kurun:\n"
                         "  sqlite3 %s < install/script.sql\n",
                         a.yol.c_str(), a.yol.c_str());
            return 1;
        }
        if (sayi(vt, "SELECT COUNT(*) FROM stok") > 0) {
            std::fprintf(stderr, "demoveri: %s içinde zaten ürün var; boş bir veritabanı verin.\n",
                         a.yol.c_str());
            return 1;
        }
        // Text needs the font machinery of a GUI application; offscreen needs no display.
        if (a.resimler) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            uygulama = std::make_unique<QGuiApplication>(argc, argv);
        }
        // One transaction, its journal in memory and nothing synced: an error rolls all back,
        // only a crash could spoil the file, and a demo file is simply made again.
        vt.calistir("PRAGMA journal_mode=MEMORY");
        vt.calistir("PRAGMA synchronous=OFF");
        vt.calistir("PRAGMA cache_size=-262144");
        vt.calistir("PRAGMA temp_store=MEMORY");
        vt.calistir("BEGIN");
        Uretici u(vt, a);
        Sayac s;
        try {
            s = u.calis();
            vt.calistir("COMMIT");
        } catch (...) {
            sqlite3_exec(vt.ham(), "ROLLBACK", nullptr, nullptr, nullptr);
            throw;
        }
        const double sure =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - bas).count();
        std::printf("demoveri: %s ürün, %s açılış girişi, %s satış (%s satır, %s iade, "
                    "%s veresiye), %s cari; %.1f sn\n",
                    binlik(s.urun).c_str(), binlik(s.giris).c_str(), binlik(s.satis).c_str(),
                    binlik(s.satir).c_str(), binlik(s.iade).c_str(), binlik(s.veresiye).c_str(),
                    binlik(s.cari).c_str(), sure);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "demoveri: %s\n", e.what());
        return 1;
    }
    return 0;
}
