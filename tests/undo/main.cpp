#include <QApplication>

int runUndoBindingTests(int argc, char** argv);
int runPackageUndoTests(int argc, char** argv);
int runVectorUndoTests(int argc, char** argv);
int runDiagUndoTests(int argc, char** argv);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int failures = runUndoBindingTests(argc, argv);
    failures += runPackageUndoTests(argc, argv);
    failures += runVectorUndoTests(argc, argv);
    failures += runDiagUndoTests(argc, argv);
    return failures;
}
