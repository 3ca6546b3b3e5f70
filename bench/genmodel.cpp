// genmodel: writes a large, valid logic model to standard output for the
// benchmarks, e.g. genmodel --pins 2500 --parts 100 --megabytes 20 > big.model

#include "ModelGenerator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("genmodel"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes a large, valid logic model to standard output."));
    parser.addHelpOption();
    ModelGenerator::Options o;
    struct IntOption
    {
        QCommandLineOption option;
        int* value;
    };
    const QList<IntOption> ints = {
        {{QStringLiteral("packages"), QStringLiteral("Packages (default 1)."), QStringLiteral("N")}, &o.packages},
        {{QStringLiteral("pins"), QStringLiteral("Pins per package (default 2500)."), QStringLiteral("N")},
         &o.pinsPerPackage},
        {{QStringLiteral("parts"), QStringLiteral("Logic parts (default 100)."), QStringLiteral("N")}, &o.logicParts},
        {{QStringLiteral("pinlists"), QStringLiteral("Pin lists per part (default 4)."), QStringLiteral("N")},
         &o.pinListsPerPart},
        {{QStringLiteral("width"), QStringLiteral("Inputs and outputs per pin list (default 8)."), QStringLiteral("N")},
         &o.width},
        {{QStringLiteral("sequences"), QStringLiteral("Test sequences per part (default 2)."), QStringLiteral("N")},
         &o.sequencesPerPart},
        {{QStringLiteral("vectors"), QStringLiteral("Vectors per test sequence (default 16)."), QStringLiteral("N")},
         &o.vectorsPerSequence},
    };
    for (const IntOption& i : ints)
        parser.addOption(i.option);
    const QCommandLineOption mb(QStringLiteral("megabytes"),
                                QStringLiteral("Grow the vectors per sequence until the file has about N MB."),
                                QStringLiteral("N"));
    parser.addOption(mb);
    parser.process(app);

    for (const IntOption& i : ints) {
        if (!parser.isSet(i.option))
            continue;
        bool ok = false;
        *i.value = parser.value(i.option).toInt(&ok);
        if (!ok) {
            std::fprintf(stderr, "genmodel: --%s needs a number\n", qPrintable(i.option.names().first()));
            return 2;
        }
    }
    if (parser.isSet(mb)) {
        bool ok = false;
        o.megabytes = parser.value(mb).toDouble(&ok);
        if (!ok) {
            std::fprintf(stderr, "genmodel: --megabytes needs a number\n");
            return 2;
        }
    }
    const ModelGenerator generator(o);
    if (!generator.problem().isEmpty()) {
        std::fprintf(stderr, "genmodel: %s\n", qPrintable(generator.problem()));
        return 2;
    }
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly))
        return 1;
    generator.write(out);
    return 0;
}
