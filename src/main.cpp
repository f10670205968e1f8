#include "Brivatenzo.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    Brivatenzo program;
    program.start();
    return QApplication::exec();
}
