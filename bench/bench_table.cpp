// Prints the table of goals from the JSON results of the benchmark programs.
//
//   bench_table goals.tsv results-folder
//
// Each line of goals.tsv (tab-separated, "#" starts a comment) names a goal, what is measured,
// its reference ("-" for none) and the limit:
//
//   Open 50 MB: work    open_bench/BM_OpenPage/50    open_bench/BM_BareSetPlainText/50    <= 1.1x
//   Typing, 50 MB page  editbox_bench/BM_TypeLetter/50    -    <= 2 ms
//
// A measure is program/benchmark[:counter]: the median of the benchmark's repetitions (its time,
// or the counter), read from results-folder/program.json. A limit is "<= N x" (measured over
// reference) or "<= N unit" (s, ms, us for times; no unit for counters).
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTextStream>

#include <cstdio>
#include <optional>

namespace {

struct Value {
    double number = 0; // seconds for a time
    bool isTime = false;
};

double secondsPer(const QString& unit)
{
    if (unit == u"ns")
        return 1e-9;
    if (unit == u"us")
        return 1e-6;
    if (unit == u"ms")
        return 1e-3;
    return 1;
}

// The benchmark's name without the parts Google Benchmark adds for iterations, repetitions and
// the kind of time.
QString plainName(QString runName)
{
    static const QRegularExpression added(
        QStringLiteral("/(iterations:\\d+|repeats:\\d+|manual_time|real_time|process_time)"));
    return runName.remove(added);
}

class Results {
public:
    explicit Results(QString folder)
        : m_folder(std::move(folder))
    {
    }

    std::optional<Value> value(const QString& measure)
    {
        const qsizetype slash = measure.indexOf(u'/');
        if (slash < 0)
            return std::nullopt;
        const QString program = measure.left(slash);
        QString name = measure.mid(slash + 1);
        QString counter;
        if (const qsizetype colon = name.indexOf(u':'); colon >= 0) {
            counter = name.mid(colon + 1);
            name = name.left(colon);
        }
        std::optional<QJsonObject> found;
        for (const QJsonValue& entry : benchmarks(program)) {
            const QJsonObject b = entry.toObject();
            const QString run = b.value(u"run_name").toString(b.value(u"name").toString());
            if (plainName(run) != name)
                continue;
            const QString aggregate = b.value(u"aggregate_name").toString();
            if (aggregate == u"median" || (!found && aggregate.isEmpty()))
                found = b;
        }
        if (!found)
            return std::nullopt;
        if (!counter.isEmpty()) {
            if (!found->contains(counter))
                return std::nullopt;
            return Value { found->value(counter).toDouble(), false };
        }
        return Value {
            found->value(u"real_time").toDouble() * secondsPer(found->value(u"time_unit").toString()), true
        };
    }

private:
    QJsonArray benchmarks(const QString& program)
    {
        if (!m_loaded.contains(program)) {
            QFile file(QDir(m_folder).filePath(program + QStringLiteral(".json")));
            QJsonArray list;
            if (file.open(QIODevice::ReadOnly))
                list = QJsonDocument::fromJson(file.readAll()).object().value(u"benchmarks").toArray();
            m_loaded.insert(program, list);
        }
        return m_loaded.value(program);
    }

    QString m_folder;
    QHash<QString, QJsonArray> m_loaded;
};

QString shown(const Value& v, const QString& unit)
{
    if (!v.isTime)
        return QString::number(v.number, 'g', 3);
    QString u = unit;
    if (u.isEmpty())
        u = v.number >= 1      ? QStringLiteral("s")
            : v.number >= 1e-3 ? QStringLiteral("ms")
                               : QStringLiteral("us");
    return QString::number(v.number / secondsPer(u), 'g', 3) + u' ' + u;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_table goals.tsv results-folder\n");
        return 2;
    }
    QFile goals(QString::fromLocal8Bit(argv[1]));
    if (!goals.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 2;
    }
    Results results(QString::fromLocal8Bit(argv[2]));
    QTextStream out(stdout);
    out << "| Goal | Measured | Reference | Ratio | Limit | Met |\n|---|---|---|---|---|---|\n";
    int missed = 0;
    static const QRegularExpression limitForm(QStringLiteral("^<=\\s*([0-9.]+)\\s*(x|s|ms|us)?$"));
    while (!goals.atEnd()) {
        const QString line = QString::fromUtf8(goals.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList cells = line.split(u'\t', Qt::SkipEmptyParts);
        if (cells.size() != 4) {
            std::fprintf(stderr, "bad goal line: %s\n", qPrintable(line));
            return 2;
        }
        const QRegularExpressionMatch limit = limitForm.match(cells[3].trimmed());
        const QString unit = limit.captured(2) == u"x" ? QString() : limit.captured(2);
        const auto measured = results.value(cells[1]);
        const auto reference = cells[2] == u"-" ? std::nullopt : results.value(cells[2]);
        QString ratio = QStringLiteral("-");
        QString met = QStringLiteral("?");
        if (measured && limit.hasMatch()) {
            const double bound = limit.captured(1).toDouble();
            if (limit.captured(2) == u"x" && reference && reference->number > 0) {
                const double r = measured->number / reference->number;
                ratio = QString::number(r, 'f', 2);
                met = r <= bound ? QStringLiteral("yes") : QStringLiteral("**no**");
            } else if (limit.captured(2) != u"x") {
                const double b = measured->isTime ? bound * secondsPer(unit) : bound;
                met = measured->number <= b ? QStringLiteral("yes") : QStringLiteral("**no**");
            }
        }
        if (met != u"yes")
            ++missed;
        out << "| " << cells[0] << " | " << (measured ? shown(*measured, unit) : QStringLiteral("not run"))
            << " | " << (reference ? shown(*reference, unit) : QStringLiteral("-")) << " | " << ratio << " | "
            << cells[3] << " | " << met << " |\n";
    }
    out.flush();
    return 0;
}
