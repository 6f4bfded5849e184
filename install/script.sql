-- Torvel Shop database schema and fixed rows.
--
-- The schema updater reads this file line by line to bring older databases up
-- to date, so the layout is strict:
--   * a table starts with a line CREATE TABLE IF NOT EXISTS "name" (
--   * one column a line, its name in double quotes, at most one trailing comma
--   * keys only on lines carrying PRIMARY KEY / CONSTRAINT / FOREIGN KEY
--   * the closing bracket and semicolon on a line of their own
--   * comments only as whole lines starting with two dashes, either right
--     after a CREATE TABLE line or right before a statement that is not a
--     CREATE: the settings button keeps comment lines with the statement that
--     follows them, and a CREATE that begins with a comment would not run there
--   * every statement ends with a semicolon at the end of a line
-- Column lines must stay valid for ALTER TABLE ADD COLUMN: no UNIQUE or primary
-- key on a column line, NOT NULL only together with a default.
-- Index columns stay unquoted: a quoted name of a column that an old database
-- still lacks would be taken for a string and give a broken index, while a bare
-- name fails cleanly and the index is made at the next run, after the column.
-- Date-times are text 'yyyy-MM-dd HH:mm:ss.zzz', so text order is time order.
-- Nothing relies on foreign keys; this statement also closes the header above.
PRAGMA foreign_keys = OFF;

CREATE TABLE IF NOT EXISTS "stok" (
"id" INTEGER,
"barkod" VARCHAR(50),
"stokkodu" VARCHAR(50) NOT NULL DEFAULT '',
"stokadi" VARCHAR(50) NOT NULL DEFAULT '',
"satisfiyat1" FLOAT NOT NULL DEFAULT 0,
"satisfiyat2" FLOAT DEFAULT 0,
"satisfiyat3" NUMERIC DEFAULT 0,
"alisfiyat" FLOAT DEFAULT 0,
"kdv" INTEGER,
"birim" INTEGER,
"grup" INTEGER,
"marka" INTEGER,
"sinirsayi" FLOAT DEFAULT 0,
"resim" BLOB,
"aciklama" TEXT,
"tipi" INTEGER,
"pasif" INTEGER DEFAULT 0,
"tartiliUrun" INTEGER,
"tartiCarpan" INTEGER,
"teraziBarkodu" int(1) DEFAULT 0,
"barkod2" VARCHAR(50),
"barkod3" VARCHAR(50),
"barkod4" VARCHAR(50),
"barkod5" VARCHAR(50),
"barkod6" VARCHAR(50),
"barkod7" VARCHAR(50),
"barkod8" VARCHAR(50),
"serbestsatis" INTEGER,
"giyim" INTEGER,
PRIMARY KEY("id" AUTOINCREMENT)
);

CREATE TABLE IF NOT EXISTS "stok_renk" (
"id" INTEGER,
"stokid" INTEGER,
"renk_adi" TEXT,
"sira" INTEGER,
PRIMARY KEY("id" AUTOINCREMENT)
);

CREATE TABLE IF NOT EXISTS "stok_beden" (
"id" INTEGER,
"stokid" INTEGER,
"beden_adi" TEXT,
"sira" INTEGER,
PRIMARY KEY("id" AUTOINCREMENT)
);

CREATE TABLE IF NOT EXISTS "birim" (
"id" INTEGER,
"adi" TEXT,
"aciklama" TEXT,
PRIMARY KEY("id" AUTOINCREMENT)
);

CREATE TABLE IF NOT EXISTS "grup" (
"id" INTEGER,
"adi" TEXT,
"aciklama" TEXT,
PRIMARY KEY("id" AUTOINCREMENT)
);

CREATE TABLE IF NOT EXISTS "marka" (
"id" INTEGER,
"adi" TEXT,
"aciklama" TEXT,
PRIMARY KEY("id" AUTOINCREMENT)
);

CREATE TABLE IF NOT EXISTS "StokMaster" (
-- read-only master list, consulted for barcodes the shop does not know yet
"id" INTEGER,
"barkod" VARCHAR(50),
"urunAdi" VARCHAR(150),
"stokkodu" VARCHAR(50),
"kdv" INTEGER,
"birim" INTEGER,
PRIMARY KEY("id" AUTOINCREMENT)
);

CREATE TABLE IF NOT EXISTS "stokhar" (
"id" INTEGER,
"stokid" INTEGER,
"faturaid" INTEGER,
"tipi" TEXT,
"gckodu" VARCHAR(1),
"miktar" FLOAT DEFAULT 0,
"kdv" FLOAT DEFAULT 0,
"fiyat" FLOAT DEFAULT 0,
"alisFiyat" FLOAT(10,2) DEFAULT 0,
"iskonto" FLOAT DEFAULT 0,
"iskonto2" FLOAT DEFAULT 0,
"iskonto3" FLOAT DEFAULT 0,
"tutar" FLOAT DEFAULT 0,
"tarih" DATETIME,
"aciklama" TEXT,
PRIMARY KEY("id" AUTOINCREMENT)
);

CREATE TABLE IF NOT EXISTS "fatura" (
"id" INTEGER,
"faturano" TEXT,
"cariid" INTEGER,
"tarih" DATETIME,
"vadetarihi" DATETIME,
"tipi" TEXT,
"odemeid" INTEGER DEFAULT 0,
"personelid" INTEGER,
"aciklama" TEXT,
PRIMARY KEY("id" AUTOINCREMENT)
);

CREATE TABLE IF NOT EXISTS "fatura_odeme" (
"id" INTEGER,
"faturaid" INTEGER,
"odemetipid" INTEGER,
"tutar" FLOAT DEFAULT 0,
PRIMARY KEY("id" AUTOINCREMENT)
);

CREATE TABLE IF NOT EXISTS "odeme" (
"id" INTEGER,
"odemetipid" INTEGER,
"tutar" FLOAT DEFAULT 0,
PRIMARY KEY("id" AUTOINCREMENT)
);

CREATE TABLE IF NOT EXISTS "odemetipi" (
"id" INTEGER,
"adi" TEXT,
PRIMARY KEY("id" AUTOINCREMENT)
);

CREATE TABLE IF NOT EXISTS "odemetur" (
-- payment choices of invoice entry; adi goes to the payment routine as a
-- payment type name, so every adi here must also exist in odemetipi
"id" INTEGER,
"adi" TEXT,
"sira" INTEGER,
PRIMARY KEY("id" AUTOINCREMENT)
);

CREATE TABLE IF NOT EXISTS "cari" (
"id" INTEGER,
"CARIKODU" TEXT,
"CARIADI" TEXT,
"tip" INTEGER,
"gsm" TEXT,
"tel" TEXT,
"ePosta" TEXT,
"aciklama" TEXT,
"resim" BLOB,
"ulke" TEXT,
"il" TEXT,
"ilce" TEXT,
"adres" TEXT,
"fax" TEXT,
"mail" TEXT,
"web" TEXT,
"vergidairesi" TEXT,
"vergino" TEXT,
"tckn" TEXT,
"banka" TEXT,
"bankasube" TEXT,
"bankahesapno" TEXT,
"iban" TEXT,
"pasif" INTEGER DEFAULT 0,
PRIMARY KEY("id" AUTOINCREMENT)
);

CREATE TABLE IF NOT EXISTS "caritip" (
"id" INTEGER,
"adi" VARCHAR(100) NOT NULL DEFAULT '',
PRIMARY KEY("id" AUTOINCREMENT)
);

CREATE TABLE IF NOT EXISTS "carihar" (
"id" INTEGER,
"cariid" INTEGER,
"faturaid" INTEGER,
"gckodu" VARCHAR(1),
"tipi" TEXT,
"tutar" FLOAT DEFAULT 0,
"kasaid" INTEGER DEFAULT 999,
PRIMARY KEY("id" AUTOINCREMENT)
);

CREATE TABLE IF NOT EXISTS "harekettip" (
"kod" TEXT,
"adi" TEXT,
PRIMARY KEY("kod")
);

CREATE TABLE IF NOT EXISTS "user" (
"id" INTEGER,
"ad" TEXT,
"soyad" TEXT,
"unvan" TEXT,
"user" TEXT,
"pass" TEXT,
"admin" INTEGER DEFAULT 0,
"sonLogin" DATETIME,
PRIMARY KEY("id" AUTOINCREMENT)
);

CREATE TABLE IF NOT EXISTS "yetkiler" (
"id" INTEGER,
"GRUP" TEXT,
"YETKIADI" TEXT,
"YETKIKISAAD" TEXT,
PRIMARY KEY("id" AUTOINCREMENT)
);

CREATE TABLE IF NOT EXISTS "useryetki" (
"id" INTEGER,
"userid" INTEGER,
"yetkiid" INTEGER,
PRIMARY KEY("id" AUTOINCREMENT)
);

CREATE TABLE IF NOT EXISTS "ayarlar" (
"id" INTEGER,
"sirketAdi" TEXT,
"telno" TEXT,
"adres" TEXT,
"skin" VARCHAR(40) DEFAULT '',
"FisYazdirma" INTEGER DEFAULT 0,
PRIMARY KEY("id" AUTOINCREMENT)
);

CREATE TABLE IF NOT EXISTS "hsgrup" (
"id" INTEGER,
"adi" TEXT,
"sira" INTEGER,
PRIMARY KEY("id" AUTOINCREMENT)
);

CREATE TABLE IF NOT EXISTS "hssira" (
"id" INTEGER,
"hsgrupid" INTEGER,
"stokid" INTEGER,
"sira" INTEGER,
PRIMARY KEY("id" AUTOINCREMENT)
);

CREATE TABLE IF NOT EXISTS "tmpsatis" (
-- the till basket; beklemede 0 is the open basket, n a held one
"id" INTEGER,
"stokID" INTEGER,
"stokKodu" VARCHAR(255),
"adi" VARCHAR(255),
"adet" FLOAT DEFAULT 0,
"KDV" INTEGER,
"Fiyat" FLOAT DEFAULT 0,
"iskonto" FLOAT DEFAULT 0,
"komisyon" NUMERIC,
"Toplam" FLOAT DEFAULT 0,
"beklemede" INTEGER NOT NULL DEFAULT 0,
"Firma" TEXT,
PRIMARY KEY("id" AUTOINCREMENT)
);

CREATE TABLE IF NOT EXISTS "tmpfaturadetay" (
"id" INTEGER,
"barkod" VARCHAR(50),
"stokid" INTEGER,
"stokkodu" VARCHAR(50),
"stokadi" VARCHAR(150),
"birimid" INTEGER,
"fiyat" FLOAT DEFAULT 0,
"kdv" FLOAT DEFAULT 0,
"miktar" FLOAT DEFAULT 0,
"iskonto" FLOAT DEFAULT 0,
"iskonto2" FLOAT DEFAULT 0,
"iskonto3" FLOAT DEFAULT 0,
PRIMARY KEY("id" AUTOINCREMENT)
);

CREATE TABLE IF NOT EXISTS "teknikservis" (
-- same columns as the statement the start-up routine runs, one a line here
"id" INTEGER UNIQUE,
"cariid" INTEGER NOT NULL,
"durum" varchar(20),
"cihaz" varchar(50),
"model" varchar(50),
"kayit_tarihi" datetime,
"son_islem_tarih" datetime,
"fiyat" FLOAT(10,2) DEFAULT 0,
"ariza" varchar(500),
"yapilan_islem" varchar(500),
"sonuc" varchar(500),
"teslim_alinanlar" varchar(500),
"tahsilat" FLOAT(10,2) DEFAULT 0,
PRIMARY KEY("id" AUTOINCREMENT)
);

CREATE INDEX IF NOT EXISTS ix_stok_barkod ON stok (barkod);
CREATE INDEX IF NOT EXISTS ix_stok_barkod2 ON stok (barkod2);
CREATE INDEX IF NOT EXISTS ix_stok_barkod3 ON stok (barkod3);
CREATE INDEX IF NOT EXISTS ix_stok_barkod4 ON stok (barkod4);
CREATE INDEX IF NOT EXISTS ix_stok_barkod5 ON stok (barkod5);
CREATE INDEX IF NOT EXISTS ix_stok_barkod6 ON stok (barkod6);
CREATE INDEX IF NOT EXISTS ix_stok_barkod7 ON stok (barkod7);
CREATE INDEX IF NOT EXISTS ix_stok_barkod8 ON stok (barkod8);
CREATE INDEX IF NOT EXISTS ix_stok_stokkodu ON stok (stokkodu);
CREATE INDEX IF NOT EXISTS ix_stok_stokadi ON stok (stokadi);
CREATE INDEX IF NOT EXISTS ix_stokmaster_barkod ON StokMaster (barkod);
CREATE INDEX IF NOT EXISTS ix_stokhar_stokid_gckodu ON stokhar (stokid, gckodu);
CREATE INDEX IF NOT EXISTS ix_stokhar_tarih ON stokhar (tarih);
CREATE INDEX IF NOT EXISTS ix_stokhar_faturaid ON stokhar (faturaid);
CREATE INDEX IF NOT EXISTS ix_carihar_cariid ON carihar (cariid);
CREATE INDEX IF NOT EXISTS ix_carihar_faturaid ON carihar (faturaid);
CREATE INDEX IF NOT EXISTS ix_fatura_tarih ON fatura (tarih);
CREATE INDEX IF NOT EXISTS ix_fatura_odeme_faturaid ON fatura_odeme (faturaid);
CREATE INDEX IF NOT EXISTS ix_tmpsatis_beklemede ON tmpsatis (beklemede);

-- Fixed rows. OR IGNORE keeps the script repeatable on a database that has them.

-- The four fixed accounts: walk-in customer, stock documents, cash drawer, bank.
INSERT OR IGNORE INTO "cari" ("id", "CARIKODU", "CARIADI") VALUES
(-99, 'PERAKENDE', 'PERAKENDE'),
(-98, 'FATURA', 'FATURA'),
(-97, 'KASA', 'KASA'),
(-96, 'BANKA', 'BANKA');

INSERT OR IGNORE INTO "caritip" ("id", "adi") VALUES
(1, 'ALICI'),
(2, 'SATICI');

-- Cash must be id 1: the cash balance report selects it by id. Invoice entry
-- passes its on-account choice as 'CARI' (dotless), hence row 5 beside 'CARİ'.
INSERT OR IGNORE INTO "odemetipi" ("id", "adi") VALUES
(1, 'NAKİT'),
(2, 'KREDİ KARTI'),
(3, 'VERESİYE'),
(4, 'CARİ'),
(5, 'CARI');

INSERT OR IGNORE INTO "odemetur" ("id", "adi", "sira") VALUES
(1, 'NAKİT', 1),
(2, 'KREDİ KARTI', 2),
(3, 'CARI', 3);

-- Some screens compare these names literally (cash summaries, statement colours).
INSERT OR IGNORE INTO "harekettip" ("kod", "adi") VALUES
('HS', 'HIZLI SATIŞ'),
('HSV', 'HIZLI SATIŞ VERESİYE'),
('PARCALI', 'PARÇALI ÖDEME'),
('PS', 'PARÇALI SATIŞ'),
('TAHSILAT', 'TAHSİLAT'),
('SF', 'SATIŞ FATURASI'),
('SFV', 'VERESİYE FATURA'),
('AF', 'ALIŞ FATURASI'),
('AFV', 'VERESİYE ALIŞ FATURASI'),
('SG', 'STOK GİRİŞ'),
('SC', 'STOK ÇIKIŞ'),
('KT', 'KASA TAHSİLAT'),
('CB', 'BORÇ EKLE'),
('KO', 'ÖDEME'),
('CA', 'ALACAK EKLE'),
('BA', 'BANKA GİRİŞ'),
('BC', 'BANKA ÇIKIŞ'),
('KA', 'KASA GİRİŞ'),
('KC', 'KASA ÇIKIŞ'),
('GL', 'GELİR'),
('GD', 'GİDER'),
('IADE', 'İADE');

INSERT OR IGNORE INTO "yetkiler" ("id", "GRUP", "YETKIADI", "YETKIKISAAD") VALUES
(1, 'Stok', 'Stok Listesi', 'STOKLISTE'),
(2, 'Stok', 'Stok Ekle', 'STOKEKLE'),
(3, 'Stok', 'Stok Güncelle', 'STOKGUNCELLE'),
(4, 'Stok', 'Stok Sil', 'STOKSIL'),
(5, 'Hızlı Satış', 'Hızlı Satış Raporları', 'HSRAPOR'),
(6, 'Hızlı Satış', 'Satış Sil', 'HSSIL'),
(7, 'Hızlı Satış', 'Satış Satırı Düzenle', 'HSSATIRDUZENLE'),
(8, 'Cari', 'Cari Listesi', 'CARILISTE'),
(9, 'Cari', 'Cari Ekle', 'CARIEKLE'),
(10, 'Cari', 'Cari Sil', 'CARISIL'),
(11, 'Cari', 'Cari Hareket Sil', 'CARIHARSIL'),
(12, 'Cari', 'Tahsilat Gir', 'TAHSILATGIR'),
(13, 'Cari', 'Borç / Alacak Ekle', 'BORCEKLE'),
(14, 'Cari', 'Ödeme Gir', 'ODEMEGIR'),
(15, 'Kasa', 'Kasa İşlemleri', 'KASALİSTE'),
(16, 'Kasa', 'Kasa Giriş', 'KASAGIRIS'),
(17, 'Kasa', 'Kasa Çıkış', 'KASACIKIS'),
(18, 'Kasa', 'Banka Giriş', 'BANKAGIRIS'),
(19, 'Kasa', 'Banka Çıkış', 'BANKACIKIS'),
(20, 'Kasa', 'Gelir Ekle', 'GELIREKLE'),
(21, 'Kasa', 'Gider Ekle', 'GIDEREKLE'),
(22, 'Kasa', 'Kasa İşlemi Sil', 'KASAISLEMSIL'),
(23, 'Fatura', 'Alış Faturası Düzenle', 'AFDUZ'),
(24, 'Fatura', 'Satış Faturası Düzenle', 'SFDUZ'),
(25, 'Fatura', 'Alış Faturası Sil', 'AFSIL'),
(26, 'Fatura', 'Satış Faturası Sil', 'SFSIL'),
(27, 'Veritabanı', 'Veritabanı Yedekle', 'VTYEDEKLE'),
(28, 'Veritabanı', 'Yedekten Geri Yükle', 'VTGRYUKLE');

INSERT OR IGNORE INTO "ayarlar" ("id", "sirketAdi", "telno", "adres", "skin", "FisYazdirma") VALUES
(1, 'Torvel Market', '0312 555 12 34', 'Atatürk Cad. No: 12 Çankaya / ANKARA', '', 0);

-- Imports and the stock pool add products with unit 1 and group 1.
INSERT OR IGNORE INTO "birim" ("id", "adi") VALUES
(1, 'ADET'),
(2, 'KG'),
(3, 'LT'),
(4, 'PAKET'),
(5, 'METRE');

INSERT OR IGNORE INTO "grup" ("id", "adi") VALUES
(1, 'GENEL');

-- The shipped database needs one user who can log in.
INSERT OR IGNORE INTO "user" ("id", "ad", "soyad", "unvan", "user", "pass", "admin") VALUES
(1, 'Sistem', 'Yöneticisi', 'Yönetici', 'admin', '1234', 1);
