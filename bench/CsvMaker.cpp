#include "bench/CsvMaker.h"

#include <cmath>
#include <cstdio>

QByteArray MakeBenchCsv(int rows)
{
    QByteArray out;
    out.reserve(qsizetype(rows) * 50 + 64);
    out += "X,Y1,Y2,Y3,Y4\n";
    char line[160];
    for (int i = 0; i < rows; ++i) {
        const double x = i * 0.001;
        const double y1 = std::sin(x) * 3.7;
        const double y2 = std::cos(x * 0.5) * 1234.5;
        const double y3 = 0.0001 * std::sin(x * 3) + 0.02;
        const double y4 = (i % 97) * 1.25 - 60 + (i % 13) * 0.0137;
        const int n = std::snprintf(line, sizeof line, "%.7g,%.8g,%.9g,%.7g,%.8g\n", x, y1, y2, y3, y4);
        out.append(line, n);
    }
    return out;
}
