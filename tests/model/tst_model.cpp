#include <QCoreApplication>

int runVocabularyTests(int argc, char** argv);
int runRecordTests(int argc, char** argv);
int runCheckTests(int argc, char** argv);
int runBuilderTests(int argc, char** argv);
int runVectorColumnTests(int argc, char** argv);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int failed = 0;
    failed += runVocabularyTests(argc, argv);
    failed += runRecordTests(argc, argv);
    failed += runCheckTests(argc, argv);
    failed += runBuilderTests(argc, argv);
    failed += runVectorColumnTests(argc, argv);
    return failed;
}
