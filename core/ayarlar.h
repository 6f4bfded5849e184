#pragma once

#include <QString>

inline constexpr const char* varsayilanSkin = "Office2010Blue";

// The skin named in the settings row; the default when it is empty or cannot be read.
QString skinAdiOku();
