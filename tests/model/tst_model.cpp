#include <QCoreApplication>

int runRecordTests(int argc, char** argv);
int runCheckTests(int argc, char** argv);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int failed = runRecordTests(argc, argv);
    failed += runCheckTests(argc, argv);
    return failed;
}
