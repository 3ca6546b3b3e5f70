#include <QTest>

int runConverterTests(int argc, char** argv);
int runSaveRuleTests(int argc, char** argv);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int failed = runConverterTests(argc, argv);
    failed += runSaveRuleTests(argc, argv);
    return failed;
}
