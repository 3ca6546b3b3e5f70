#include <QApplication>

int runUndoBindingTests(int argc, char** argv);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int failures = runUndoBindingTests(argc, argv);
    return failures;
}
