#pragma once

#include <QByteArray>

// A CSV of `rows` rows × 4 Y columns under the header "X,Y1,Y2,Y3,Y4", with 6
// to 9 significant digits per value (a million rows make about 49 MB).
QByteArray MakeBenchCsv(int rows);
