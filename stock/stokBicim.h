#pragma once

#include <QString>

// Number texts of the stock screens, beside the shared Turkish formats of core/bicim.h.

// The shortest general form of a number, up to 15 significant digits and without thousand
// separators: 118 -> "118", 84.745762711864... -> "84,7457627118644". Bound number boxes and the
// movement totals show numbers this way.
QString genelSayi(double deger);

// A price box's text when it is left: at most two decimals, no trailing zeros, no thousand
// separators ("12,5", "118"). A text that is not a number, and zero, give an empty box.
QString fiyatMetni(const QString& metin);

// A number as typed in a box that takes the decimal comma; false in *tamam when it is not one.
// Thousand separators are not accepted: "1.234" is not a number here.
double kutuSayisi(const QString& metin, bool* tamam = nullptr);

// The GS1 check digit of a code body: from the rightmost character leftwards the weights are
// 3, 1, 3, 1 ...; a character that is not a digit counts 0.
int gs1KontrolBasamagi(const QString& govde);

// The barcode made from a counter value: kind "1" EAN-13 (12 digits and the check digit),
// kind "2" EAN-8 (7 digits and the check digit), any other kind the plain digits.
QString sayacBarkodu(qint64 sayi, const QString& tur);
