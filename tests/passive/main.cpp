#include <QApplication>

int runPassiveListTests(int argc, char** argv);
int runPassiveItemTests(int argc, char** argv);
int runPassiveDialogTests(int argc, char** argv);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int failures = runPassiveListTests(argc, argv);
    failures += runPassiveItemTests(argc, argv);
    failures += runPassiveDialogTests(argc, argv);
    return failures;
}
