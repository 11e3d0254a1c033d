#pragma once

#include <QByteArray>
#include <QString>

namespace quorlex::bench {

// Pages as the benchmarks open, type in and save them, written once per size into a folder
// that lives as long as the process (or QUORLEX_BENCH_PAGES when set, kept between runs).

// A hand-written Japanese page: markup lines of 40 to 120 characters with CR LF line ends
// and now and then an LF alone, of about `megabytes` MB in Shift_JIS.
QString typicalPageText(double megabytes);
// Minified markup: the same kind of page as one line without any line break.
QString minifiedPageText(double megabytes);

// The path of a file holding typicalPageText / minifiedPageText in Shift_JIS.
QString typicalPageFile(double megabytes);
QString minifiedPageFile(double megabytes);

// CPU time this process has used, in seconds.
double processCpuSeconds();
// The largest resident size this process has had, in MB.
double peakResidentMegabytes();

} // namespace quorlex::bench
