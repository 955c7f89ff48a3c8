// orindo-artgen PROGRAM_FOLDER: draws every generated picture of the course.
#include "artgen.h"
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <map>
#include <string>

namespace artgen {
namespace {
std::map<std::string, Generator>& Generators()
{
    static std::map<std::string, Generator> generators;
    return generators;
}
} // namespace

Registrar::Registrar(const char* name, Generator generator) { Generators()[name] = std::move(generator); }

QString Target(const QString& programFolder, const QString& relative)
{
    const QString path = QDir(programFolder).filePath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    return path;
}

bool SaveJpg(const QImage& image, const QString& programFolder, const QString& relative, int quality)
{
    return image.save(Target(programFolder, relative), "JPG", quality);
}

bool SavePng(const QImage& image, const QString& programFolder, const QString& relative)
{
    return image.save(Target(programFolder, relative), "PNG");
}

} // namespace artgen

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: orindo-artgen PROGRAM_FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    int failures = 0;
    for (const auto& [name, generator] : artgen::Generators()) {
        if (!generator(folder)) {
            std::fprintf(stderr, "artgen: %s failed\n", name.c_str());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
