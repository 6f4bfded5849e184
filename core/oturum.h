#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Who is logged in. Process-wide: one user at a time.
extern int aktifKullaniciId;
extern bool yoneticiMi;
extern QStringList kullaniciYetkileri;

// Logs the current user out (every login window does this when it is created).
void oturumuKapat();

// The login check: the id of the user with this name and password (exact, as typed), 0 if none.
int girisKontrol(const QString& kullanici, const QString& sifre);

// Loads the logged-in user's flag and permission codes and stamps sonLogin.
// Returns the status-bar text, or none when nobody is logged in (the program then ends).
std::optional<QString> yetkileriAyarla();

// True for administrators and holders of the code (case-sensitive); otherwise tells the user.
bool yetkiKontrol(const QString& kod);
