// Start-up of Ориндо: the program folder is the folder of the executable.
#include "shell/base/paths.h"
#include "shell/base/random.h"
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    shell::Randomize();
    shell::SetProgramFolder(QCoreApplication::applicationDirPath());
    QLabel label(QStringLiteral("Ориндо"));
    label.show();
    return app.exec();
}
