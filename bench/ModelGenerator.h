#ifndef MODELGENERATOR_H
#define MODELGENERATOR_H

#include <QByteArray>
#include <QIODevice>

// Writes large, valid logic models for the benchmarks: every pin list of a part
// carries the same signals on other pins, vectors match the control columns, and
// each signal sits on a pin of a fitting type, so both the library check and the
// wizard's checks pass.
class ModelGenerator
{
public:
    struct Options
    {
        int packages = 1;
        int pinsPerPackage = 2500;
        int logicParts = 100;
        int pinListsPerPart = 4;
        int width = 8;            // inputs and outputs per pin list
        int sequencesPerPart = 2;
        int vectorsPerSequence = 16;
        double megabytes = 0;     // when set, vectorsPerSequence grows to reach it
    };

    explicit ModelGenerator(const Options& options);

    // An empty string when the options can be generated, otherwise why not.
    QString problem() const;
    void write(QIODevice& out) const;
    QByteArray text() const;

private:
    static void fitToSize(Options& options);
    void writePackage(QByteArray& buf, int package) const;
    void writePart(QByteArray& buf, QIODevice& out, int part) const;
    QByteArray vector(int part, int n) const;
    QByteArray inputPin(int index) const;
    QByteArray outputPin(int index) const;

    Options m_options;
};

#endif
