#include <QApplication>

int runTableTests(int argc, char** argv);
int runTableCellTests(int argc, char** argv);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int failures = runTableTests(argc, argv);
    failures += runTableCellTests(argc, argv);
    return failures;
}
