// The machine's system default locale as its system-wide configuration names it, and its ICU equivalent.
#pragma once

#include <string>
#include <vector>

// Replaces the configuration files consulted, most preferred first, and returns the list used until now.
// The program keeps the machine's own files; tests point the layer at files of their own.
std::vector<std::string> setSystemLocaleConfigFiles(std::vector<std::string> paths);

// The locale that the first configuration file naming one sets for numbers (LC_ALL, else LC_NUMERIC,
// else LANG), as written there, for example "de_DE.UTF-8"; "C" when no file names one.
std::string systemLocaleName();

// The ICU locale id that stands for a POSIX locale name with Latin digits, for example
// "de_DE@numbers=latn" for "de_DE.UTF-8". "C", "POSIX" and names that ICU does not know map to
// "en_US_POSIX", so that the result never depends on ICU's default locale.
std::string icuLocaleIdFor(const std::string& posixName);
