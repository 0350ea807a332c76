// Runs the benchmark: Zarnith's start-up against the baseline's (median of
// 21 runs each, alternating, headless), the command latencies and the
// memory figures; prints one table and writes it as Markdown.
// Usage: bench_runner <startup_zarnith> <startup_baseline> <commands> <results.md>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QSysInfo>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr int kStartRuns = 21;

std::int64_t now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return std::int64_t(t.tv_sec) * 1000000000 + t.tv_nsec;
}

QProcessEnvironment headless()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}

// Runs a probe; returns its output lines.
QStringList run(const QString &program, const QStringList &arguments, std::int64_t *started)
{
    QProcess process;
    process.setProcessEnvironment(headless());
    *started = now();
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitCode() != 0) {
        std::fprintf(stderr, "%s failed\n", qPrintable(program));
        std::exit(1);
    }
    return QString::fromLatin1(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

double median(std::vector<double> values)
{
    if (values.empty()) {
        std::fprintf(stderr, "a probe reported nothing\n");
        std::exit(1);
    }
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Startup {
    std::vector<double> ms;
    std::vector<double> peakMiB;
};

// "painted <ns> <KiB>": the time since the process was started, and its peak.
void addPaint(const QStringList &lines, std::int64_t from, Startup &into)
{
    for (const QString &line : lines) {
        const QStringList f = line.split(u' ');
        if (f[0] == QLatin1String("painted")) {
            into.ms.push_back(double(f[1].toLongLong() - from) / 1e6);
            into.peakMiB.push_back(f[2].toDouble() / 1024);
        }
    }
}

QString row(const QString &what, const QString &value, const QString &baseline, const QString &ratio,
            const QString &target)
{
    return QStringLiteral("| %1 | %2 | %3 | %4 | %5 |").arg(what, value, baseline, ratio, target);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        std::fprintf(stderr, "usage: bench_runner <startup_zarnith> <startup_baseline> <commands> <results.md>\n");
        return 2;
    }
    Startup zarnith, baseline, decimals;
    std::vector<double> decimalMs;
    for (int i = 0; i < kStartRuns; ++i) {
        std::int64_t started = 0;
        const QStringList ours = run(args[1], {}, &started);
        addPaint(ours, started, zarnith);
        const QStringList theirs = run(args[2], {}, &started);
        addPaint(theirs, started, baseline);
        const QStringList lines = run(args[1], {QStringLiteral("decimals")}, &started);
        std::int64_t command = 0;
        for (const QString &line : lines) {
            const QStringList f = line.split(u' ');
            if (f[0] == QLatin1String("decimal"))
                command = f[1].toLongLong();
            else if (f[0] == QLatin1String("painted"))
                decimalMs.push_back(double(f[1].toLongLong() - command) / 1e6);
        }
    }

    std::int64_t started = 0;
    const QStringList commandLines = run(args[3], {}, &started);

    const double startMs = median(zarnith.ms);
    const double baseMs = median(baseline.ms);
    const double startPeak = median(zarnith.peakMiB);
    const double basePeak = median(baseline.peakMiB);
    QStringList table = {
        QStringLiteral("| Figure | Zarnith | Baseline | Ratio | Target |"),
        QStringLiteral("|---|---|---|---|---|"),
        row(QStringLiteral("Start-up to the calculator's first paint (median of %1)").arg(kStartRuns),
            QStringLiteral("%1 ms").arg(startMs, 0, 'f', 1), QStringLiteral("%1 ms").arg(baseMs, 0, 'f', 1),
            QString::number(startMs / baseMs, 'f', 2), QStringLiteral("ratio at most 1.2")),
        row(QStringLiteral("Decimal command to the Decimals window's first paint (median)"),
            QStringLiteral("%1 ms").arg(median(decimalMs), 0, 'f', 1), QStringLiteral("-"), QStringLiteral("-"),
            QStringLiteral("-")),
        row(QStringLiteral("Peak resident size after start-up"), QStringLiteral("%1 MiB").arg(startPeak, 0, 'f', 1),
            QStringLiteral("%1 MiB").arg(basePeak, 0, 'f', 1), QString::number(startPeak / basePeak, 'f', 2),
            QStringLiteral("within 10 MiB")),
    };
    for (const QString &line : commandLines) {
        if (line.startsWith(QLatin1String("command "))) {
            const QStringList f = line.mid(8).split(u'|');
            table << row(QStringLiteral("%1, median / 99th percentile (5,000 runs)").arg(f[0]),
                         QStringLiteral("%1 / %2 µs").arg(f[1], f[2]), QStringLiteral("-"), QStringLiteral("-"),
                         QStringLiteral("median under 1 ms"));
        } else if (line.startsWith(QLatin1String("memory|"))) {
            const QStringList f = line.split(u'|');
            const double at1000 = f[1].toDouble() / 1024;
            const double at100000 = f[2].toDouble() / 1024;
            table << row(QStringLiteral("Resident size after 1,000 / 100,000 commands"),
                         QStringLiteral("%1 / %2 MiB").arg(at1000, 0, 'f', 1).arg(at100000, 0, 'f', 1),
                         QStringLiteral("-"), QStringLiteral("growth %1 MiB").arg(at100000 - at1000, 0, 'f', 2),
                         QStringLiteral("growth under 1 MiB"));
            table << row(QStringLiteral("Peak resident size after 100,000 commands"),
                         QStringLiteral("%1 MiB").arg(f[3].toDouble() / 1024, 0, 'f', 1),
                         QStringLiteral("%1 MiB").arg(basePeak, 0, 'f', 1),
                         QStringLiteral("+%1 MiB").arg(f[3].toDouble() / 1024 - basePeak, 0, 'f', 1),
                         QStringLiteral("within 10 MiB"));
        }
    }
    const QString machine = QStringLiteral("%1, %2 cores, %3")
                                .arg(QSysInfo::prettyProductName())
                                .arg(QThread::idealThreadCount())
                                .arg(QSysInfo::currentCpuArchitecture());
    const QString text = table.join(u'\n') + QStringLiteral("\n\nMachine: ") + machine
        + QStringLiteral("; headless (offscreen); Release build with the project's flags.\n");
    std::printf("%s", qPrintable(text));

    QFile out(args[4]);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    out.write(("# Benchmark results\n\nWritten by `make bench`.\n\n" + text).toUtf8());
    return 0;
}
