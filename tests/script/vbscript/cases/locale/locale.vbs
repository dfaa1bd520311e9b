' Locale-dependent output after SetLocale; each case starts in the default locale.
? GetLocale() => 1033
? SetLocale(1031) & " " & GetLocale() => 1033 1031
