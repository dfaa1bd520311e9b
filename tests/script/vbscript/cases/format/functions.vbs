' FormatNumber, FormatCurrency and FormatPercent in the default locale.
? FormatCurrency(1234.5) => $1,234.50
? FormatCurrency(5, 0) => $5
? FormatCurrency(-1234.5) => ($1,234.50)
? FormatCurrency(-5, 2, , vbFalse) => -$5.00
? FormatNumber(1, -2) => err5
? FormatNumber(1234567.891) => 1,234,567.89
? FormatNumber(3.14159, 3) => 3.142
? FormatNumber(-0.5) => -0.50
? FormatNumber(1234.5, 1, , , vbFalse) => 1234.5
? FormatNumber(0.5, 2, vbFalse) => .50
? FormatNumber("abc") => err13
? FormatNumber(-1234.5, 2, , vbTrue) => (1,234.50)
? FormatNumber("12.5") => 12.50
? FormatNumber(1234.5, 0) => 1,235
? FormatPercent(0.256) => 25.60%
? FormatPercent(1, 0) => 100%
? FormatPercent(-0.5, 0, , vbTrue) => (50%)
