#pragma once

// Maps the Windows face names the chart and the window ask for onto the
// metric-compatible faces installed here ("Arial" → "Liberation Sans",
// "ＭＳ Ｐゴシック"/"MS PGothic" → "IPAPGothic", "Tahoma" → a CJK-capable
// sans). Safe to call any number of times; only the first call registers.
void RegisterFontSubstitutions();
