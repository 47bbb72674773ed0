#ifndef PLUX_BENCH_HTML_BENCHREPORT_H
#define PLUX_BENCH_HTML_BENCHREPORT_H

#include <chrono>
#include <cstdio>
#include <string>

// A report of `products` rows as the report builder writes it, with bands and difference cells.
inline std::string BenchReport(int products) {
    std::string html =
        "<table border=\"1\" cellspacing=\"0\" bordercolor=#000000 cellpadding=\"3\">\r\n<tr>\r\n"
        "<TH colspan=\"2\">PC1 Tue 03-02-2004 09:05</TH>\r\n<TH>old 01-02-2004 10:00:00</TH>\r\n</tr>\r\n";
    for (int i = 0; i < products; ++i) {
        html += (i / 5) % 2 ? "<tr bgcolor=\"#ffffc8\">\r\n" : "<tr bgcolor=\"#dcFED6\">\r\n";
        html += "<td>Grid " + std::to_string(i) + " (Delphi 7)</td><td>4.2</td>\r\n";
        html += i % 10 == 0 ? "<td bgcolor=\"#ff0000\"><b><font color=\"#ffffff\">4.1</font></b></td>\r\n"
                            : "<td>4.2</td>\r\n";
        html += "</tr>\r\n";
    }
    return html + "</table>\r\n";
}

// Runs `work` `repeats` times and prints the best time in milliseconds.
template <typename Work>
void Measure(const char* name, int repeats, Work&& work) {
    double best = 1e300;
    for (int i = 0; i < repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
        if (elapsed.count() < best)
            best = elapsed.count();
    }
    std::printf("%-44s %10.3f ms\n", name, best);
}

#endif
