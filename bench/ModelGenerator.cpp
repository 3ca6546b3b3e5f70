#include "ModelGenerator.h"

#include <QBuffer>

namespace {

// Of every eight pins: three inputs, three outputs, a supply and a ground.
const char* pinType(int i)
{
    switch (i % 8) {
    case 0:
    case 1:
    case 2:
        return "INPUT";
    case 3:
    case 4:
    case 5:
        return "OUTPUT";
    case 6:
        return "PWR";
    default:
        return "GND";
    }
}

QByteArray pinName(int i)
{
    const char* prefix = i % 8 == 6 ? "VCC" : i % 8 == 7 ? "GND" : "P";
    return prefix + QByteArray::number(i + 1);
}

QByteArray line(int indent, const QByteArray& text)
{
    return QByteArray(indent * 2, ' ') + text + '\n';
}

} // namespace

ModelGenerator::ModelGenerator(const Options& options) : m_options(options)
{
    if (m_options.megabytes > 0 && problem().isEmpty())
        fitToSize(m_options);
}

QString ModelGenerator::problem() const
{
    const Options& o = m_options;
    if (o.packages < 1 || o.pinsPerPackage < 8 || o.logicParts < 0 || o.pinListsPerPart < 1 || o.width < 1
        || o.sequencesPerPart < 0 || o.vectorsPerSequence < 0 || o.megabytes < 0)
        return QStringLiteral("every count must be positive and a package needs at least 8 pins");
    if (o.pinsPerPackage > 100000 || o.packages > 10000 || o.logicParts > 10000 || o.width > 1000)
        return QStringLiteral("a count is beyond what a model file may hold");
    if (o.width + 1 > o.pinsPerPackage / 8 * 3)
        return QStringLiteral("the package has too few input pins for one pin list of that width");
    return QString();
}

// Vectors are all the same length, so the size grows linearly with their count.
void ModelGenerator::fitToSize(Options& options)
{
    Options probe = options;
    probe.megabytes = 0;
    probe.vectorsPerSequence = 0;
    const qint64 base = ModelGenerator(probe).text().size();
    probe.vectorsPerSequence = 8;
    const qint64 per = (ModelGenerator(probe).text().size() - base) / 8;
    const qint64 target = qint64(options.megabytes * 1024 * 1024);
    if (per > 0 && target > base)
        options.vectorsPerSequence = int(qMin<qint64>((target - base + per - 1) / per, 10000000));
}

QByteArray ModelGenerator::inputPin(int index) const
{
    // Inputs sit at positions 0, 1, 2 of every eight pins of the first package.
    const int groups = m_options.pinsPerPackage / 8;
    const int i = index % (groups * 3);
    return pinName(i / 3 * 8 + i % 3);
}

QByteArray ModelGenerator::outputPin(int index) const
{
    const int groups = m_options.pinsPerPackage / 8;
    const int i = index % (groups * 3);
    return pinName(i / 3 * 8 + 3 + i % 3);
}

// Columns, highest bit first: outputs, inputs, the enable.
QByteArray ModelGenerator::vector(int part, int n) const
{
    const int w = m_options.width;
    QByteArray v(2 * w + 1, '0');
    for (int b = 0; b < w; ++b) {
        const bool one = ((n + part + b) * 2654435761u >> 7) & 1;
        v[2 * w - 1 - b] = one ? '1' : '0'; // input bit 1 + b
        v[w - 1 - b] = one ? 'H' : 'L';     // output bit w + 1 + b
    }
    return v;
}

void ModelGenerator::writePackage(QByteArray& buf, int package) const
{
    buf += line(1, "package {");
    buf += line(2, "id \"PKG" + QByteArray::number(package + 1) + '"');
    if (package == 0)
        buf += line(2, "tap");
    for (int i = 0; i < m_options.pinsPerPackage; ++i)
        buf += line(2, "pin \"" + QByteArray::number(i + 1) + "\" \"" + pinName(i) + "\" " + pinType(i));
    buf += line(1, "}");
}

void ModelGenerator::writePart(QByteArray& buf, QIODevice& out, int part) const
{
    const Options& o = m_options;
    const int w = o.width;
    buf += line(1, "logic \"Part " + QByteArray::number(part + 1) + "\" {");
    for (int l = 0; l < o.pinListsPerPart; ++l) {
        const int instance = part * o.pinListsPerPart + l;
        buf += line(2, "pinlist \"Pins " + QByteArray::number(l + 1) + "\" {");
        buf += line(3, "signal OE 0 \"" + inputPin(instance * (w + 1)) + '"');
        for (int b = 0; b < w; ++b)
            buf += line(3, "signal IN " + QByteArray::number(1 + b) + " \"" + inputPin(instance * (w + 1) + 1 + b) + '"');
        for (int b = 0; b < w; ++b)
            buf += line(3, "signal OUT " + QByteArray::number(1 + w + b) + " \"" + outputPin(instance * w + b) + '"');
        buf += line(2, "}");
    }
    buf += line(2, "truthtable {");
    for (int r = 0; r < 4; ++r)
        buf += line(3, "row \"" + vector(part, r) + '"');
    buf += line(2, "}");
    for (int s = 0; s < o.sequencesPerPart; ++s) {
        buf += line(2, "sequence \"TS " + QByteArray::number(s + 1) + "\" {");
        for (int n = 0; n < o.vectorsPerSequence; ++n) {
            if (n % 4) {
                buf += line(3, "vector \"" + vector(part, n) + '"');
            } else {
                buf += line(3, "vector \"" + vector(part, n) + "\" {");
                buf += line(4, "diagnose {");
                buf += line(5, "stuck OUT " + QByteArray::number(1 + w + n % w) + " SA0");
                buf += line(4, "}");
                buf += line(3, "}");
            }
            if (buf.size() > (1 << 20)) {
                out.write(buf);
                buf.clear();
            }
        }
        buf += line(2, "}");
    }
    buf += line(2, "enable \"Enable 01\" {");
    buf += line(3, "set OE \"0\"");
    buf += line(3, "output-enable");
    buf += line(2, "}");
    buf += line(2, "disable \"Disable 01\" {");
    buf += line(3, "set OE \"1\"");
    buf += line(3, "disables OUT");
    buf += line(2, "}");
    buf += line(1, "}");
}

void ModelGenerator::write(QIODevice& out) const
{
    QByteArray buf;
    buf += "model-format 1.2\n";
    buf += "header general {\n  line \"December 1 2026 genmodel\"\n  line \"\"\n  line \"Generated model\"\n"
           "  line \"Logic\"\n}\n";
    buf += "component \"GEN" + QByteArray::number(m_options.pinsPerPackage) + "\" {\n";
    for (int p = 0; p < m_options.packages; ++p)
        writePackage(buf, p);
    for (int part = 0; part < m_options.logicParts; ++part)
        writePart(buf, out, part);
    buf += "}\n";
    out.write(buf);
}

QByteArray ModelGenerator::text() const
{
    QByteArray result;
    QBuffer buffer(&result);
    buffer.open(QIODevice::WriteOnly);
    write(buffer);
    return result;
}
