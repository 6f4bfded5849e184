#pragma once

#include <QDateTime>
#include <QString>

// Backup and restore of db.db. Copies are taken through SQLite itself, so a backup of the
// live database is always consistent and a restore never installs a file that is not one.

QString veritabaniYolu();                      // db.db in the installation folder
QString yedekDosyaAdi(const QDateTime& zaman); // Torvel_Yedek_20250314_0905.db

// Writes a consistent copy of the open database to hedef (an existing file is replaced) and
// tells the user the outcome. True on success.
bool veritabaniYedekle(const QString& hedef);

// Empty when yol is a sound database of this program, otherwise the reason in Turkish.
QString yedekDogrula(const QString& yol);

enum class GeriYukleme { Vazgecildi, Reddedildi, Basarisiz, Basarili };
// Asks, checks and puts the chosen backup in place of db.db, keeping the replaced database as a
// dated safety copy beside it. On Basarili the caller restarts the program.
GeriYukleme veritabaniGeriYukle(const QString& secilen);
